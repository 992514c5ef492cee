#pragma once
// The five styled menu elements.
// (Placeholder; the style subsystem defines the full model here.)
namespace wk {
struct StyleSet {};
}  // namespace wk
