#include "site/link_targets.h"

#include <algorithm>
#include <vector>

#include "ground/text.h"
#include "markup/page_name.h"
#include "site/site_filter.h"

namespace wk {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
// ASCII only, whatever the locale: a page's other bytes are never letters here.
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsLetterOrDigit(char c) { return IsLetter(c) || (c >= '0' && c <= '9'); }

bool EndsAsPage(std::string_view name) {
    return std::any_of(kHtmlExtensions.begin(), kHtmlExtensions.end(),
                       [&](std::string_view ending) { return name.ends_with(ending); });
}

std::string WithoutWww(std::string host) { return host.starts_with("www.") ? host.substr(4) : host; }

// "scheme:" before any "/": http, mailto, javascript, ...
std::string_view SchemeOf(std::string_view link) {
    if (link.empty() || !IsLetter(link[0])) return {};
    for (std::size_t i = 1; i < link.size(); ++i) {
        const char c = link[i];
        if (c == ':') return link.substr(0, i);
        if (!IsLetterOrDigit(c) && c != '+' && c != '-' && c != '.') return {};
    }
    return {};
}

// The host of an authority ("user@www.Example.com:8080"): lower case, without "www.".
std::string HostOf(std::string_view authority) {
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) authority.remove_prefix(at + 1);
    authority = authority.substr(0, authority.find(':'));
    return WithoutWww(AsciiLowerCase(authority));
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = AsciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Appends the segment with its percent escapes decoded.
void AppendDecoded(std::string& out, std::string_view segment) {
    for (std::size_t i = 0; i < segment.size(); ++i) {
        const int high = segment[i] == '%' && i + 2 < segment.size() ? HexValue(segment[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(segment[i + 2]) : -1;
        if (low < 0) {
            out += segment[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
}

std::string Decoded(std::string_view segment) {
    std::string out;
    AppendDecoded(out, segment);
    return out;
}

std::string Encoded(std::string_view name) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsLetterOrDigit(c) || std::string_view("-._~!$&'()*+,;=:@").find(c) != std::string_view::npos) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

// The host path the path of a link leads to from the host folder base
// (beginning and ending with "/"), its steps taken; a final "/" names a folder.
std::string Resolved(std::string_view base, std::string_view path) {
    // Built in place, each step's start kept so ".." takes it back whole,
    // even a step whose escapes decode to "/": every link of every page
    // comes through here.
    std::string resolved;
    std::vector<std::size_t> steps;
    auto take = [&](std::string_view text) {
        std::size_t from = 0;
        while (from <= text.size()) {
            std::size_t end = text.find('/', from);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view step = text.substr(from, end - from);
            if (step == "..") {
                if (!steps.empty()) {
                    resolved.resize(steps.back());
                    steps.pop_back();
                }
            } else if (!step.empty() && step != ".") {
                steps.push_back(resolved.size());
                resolved += '/';
                AppendDecoded(resolved, step);
            }
            from = end + 1;
        }
    };
    if (!path.starts_with('/')) take(base);
    take(path);
    const bool folder = path.ends_with('/') || path.ends_with("/.") || path.ends_with("/..") || path == "." ||
                        path == ".." || steps.empty();
    return folder ? resolved + "/" : resolved;
}

// The link without its surrounding blanks.
std::string_view Trimmed(std::string_view link) {
    while (!link.empty() && IsBlank(link.front())) link.remove_prefix(1);
    while (!link.empty() && IsBlank(link.back())) link.remove_suffix(1);
    return link;
}

}  // namespace

SiteAddress SiteAddressOf(std::string_view siteUrl) {
    std::string_view url = Trimmed(siteUrl);
    if (const std::string_view scheme = SchemeOf(url); !scheme.empty() && url.substr(scheme.size(), 3) == "://")
        url.remove_prefix(scheme.size() + 3);
    const std::size_t slash = url.find('/');
    SiteAddress site{HostOf(url.substr(0, slash)), {}};
    if (slash != std::string_view::npos) site.path = Resolved("/", url.substr(slash));
    if (site.path.ends_with('/')) site.path.pop_back();
    return site;
}

bool SiteFiles::hasPage(const std::string& path) const {
    auto hasIndexPage = [&](const std::string& folder) {
        return std::any_of(kHtmlExtensions.begin(), kHtmlExtensions.end(), [&](std::string_view ending) {
            return hasFile(folder + "index" + std::string(ending));
        });
    };
    if (path.empty() || path.ends_with('/')) return hasIndexPage(path);
    if (hasFile(path)) return true;
    // A folder named without its "/": the server sends the browser on to it.
    const auto inside = files_.lower_bound(path + "/");
    return inside != files_.end() && inside->starts_with(path + "/") && hasIndexPage(path + "/");
}

std::optional<std::string> SiteFiles::pageOfStem(const std::string& folder, const std::string& stem) const {
    const std::string prefix = folder + stem + ".";
    for (auto it = files_.lower_bound(prefix); it != files_.end() && it->starts_with(prefix); ++it)
        if (it->find('/', folder.size()) == std::string::npos && EndsAsPage(*it)) return it->substr(folder.size());
    return std::nullopt;
}

std::optional<std::string> LinkTargetPath(std::string_view link, std::string_view pageFolder,
                                          const SiteAddress& site) {
    link = Trimmed(link);
    std::string path(link.substr(0, link.find_first_of("?#")));
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty()) return std::nullopt;
    const std::string_view scheme = SchemeOf(path);
    if (!scheme.empty()) {
        if (!EqualsNoCase(scheme, "http") && !EqualsNoCase(scheme, "https")) return std::nullopt;
        path.erase(0, scheme.size() + 1);
        if (!path.starts_with("//")) return std::nullopt;
    }
    if (path.starts_with("//")) {
        const std::size_t slash = path.find('/', 2);
        if (HostOf(std::string_view(path).substr(2, slash - 2)) != site.host) return std::nullopt;
        path = slash == std::string::npos ? "/" : path.substr(slash);
    }
    const std::string hostPath = Resolved(site.path + "/" + std::string(pageFolder), path);
    const std::string within = site.path + "/";
    if (!hostPath.starts_with(within)) return hostPath == site.path ? std::optional<std::string>("") : std::nullopt;
    return hostPath.substr(within.size());
}

LinkVerdict JudgeLink(std::string_view link, std::string_view pageFolder, const SiteAddress& site,
                      const SiteFiles& files) {
    LinkVerdict verdict;
    const std::optional<std::string> target = LinkTargetPath(link, pageFolder, site);
    if (!target) return verdict;
    verdict.inside = true;
    verdict.broken = !files.hasPage(*target);
    if (!verdict.broken || target->empty() || target->ends_with('/')) return verdict;

    // Only the file name of the link changes: the bytes after its last "/"
    // and before its query, fragment or final blanks.
    const std::string_view written = Trimmed(link);
    const auto writtenStart = static_cast<std::size_t>(written.data() - link.data());
    const std::size_t nameEnd = std::min(link.find_first_of("?#"), writtenStart + written.size());
    const std::size_t slash = link.substr(0, nameEnd).find_last_of("/\\");
    const std::size_t nameStart = slash == std::string_view::npos ? writtenStart : slash + 1;
    const std::string rawName(link.substr(nameStart, nameEnd - nameStart));
    const std::string folder = target->substr(0, target->rfind('/') + 1);
    const std::string name = target->substr(folder.size());
    std::string newName;
    if (const std::string shtml = ShtmlName(name); shtml != name && files.hasFile(folder + shtml) &&
                                                   Decoded(ShtmlName(rawName)) == shtml) {
        newName = ShtmlName(rawName);
        verdict.renamed = true;
    } else if (const std::optional<std::string> page = files.pageOfStem(folder, name.substr(0, name.find('.')))) {
        newName = Encoded(*page);
    } else {
        return verdict;
    }
    verdict.suggestion = std::string(link.substr(0, nameStart)) + newName + std::string(link.substr(nameEnd));
    return verdict;
}

std::vector<JudgedLink> JudgePageLinks(std::string_view page, std::string_view pageFolder, const SiteAddress& site,
                                       const SiteFiles& files) {
    std::vector<JudgedLink> judged;
    for (const PageLink& link : FindPageLinks(page))
        if (LinkVerdict verdict = JudgeLink(link.in(page), pageFolder, site, files); verdict.inside)
            judged.push_back({link, std::move(verdict)});
    return judged;
}

std::string WithRenamedLinks(std::string_view page, const std::vector<JudgedLink>& links) {
    std::string text;
    std::size_t copied = 0;
    for (const JudgedLink& judged : links) {
        if (!judged.verdict.renamed) continue;
        text.append(page.substr(copied, judged.link.at - copied));
        text += judged.verdict.suggestion;
        copied = judged.link.at + judged.link.length;
    }
    text.append(page.substr(copied));
    return text;
}

}  // namespace wk
