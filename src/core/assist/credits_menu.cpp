#include "assist/credits_menu.h"

#include <array>

#include "ground/text.h"
#include "menu/capsule.h"

namespace wk {
namespace {

struct CreditsRow {
    const char* label;
    const char* page;
};

constexpr CreditsRow kHeading = {"About these Menus", "index.shtml"};
constexpr std::array<CreditsRow, 8> kItems = {{
    {"Fully Customisable", "2-use.shtml"},
    {"Robust & Interoperable", "4-interoperability.shtml"},
    {"Pure CSS Menus with", "1-systematisation.shtml"},
    {"No scripts or plug-ins", "3-maintenance.shtml"},
    {"Standards Compliant", "index.shtml"},
    {"Compatible with ALL", "4-interoperability.shtml"},
    {"Major browser engines", "0-web-menus.shtml"},
    {"Click for more!", "5-optimisation.shtml"},
}};

// The product page, then the user's site address (nothing when there is none).
std::string CreditsLink(const char* page, const std::string& siteAddress) {
    std::string link = ProductPageAddress(page);
    if (!siteAddress.empty()) link += std::string(kCreditsQuery) + siteAddress;
    return link;
}

}  // namespace

std::string CreditsMenuMarkup(bool creditsOn, std::string_view siteUrlPanel, bool keyboardMenus) {
    if (!creditsOn) return {};
    const std::string address = TrimSpaces(siteUrlPanel);
    // Built like one more menu after the user's last one: its segment closes
    // that menu, and the credits' last row is left open for the capsule's end.
    std::string markup = MenuCapsuleSegment(kHeading.label, CreditsLink(kHeading.page, address), 2, 0, keyboardMenus);
    int itemNumber = 0;
    for (const CreditsRow& row : kItems)
        markup += MenuCapsuleSegment(row.label, CreditsLink(row.page, address), 2, ++itemNumber);
    return markup;
}

}  // namespace wk
