#pragma once
// The style designer's state: the controls' contents and the palette.
// (Placeholder; the style subsystem defines the full model here.)
namespace wk {
struct DesignerState {};
}  // namespace wk
