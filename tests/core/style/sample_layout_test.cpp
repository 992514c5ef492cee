#include "style/sample_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "style/designer.h"

namespace wk {
namespace {

// Text measured as a screen font at 96 dpi would be: lines a fifth taller
// than the type, letters three fifths of it wide, bold ones wider.
MeasureText FontsOf(const StyleSet& style) {
    return [style](Element element, std::string_view text) {
        const ElementStyle& e = style[element];
        const double pixels = e.FontSize * 96 / 72;
        const double letter = pixels * (e.FontBold ? 0.7 : 0.6);
        return TextExtent{static_cast<int>(std::ceil(letter * static_cast<double>(text.size()))),
                          static_cast<int>(std::ceil(pixels * 1.2))};
    };
}

bool Inside(const SampleBox& inner, const SampleBox& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

const PlacedSample& Sample(const SampleLayout& layout, Element element) {
    return layout.samples[static_cast<std::size_t>(element)];
}

// Every text has its whole room inside its sample, no row covers another, and
// the samples make a drop-down hanging under its bar entry, inside the picture.
void ExpectReadable(const StyleSet& style, const std::string& what) {
    const MeasureText measure = FontsOf(style);
    const SampleLayout layout = LayOutSamples(measure);
    const SampleBox picture{0, 0, layout.width, layout.height};
    for (const PlacedSample& sample : layout.samples) {
        EXPECT_TRUE(Inside(sample.box, picture)) << what << " " << sample.name;
        for (const SampleLine& line : sample.lines) {
            const TextExtent text = measure(sample.element, line.text);
            EXPECT_TRUE(Inside(line.box, sample.box)) << what << " " << line.text;
            EXPECT_GE(line.box.width, text.width) << what << " " << line.text;
            EXPECT_GE(line.box.height, text.height) << what << " " << line.text;
        }
    }
    const PlacedSample &bar = Sample(layout, Element::MenuBar), &entry = Sample(layout, Element::MenuBarHighlight),
                       &menu = Sample(layout, Element::Menu), &highlight = Sample(layout, Element::MenuHighlight);
    EXPECT_LE(bar.lines[0].box.right(), entry.box.left) << what;
    EXPECT_TRUE(bar.lines[0].text.starts_with("About us")) << what;  // fewer words, never none
    std::vector<SampleBox> rows = {menu.lines[0].box, highlight.lines[0].box, menu.lines[1].box, menu.lines[2].box};
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LE(rows[i - 1].bottom(), rows[i].top) << what << " row " << i;
    EXPECT_TRUE(Inside(entry.box, bar.box)) << what;
    EXPECT_TRUE(Inside(highlight.box, menu.box)) << what;
    EXPECT_TRUE(Inside(Sample(layout, Element::MenuSpine).box, menu.box)) << what;
    EXPECT_EQ(std::pair(menu.box.left, menu.box.top), std::pair(entry.box.left, entry.box.bottom())) << what;
}

StyleSet AllAt(float size, bool bold) {
    StyleSet style;
    for (Element e : kAllElements) {
        style[e].FontSize = size;
        style[e].FontBold = bold;
    }
    return style;
}

TEST(SampleLayout, EverySizeTheSizeBoxTakesLeavesEveryTextWholeAndNoRowOverAnother) {
    for (float size = kSmallestSize; size <= kLargestSize; size += 0.25f)
        for (bool bold : {false, true}) ExpectReadable(AllAt(size, bold), std::to_string(size));
    // Elements of very different sizes side by side.
    for (Element large : {Element::MenuBar, Element::MenuBarHighlight, Element::Menu, Element::MenuHighlight}) {
        StyleSet style = AllAt(kSmallestSize, false);
        style[large].FontSize = kLargestSize;
        ExpectReadable(style, std::string(ElementName(large)) + " large");
    }
}

TEST(SampleLayout, SmallSizesKeepTheClassicPlaces) {
    const SampleLayout layout = LayOutSamples(FontsOf(AllAt(kSmallestSize, false)));
    EXPECT_EQ(std::pair(layout.width, layout.height), std::pair(kPictureWidth, kPictureHeight));
    const SampleBox bar = Sample(layout, Element::MenuBar).box, entry = Sample(layout, Element::MenuBarHighlight).box;
    EXPECT_EQ(std::tuple(bar.left, bar.top, bar.width, bar.height), std::tuple(4, 116, 693, 25));
    EXPECT_EQ(std::tuple(entry.left, entry.width), std::tuple(404, 57));
    EXPECT_EQ(Sample(layout, Element::MenuBar).lines[0].text, "About us         Shop         Services         Legal");
}

}  // namespace
}  // namespace wk
