#include "style/sample_layout.h"

#include <algorithm>

namespace wk {
namespace {

constexpr std::string_view kWordGap = "         ";
constexpr std::string_view kBarText = "About us         Shop         Services         Legal";
constexpr std::string_view kBarEntry = "News";
constexpr std::array<std::string_view, 4> kRows = {"Today", "Yesterday", "Last Week", "Last Month"};
constexpr std::size_t kHighlightedRow = 1;

// The classic places, which the smallest sizes keep.
constexpr SampleBox kBar{4, 116, 693, 25};
constexpr SampleBox kEntry{404, 116, 57, 25};
constexpr int kMenuWidth = 121;
constexpr int kLeastRowHeight = 19;  // four rows fill the classic 77 pixels
constexpr int kSpineWidth = 13;

constexpr int kPad = 4;          // between a strip's edge and its text
constexpr int kRowPad = 2;       // above and below a row's text
constexpr int kEntryGap = 16;    // between the bar's text and its highlighted entry
constexpr int kTextInset = kSpineWidth + 8;  // a row's text clears the spine
constexpr int kBarTail = 24;     // the bar runs on past the drop-down
constexpr int kMargin = 3;       // below the drop-down, inside the picture

SampleLine Line(std::string_view text, int left, int top, int width, int height) {
    return {text, {left, top, width, height}};
}

// The bar's words that fit before its highlighted entry, at least the first:
// a large font shows fewer of them rather than a smaller picture.
std::string_view BarWords(const MeasureText& measure) {
    std::string_view words = kBarText;
    while (kBar.left + kPad + measure(Element::MenuBar, words).width + kEntryGap > kEntry.left) {
        const std::size_t gap = words.rfind(kWordGap);
        if (gap == std::string_view::npos) break;
        words = words.substr(0, gap);
    }
    return words;
}

}  // namespace

SampleLayout LayOutSamples(const MeasureText& measure) {
    const std::string_view barWords = BarWords(measure);
    const TextExtent barText = measure(Element::MenuBar, barWords);
    const TextExtent entryText = measure(Element::MenuBarHighlight, kBarEntry);
    // The bar and its highlighted entry share one strip; the entry stands
    // where it always has, unless the bar's first word reaches that far.
    const int barHeight = std::max({kBar.height, barText.height + 2 * kPad, entryText.height + 2 * kPad});
    const int entryLeft = std::max(kEntry.left, kBar.left + kPad + barText.width + kEntryGap);
    const SampleBox entry{entryLeft, kBar.top, std::max(kEntry.width, entryText.width + 2 * kPad), barHeight};

    // Every row is as tall as the tallest of them, so the highlight covers exactly one.
    std::array<TextExtent, kRows.size()> rowText;
    int rowHeight = kLeastRowHeight, textWidth = 0;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        rowText[i] = measure(i == kHighlightedRow ? Element::MenuHighlight : Element::Menu, kRows[i]);
        rowHeight = std::max(rowHeight, rowText[i].height + 2 * kRowPad);
        textWidth = std::max(textWidth, rowText[i].width);
    }
    const int menuWidth = std::max(kMenuWidth, kTextInset + textWidth + kPad);
    const SampleBox menu{entry.left, entry.bottom(), menuWidth, rowHeight * static_cast<int>(kRows.size())};
    const auto rowLine = [&](std::size_t i) {
        return Line(kRows[i], menu.left + kTextInset, menu.top + rowHeight * static_cast<int>(i), rowText[i].width,
                    rowHeight);
    };

    // The picture keeps its shape, and the bar runs across it as on a page.
    const int height = std::max(kPictureHeight, menu.bottom() + kMargin);
    const int width = std::max({kPictureWidth, std::max(entry.right(), menu.right()) + kBarTail + kBar.left,
                                height * kPictureWidth / kPictureHeight});
    const SampleBox bar{kBar.left, kBar.top, width - 2 * kBar.left, barHeight};
    const SampleBox highlight{menu.left, rowLine(kHighlightedRow).box.top, menu.width, rowHeight};

    SampleLayout layout;
    layout.samples = {{
        {Element::MenuBar, "lblMenuBar", bar,
         {Line(barWords, bar.left + kPad, bar.top, barText.width, barHeight)}},
        {Element::MenuBarHighlight, "lblMenuBarHighlight", entry,
         {Line(kBarEntry, entry.left + kPad, entry.top, entryText.width, barHeight)}},
        {Element::Menu, "lblMenu", menu, {rowLine(0), rowLine(2), rowLine(3)}},
        {Element::MenuHighlight, "lblMenuHighlight", highlight, {rowLine(kHighlightedRow)}},
        {Element::MenuSpine, "lblMenuSpine", {menu.left, menu.top, kSpineWidth, menu.height}, {}},
    }};
    layout.width = width;
    layout.height = height;
    return layout;
}

}  // namespace wk
