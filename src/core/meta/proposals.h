#pragma once
// The two ways of proposing a page's keywords and description: the classic
// one from the body's plain text, and the improved one from the page's
// content (content_text.h).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wk {

enum class ProposalMethod { Classic, Improved };

// "classic" and "improved", as the settings file and the command line write them.
std::string_view ProposalMethodName(ProposalMethod method);
std::optional<ProposalMethod> ProposalMethodNamed(std::string_view name);

struct Proposals {
    std::string keywords;  // the comma-separated list
    std::string description;
    std::vector<std::string> candidates;  // for the description list
};

// Whether the description list is filled too.
enum class Candidates { Listed, Omitted };

// The candidates are the classic candidate sentences either way; the
// improved description, when there is one, comes first among them.
Proposals Propose(std::string_view page, ProposalMethod method, Candidates candidates = Candidates::Listed);
// One of the two alone.
std::string ProposeKeywords(std::string_view page, ProposalMethod method);
std::string ProposeDescription(std::string_view page, ProposalMethod method);

}  // namespace wk
