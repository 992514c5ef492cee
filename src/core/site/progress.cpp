#include "site/progress.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace wk {

double SiteTaskIndex(std::uint64_t bytes, std::uint64_t files) {
    const double index = std::sqrt(static_cast<double>(bytes) / 10000.0 * static_cast<double>(files));
    return std::trunc(index * 1000.0) / 1000.0;
}

void CountFile(SiteFigures& figures, std::uint64_t size) {
    ++figures.files;
    figures.bytes += size;
    figures.index = SiteTaskIndex(figures.bytes, figures.files);
}

std::string IndexText(double index) {
    std::array<char, 64> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), index, std::chars_format::fixed);
    return std::string(text.data(), written.ptr);
}

double ProgressFraction(std::uint64_t processedBytes, std::uint64_t processedFiles, double referenceIndex) {
    constexpr double kNothingYet = 0.00000001;
    const double done = std::sqrt(static_cast<double>(processedBytes) / 10000.0 * static_cast<double>(processedFiles));
    const double fraction = referenceIndex > 0 ? done / referenceIndex : 0;
    return fraction > 0 && std::isfinite(fraction) ? fraction : kNothingYet;
}

namespace {

// The whole part of value + 0.5, for values that are not negative; a
// hopeless estimate is held where it still prints as a number.
std::int64_t Rounded(double value) { return static_cast<std::int64_t>(std::min(value, 1e15) + 0.5); }

std::string TimeRemaining(double fraction, double elapsedSeconds) {
    if (std::abs(elapsedSeconds) < 1) return "Initialising";
    const double seconds = std::max(0.0, elapsedSeconds / fraction * (1 - fraction));
    const std::int64_t minutes = Rounded(seconds / 60);
    if (minutes == 0) {
        const std::int64_t whole = Rounded(seconds);
        return std::to_string(whole) + (whole == 1 ? " Second Remaining" : " Seconds Remaining");
    }
    return std::to_string(minutes) + (minutes == 1 ? " Minute Remaining" : " Minutes Remaining");
}

}  // namespace

int ProgressPercent(double fraction) {
    return static_cast<int>(std::clamp(Rounded(std::max(fraction, 0.0) * 100), std::int64_t{1}, std::int64_t{100}));
}

std::string ProgressText(std::string_view caption, double fraction, double elapsedSeconds) {
    return std::string(caption) + ": " + std::to_string(ProgressPercent(fraction)) + "%      " +
           TimeRemaining(fraction, elapsedSeconds);
}

ProgressBar MakeProgressBar(int index, std::string_view caption, double fraction, Rgb colour, Rgb background,
                            double elapsedSeconds) {
    if (colour == background) {
        colour = {0, 0, 149};
        background = kWhite;
    }
    return {index, fraction, ProgressText(caption, fraction, elapsedSeconds), colour, background};
}

ProgressBar PassProgressBar(SitePass pass, double fraction, double elapsedSeconds) {
    switch (pass) {
        case SitePass::Backup:
            return MakeProgressBar(0, "Backing Up Web Site", fraction, {0, 0, 133}, kWhite, elapsedSeconds);
        case SitePass::RemoveMenus:
            return MakeProgressBar(1, "Deleting Menus", fraction, {133, 0, 0}, kWhite, elapsedSeconds);
        case SitePass::Links:
            return MakeProgressBar(1, "Updating Links", fraction, {0, 133, 0}, kWhite, elapsedSeconds);
        case SitePass::Restore:
            return MakeProgressBar(1, "Restoring Web Site", fraction, {0, 0, 133}, kWhite, elapsedSeconds);
        default:
            return MakeProgressBar(1, "Upgrading Web Site", fraction, {0, 133, 0}, kWhite, elapsedSeconds);
    }
}

std::string OperationCaption(int code) {
    static const char* const captions[] = {"Menu Removal Progress",  "Site Weigh-in Progress",
                                           "Site Backup Progress",   "Site Upgrade Progress",
                                           "Site Analysis Progress", "Mark-up Analysis Progress",
                                           "Link Update Progress",   "Site Restore Progress"};
    return code >= 0 && code < static_cast<int>(std::size(captions)) ? captions[code] : "Site Upgrade Progress";
}

}  // namespace wk
