#pragma once
// Where the designer's preview picture puts its five samples: the menu bar
// with its highlighted entry, and the drop-down hanging under that entry with
// its second row highlighted and the spine down its left edge. At the
// smallest sizes the samples take their classic places in a 701 x 220
// picture; strips and rows grow with the text they hold, so that at any size
// the size box takes no row covers another and no text is cut off.
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "style/style_set.h"

namespace wk {

// Pixels of the picture at full size (96 dpi).
struct SampleBox {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }  // one past the last column
    int bottom() const { return top + height; }
};

// One line of a sample's text and the box it is drawn in, centred vertically.
struct SampleLine {
    std::string_view text;
    SampleBox box;
};

struct PlacedSample {
    Element element;
    std::string_view name;  // lblMenuBar ...
    SampleBox box;
    std::vector<SampleLine> lines;
};

// The room one line of text takes in its element's font.
struct TextExtent {
    int width = 0;
    int height = 0;
};
using MeasureText = std::function<TextExtent(Element, std::string_view)>;

struct SampleLayout {
    // Bar, bar highlight, menu, menu highlight, spine: each lies on those before it.
    std::array<PlacedSample, kElementCount> samples;
    int width = 0, height = 0;  // the whole picture
};

inline constexpr int kPictureWidth = 701, kPictureHeight = 220;  // at the smallest sizes
inline constexpr const char* kPreviewCaption = "Menu Designer";

SampleLayout LayOutSamples(const MeasureText& measure);

}  // namespace wk
