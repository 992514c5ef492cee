#pragma once
// The help: one page a topic number, the Help menu's "Topics" groups, and the
// topic each window opens when F1 is pressed in it.
#include <array>
#include <string_view>
#include <vector>

namespace wk {

// The pages of the help folder, one a topic. Topic 0, and a number without a
// page, open the contents page.
inline constexpr std::string_view kHelpContentsFile = "index.html";

// A submenu of Help > Topics; its name is that of the entries' group.
struct HelpGroup {
    std::string_view caption;
    std::string_view name;
};
inline constexpr int kNoHelpGroup = -1;
inline constexpr std::array<HelpGroup, 8> kHelpGroups{{
    {"Important! Release NOTES", "hlpNOTES"},
    {"Introduction", "hlpIntroduction"},
    {"Getting Started", "hlpStarting"},
    {"Building Menus", "hlpBuilding"},
    {"Menu Style & Design", "hlpStyle"},
    {"Committing Changes", "hlpCommit"},
    {"Expert Mode", "HlpExpert"},
    {"Strategic Analysis", "HlpStrategy"},
}};

struct HelpPage {
    int topic;
    int group;  // its entry in Help > Topics (index into kHelpGroups), or kNoHelpGroup
    std::string_view title;
    std::string_view file;
};
// In the order of the Topics menu's entries.
inline constexpr std::array<HelpPage, 43> kHelpPages{{
    {1, 0, "Duplicated Menu Head Items", "notes-duplicated-menu-heads.html"},
    {2, 0, "The Credits Menus", "notes-credits-menu.html"},
    {3, 0, "Central Content Management", "notes-central-content.html"},
    {4, 0, "Site Architecture", "notes-site-architecture.html"},
    {5, 0, "Setup & Removal", "notes-setup-and-removal.html"},
    {11, 1, "Overview", "overview.html"},
    {12, 1, "QuickStart", "quickstart.html"},
    {21, 2, "Engraving the BoilerPlate", "boilerplate.html"},
    {22, 2, "Choosing your Options", "options.html"},
    {23, 2, "BoilerPlate Features", "meta-tags.html"},
    {31, 3, "Introductions to Menus", "menus-introduction.html"},
    {32, 3, "Your First Web Kestrane Menu", "first-menu.html"},
    {33, 3, "Adding to your Menu System", "adding-to-menus.html"},
    {34, 3, "The Menu Builder", "menu-builder.html"},
    {35, 3, "The Finished Product", "finished-product.html"},
    {41, 4, "The Air Menu", "style-air.html"},
    {42, 4, "The Hollow Menu", "style-hollow.html"},
    {43, 4, "The Chassis Menu", "style-chassis.html"},
    {44, 4, "The Pastel Menu", "style-pastel.html"},
    {45, 4, "The Velvet Menu", "style-velvet.html"},
    {46, 4, "The Solid Menu", "style-solid.html"},
    {47, 4, "The Liquid Menu", "style-liquid.html"},
    {51, 5, "Updating your Menus", "updating-menus.html"},
    {52, 5, "Making your Menus Stick", "committing.html"},
    {53, 5, "Previewing your Work", "preview.html"},
    {54, 5, "Serving your Site", "serving.html"},
    {59, 5, "Magnify/Shrink Text", "magnify.html"},
    {55, 6, "Anchor Settings", "expert-anchor.html"},
    {56, 6, "Extension Filters", "expert-filter.html"},
    {57, 6, "Upgrading Entire Site", "expert-upgrade.html"},
    {58, 6, "Removing ALL Web Kestrane Menus", "expert-remove.html"},
    {65, 6, "Checking Links", "check-links.html"},
    {66, 6, "Updating Links", "update-links.html"},
    {67, 6, "Restoring from a Backup", "restore.html"},
    {61, 7, "The Fork in the Code Ahead", "strategy-fork.html"},
    {62, 7, "History of the Web Kestrane Menu System", "strategy-history.html"},
    {63, 7, "Interoperability", "strategy-interoperability.html"},
    {64, 7, "Validation abd Standards Compliance", "strategy-validation.html"},  // the menu caption as it has always read
    // Opened by the tips' "More Detail".
    {10, kNoHelpGroup, "Introduction", "introduction.html"},
    {13, kNoHelpGroup, "One Menu for Every Page", "central-content.html"},
    {30, kNoHelpGroup, "Building the Menu Structure", "building-menus.html"},
    {40, kNoHelpGroup, "Designing the Menu's Style", "menu-designer.html"},
    {60, kNoHelpGroup, "Strategic Analysis", "strategy.html"},
}};

// The page a topic opens: its own, or the contents page.
std::string_view HelpPageFile(int topic);
// The entries of one group of Help > Topics, in the menu's order.
std::vector<HelpPage> HelpGroupPages(std::size_t group);

// What F1 opens in each window besides the main window (whose topic the
// Topics entries change) and the tips window (the tip's own topic).
inline constexpr int kBoilerplateHelpTopic = 21;
inline constexpr int kNodeDialogHelpTopic = 33;
inline constexpr int kAboutHelpTopic = 2;
inline constexpr int kPreviewHelpTopic = 53;
inline constexpr int kHelpWindowHelpTopic = 0;
inline constexpr int kCheckLinksHelpTopic = 65;
inline constexpr int kRestoreHelpTopic = 67;

}  // namespace wk
