#pragma once
// The style's colours are packed 0x00BBGGRR, red in the low byte.
#include <QColor>
#include <cstdint>

namespace wk::ui {

inline QColor PackedColor(std::int32_t packed) {
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

}  // namespace wk::ui
