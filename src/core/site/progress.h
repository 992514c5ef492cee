#pragma once
// The figures, the progress fraction and the wording of the progress bars of
// a site-wide operation. What is painted where is the window's; these are
// the numbers and texts it paints.
#include <cstdint>
#include <string>
#include <string_view>

#include "site/site_filter.h"

namespace wk {

// What an analysis pass counts: files, their bytes, and the site task index.
struct SiteFigures {
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
    double index = 0;
};

// The square root of (bytes / 10000 × files), truncated to three decimals.
double SiteTaskIndex(std::uint64_t bytes, std::uint64_t files);
// One more file of that size counted.
void CountFile(SiteFigures& figures, std::uint64_t size);
// The index as plain decimals, at most three after the point, which read
// back as the same value.
std::string IndexText(double index);

// The share of a pass done: the task index of the bytes and files handled so
// far over the index of the analysis before the pass. It may pass 1 when the
// pass handles more than that analysis counted; it is 0.00000001 when it is
// 0 or cannot be computed (a reference index of 0).
double ProgressFraction(std::uint64_t processedBytes, std::uint64_t processedFiles, double referenceIndex);

// The percentage shown: rounded, at least 1 and at most 100.
int ProgressPercent(double fraction);

// The bar's text: caption, ": ", the percentage, "%", six spaces and the
// time remaining, estimated from the time elapsed and the fraction done:
// "Initialising" in the first second; then "N Seconds Remaining" (or
// "1 Second Remaining") while the estimate is under 30 seconds, where whole
// minutes would read "0 Minutes"; then "1 Minute Remaining" or
// "N Minutes Remaining". A fraction past 1 leaves nothing remaining.
std::string ProgressText(std::string_view caption, double fraction, double elapsedSeconds);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kWhite{255, 255, 255};

// One progress bar to paint: the filled part, from the left, is the inner
// width × fraction in the bar colour (nothing when the fraction is 0 or
// less) on the background; the text is centred, drawn in the bar colour on
// the background and inverted where the filled part covers it, so it shows
// white there.
struct ProgressBar {
    int index = 0;  // 0: the upper bar (backup); 1: the lower bar (removal, upgrade)
    double fraction = 0;
    std::string text;
    Rgb colour;
    Rgb background = kWhite;
};

// The bar with its wording; a bar colour equal to the background gives a
// dark blue bar on white, so the bar always shows.
ProgressBar MakeProgressBar(int index, std::string_view caption, double fraction, Rgb colour, Rgb background,
                            double elapsedSeconds);
// The bar the backup, removal or upgrade pass repaints after each file (the
// other passes show the figures instead).
ProgressBar PassProgressBar(SitePass pass, double fraction, double elapsedSeconds);

// The progress window's caption for an operation code; any other code keeps
// "Site Upgrade Progress".
std::string OperationCaption(int code);

}  // namespace wk
