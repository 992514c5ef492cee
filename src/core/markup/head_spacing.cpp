#include "markup/head_spacing.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <set>
#include <vector>

#include "ground/text.h"
#include "markup/scan.h"

namespace wk {
namespace {

// Every clean-up removes one space from a run of spaces that touches a fixed
// text: after it ("<style type ", "text/css ", "< ") or before it
// (" text/css", " >"). Repeated passes only shorten each run by one, so after
// m passes every run of k spaces has lost min(k, m) of them, and the whole
// loop comes down to finding its pass count: the first m at which the head's
// content holds no run with spaces left. The head's boundaries can themselves
// move as runs shrink ("< /head>" becomes "</head>", "<head text/css" loses
// its spaced "<head "), so the passes are split into epochs between such
// events, and each epoch is settled by one range-maximum query.

// How a clean-up's shrinking runs can change the head's own tags.
enum class HeadEffect {
    kNone,
    kUnspacesOpening,  // "<head text/css" stops being a spaced "<head "
    kClosesClosing,    // "</head >" becomes "</head>"
    kJoinsTagName,     // "< head>" and "< /head>" become head tags
};

struct Cleanup {
    std::string_view fixed;   // matched without regard to case
    bool runAfter;            // the run follows the fixed text
    HeadEffect effect;
    std::string_view spaced;  // the fixed text with a space on the side of its run
};

constexpr Cleanup kCleanups[] = {
    {"<style type", true, HeadEffect::kNone, "<style type "},
    {"text/css", true, HeadEffect::kNone, "text/css "},
    {"text/css", false, HeadEffect::kUnspacesOpening, " text/css"},
    {">", false, HeadEffect::kClosesClosing, " >"},
    {"<", true, HeadEffect::kJoinsTagName, "< "},
};

constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

// A fixed text with its run of spaces.
struct Site {
    std::size_t start;
    std::size_t end;
    std::size_t run;  // its number of spaces
};

std::size_t SpacesFrom(std::string_view page, std::size_t at) {
    std::size_t n = 0;
    while (at + n < page.size() && page[at + n] == ' ') ++n;
    return n;
}

std::size_t SpacesBefore(std::string_view page, std::size_t at) {
    std::size_t n = 0;
    while (n < at && page[at - n - 1] == ' ') ++n;
    return n;
}

std::vector<Site> FindSites(std::string_view page, const Cleanup& cleanup) {
    std::vector<Site> sites;
    const std::size_t width = cleanup.fixed.size();
    for (std::size_t at = FindNoCase(page, cleanup.fixed); at != std::string_view::npos;
         at = FindNoCase(page, cleanup.fixed, at + width)) {
        if (cleanup.runAfter) {
            const std::size_t run = SpacesFrom(page, at + width);
            if (run > 0) sites.push_back({at, at + width + run, run});
        } else {
            const std::size_t run = SpacesBefore(page, at);
            if (run > 0) sites.push_back({at - run, at + width, run});
        }
    }
    return sites;
}

// Whether the text holds the fixed text with a space on the side of its run.
bool HoldsSite(std::string_view text, const Cleanup& cleanup) {
    return FindNoCase(text, cleanup.spaced) != std::string_view::npos;
}

// Maximum of the run lengths over a range of sites.
class RunMaximum {
public:
    explicit RunMaximum(const std::vector<Site>& sites) : size_(sites.size()), tree_(2 * sites.size(), 0) {
        for (std::size_t i = 0; i < size_; ++i) tree_[size_ + i] = sites[i].run;
        for (std::size_t i = size_; i-- > 1;) tree_[i] = std::max(tree_[2 * i], tree_[2 * i + 1]);
    }
    // Over sites [first, last).
    std::size_t over(std::size_t first, std::size_t last) const {
        std::size_t best = 0;
        for (first += size_, last += size_; first < last; first /= 2, last /= 2) {
            if (first & 1) best = std::max(best, tree_[first++]);
            if (last & 1) best = std::max(best, tree_[--last]);
        }
        return best;
    }

private:
    std::size_t size_;
    std::vector<std::size_t> tree_;
};

// An opening "<head " or "<head>", or a closing "</head>", that exists from
// pass `born` until before pass `dies`.
struct HeadTag {
    std::size_t at;
    bool opening;
    std::size_t born;
    std::size_t dies;
};

bool TextAt(std::string_view page, std::size_t at, std::string_view text) {
    return at <= page.size() && EqualsNoCase(page.substr(at, text.size()), text);
}

std::vector<HeadTag> FindHeadTags(std::string_view page, const Cleanup& cleanup) {
    std::vector<HeadTag> tags;
    for (std::size_t lt = page.find('<'); lt != std::string_view::npos; lt = page.find('<', lt + 1)) {
        const std::size_t gap = cleanup.effect == HeadEffect::kJoinsTagName ? SpacesFrom(page, lt + 1) : 0;
        const std::size_t name = lt + 1 + gap;
        if (TextAt(page, name, "head") && name + 4 < page.size()) {
            const char next = page[name + 4];
            if (next == '>') tags.push_back({lt, true, gap, kNever});
            if (next == ' ') {
                const std::size_t run = SpacesFrom(page, name + 4);
                const bool shrinks =
                    cleanup.effect == HeadEffect::kUnspacesOpening && TextAt(page, name + 4 + run, "text/css");
                tags.push_back({lt, true, gap, shrinks ? run : kNever});
            }
        }
        if (TextAt(page, name, "/head") && name + 5 < page.size()) {
            const std::size_t run = cleanup.effect == HeadEffect::kClosesClosing ? SpacesFrom(page, name + 5) : 0;
            if (name + 5 + run < page.size() && page[name + 5 + run] == '>')
                tags.push_back({lt, false, gap + run, kNever});
        }
    }
    return tags;
}

// The first pass count at which the head's content holds no site with spaces left.
std::size_t PassCount(std::string_view page, const std::vector<Site>& sites, const std::vector<HeadTag>& tags) {
    std::vector<std::pair<std::size_t, std::size_t>> events;  // (pass, tag index)
    for (std::size_t i = 0; i < tags.size(); ++i) {
        events.emplace_back(tags[i].born, i);
        if (tags[i].dies != kNever) events.emplace_back(tags[i].dies, i);
    }
    std::sort(events.begin(), events.end());
    const RunMaximum runs(sites);
    std::set<std::size_t> openings, closings;
    std::size_t next = 0;
    for (std::size_t pass = 0;;) {
        for (; next < events.size() && events[next].first == pass; ++next) {
            const HeadTag& tag = tags[events[next].second];
            std::set<std::size_t>& alive = tag.opening ? openings : closings;
            if (tag.born == pass)
                alive.insert(tag.at);
            else
                alive.erase(tag.at);
        }
        const std::size_t following = next < events.size() ? events[next].first : kNever;
        std::size_t longest = 0;
        if (!openings.empty()) {
            const std::size_t gt = page.find('>', *openings.begin());
            if (gt != std::string_view::npos) {
                const auto closing = closings.lower_bound(gt + 1);
                if (closing != closings.end()) {
                    const auto first = std::lower_bound(sites.begin(), sites.end(), gt + 1,
                                                        [](const Site& s, std::size_t at) { return s.start < at; });
                    const auto last = std::upper_bound(first, sites.end(), *closing,
                                                       [](std::size_t at, const Site& s) { return at < s.end; });
                    longest = runs.over(first - sites.begin(), last - sites.begin());
                }
            }
        }
        const std::size_t stop = std::max(pass, longest);
        if (stop < following) return stop;
        pass = following;
    }
}

std::string ApplyPasses(std::string_view page, const Cleanup& cleanup, std::string_view replacement,
                        const std::vector<Site>& sites, std::size_t passes) {
    std::string out;
    out.reserve(page.size());
    std::size_t copied = 0;
    for (const Site& site : sites) {
        out.append(page.substr(copied, site.start - copied));
        const std::string spaces(site.run - std::min(site.run, passes), ' ');
        // A replaced occurrence takes the replacement's own letter case.
        if (cleanup.runAfter)
            out.append(replacement).append(spaces);
        else
            out.append(spaces).append(replacement);
        copied = site.end;
    }
    out.append(page.substr(copied));
    return out;
}

}  // namespace

std::string CleanHeadSpacing(std::string_view page) {
    std::string text(page);
    std::optional<TagContent> head = FindTagContent(text, "head");
    for (const Cleanup& cleanup : kCleanups) {
        // The first pass runs only when the head's content holds a site, and
        // most heads hold none: those pages are settled by searching their
        // head alone, without a scan of the whole page.
        if (!head || !HoldsSite(head->in(text), cleanup)) continue;
        const std::vector<Site> sites = FindSites(text, cleanup);
        const std::size_t passes = PassCount(text, sites, FindHeadTags(text, cleanup));
        text = ApplyPasses(text, cleanup, AsciiLowerCase(cleanup.fixed), sites, passes);
        head = FindTagContent(text, "head");
    }
    return text;
}

}  // namespace wk
