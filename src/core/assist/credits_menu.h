#pragma once
// The credits menu: an extra menu of links to the maker's product pages,
// appended to the capsule when the status bar's last panel is on.
#include <string>
#include <string_view>

namespace wk {

// Precedes the site address appended to every credits link.
inline constexpr std::string_view kCreditsQuery = "?ref=";

// The credits menu mark-up, or the empty text when credits are off.
// siteUrlPanel is status bar panel 2 (trimmed here); keyboardMenus as for the
// capsule it joins.
std::string CreditsMenuMarkup(bool creditsOn, std::string_view siteUrlPanel, bool keyboardMenus = false);

}  // namespace wk
