#pragma once
// The two-level menu tree: menus with items below them.
// (Placeholder; the menu subsystem defines the full model here.)
namespace wk {
class MenuTree {};
}  // namespace wk
