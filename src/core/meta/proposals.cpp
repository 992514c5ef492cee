#include "meta/proposals.h"

#include "meta/content_text.h"
#include "meta/description.h"
#include "meta/improved_description.h"
#include "meta/improved_keywords.h"
#include "meta/keywords.h"
#include "meta/plain_text.h"

namespace wk {

std::string_view ProposalMethodName(ProposalMethod method) {
    return method == ProposalMethod::Improved ? "improved" : "classic";
}

std::optional<ProposalMethod> ProposalMethodNamed(std::string_view name) {
    if (name == "classic") return ProposalMethod::Classic;
    if (name == "improved") return ProposalMethod::Improved;
    return std::nullopt;
}

Proposals Propose(std::string_view page, ProposalMethod method, Candidates candidates) {
    Proposals proposals;
    if (method == ProposalMethod::Classic) {
        // Both read the body's plain text: it is extracted once.
        std::string plain = ExtractBodyText(page);
        proposals.keywords = KeywordsOfText(plain);
        Description classic = DescribeText(std::move(plain));
        proposals.description = std::move(classic.text);
        if (candidates == Candidates::Listed) proposals.candidates = classic.candidateTexts();
        return proposals;
    }
    const ContentText content = ExtractContentText(page);
    proposals.keywords = GenerateImprovedKeywords(content);
    proposals.description = GenerateImprovedDescription(content);
    if (candidates == Candidates::Omitted) return proposals;
    proposals.candidates = GenerateDescription(page).candidateTexts();
    if (!proposals.description.empty())
        proposals.candidates.insert(proposals.candidates.begin(), proposals.description);
    return proposals;
}

std::string ProposeKeywords(std::string_view page, ProposalMethod method) {
    return method == ProposalMethod::Improved ? GenerateImprovedKeywords(page) : GenerateKeywords(page);
}

std::string ProposeDescription(std::string_view page, ProposalMethod method) {
    return method == ProposalMethod::Improved ? GenerateImprovedDescription(page) : GenerateDescription(page).text;
}

}  // namespace wk
