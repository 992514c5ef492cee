// The improved keyword and description proposals, with the description list.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "meta/keywords.h"
#include "meta/proposals.h"

using namespace wk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const Proposals proposals = Propose(page, ProposalMethod::Improved);
    if (proposals.keywords.size() > kKeywordListCap) std::abort();
    return 0;
}
