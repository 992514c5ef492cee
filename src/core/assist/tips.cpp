#include "assist/tips.h"

#include <algorithm>

namespace wk {

const std::array<Tip, 20> kTips{{
    {"Ferociously unwanted chaotic kerfuffle upsetting pace.",
     "Plan the menu before you build it.\n"
     "Keep it in one place, and every page keeps up.\n"
     "Change it once, commit once, upload once.",
     "That this window greets you with a tip each time Web Kestrane starts? Untick the box below and it stays "
     "away.",
     60},
    {"Web Kestrane is primarily a menu builder",
     "Web Kestrane builds drop-down navigation menus made of nothing but HTML and CSS, lets you style them element "
     "by element and installs them into every page of your site. Everything else it does - the meta tags, the "
     "preview, the site-wide upgrade - is there to get that menu onto your pages and keep it there.",
     "That a Web Kestrane menu works in browsers with scripts switched off, because it has no script at all?", 10},
    {"Menus are made up of 3 components",
     "1. The Menu Bar that contains the menu headings and remains on display at all times.\n\n"
     "2. The Menu that displays the list of items appearing only when the mouse pointer hovers over the heading and "
     "remaining visible only so long as the mouse pointer is over the menu.\n\n"
     "3. The Menu Item (one of many listed on the menu) that contains a label explaining its significance and a "
     "link connecting the item to its destination.",
     "That web menus can be as reliable and robust as standard text links - but only with Web Kestrane!", 31},
    {"BoilerPlate Tags are Important",
     "The boilerplate holds your site address, your organisation, the author and the copyright notice. With the "
     "BoilerPlate option ticked, Web Kestrane writes them into every page it commits as company, author and "
     "copyright meta tags, so that search engines and readers can tell who a page belongs to. Click any of the "
     "middle panels of the status bar to change them.",
     "That Web Kestrane uses the site address of the boilerplate to find the page a menu link leads to, so a link "
     "follows its page when a commit renames it?",
     23},
    {"More Help...",
     "Just click either of the help buttons with the big question mark, or select a help topic directly from the "
     "menu.",
     "That pressing F1 in any Web Kestrane window opens the help at the page about that window?", 1},
    {"The Three Step Process",
     "Upgrading your web site to a menu-based navigation system is a three step process:\n\n"
     "1. Setup BoilerPlate & Options\n"
     "2. Design & build the menus\n"
     "3. Commit the menus & upload",
     "That the main window shows the three steps from left to right, in the order you take them?", 11},
    {"Setting up the BoilerPlate",
     "Click Boilerplate on the toolbar, or any status bar panel from the site address to the copyright notice, and "
     "fill in all five entries: the site address beginning with www., your organisation, the author, the copyright "
     "notice and the local folder that holds your site. Web Kestrane refuses an empty entry or a folder that does "
     "not exist, and saves the entries the moment you press OK.",
     "That the local source folder stands for the root of your web site, so the menu's _ folder is made right "
     "inside it?",
     21},
    {"Choosing your Options",
     "The five boxes under \"Overwrite or Add:\" decide what Commit Changes writes into a page: the BoilerPlate "
     "meta tags, the Menu with its style sheet, and the Keywords, Description and Category meta tags. Each box is "
     "saved as soon as you tick it; with none ticked, a commit only completes the page's skeleton tags and saves "
     "it under its .shtml name.",
     "That Expert Mode adds two more settings: the anchor tag after which the menu goes, and the extension filter "
     "of the site-wide operations?",
     22},
    {"Building the Menu Structure",
     "The Menu Builder holds the menus of the bar with the items of their drop-down lists. New adds a menu or an "
     "item next to the one selected, Edit changes its label or link, Up and Down move it - an item moved past the "
     "end of its menu crosses into the next one - and Delete removes it. Every change is saved at once.",
     "That Web Kestrane warns you before the labels of your menus grow so long together that browsers might wrap "
     "the menu bar?",
     30},
    {"Designing the Menu's Style",
     "The Menu Designer shows a sample of each of the five styled elements. Click a sample, or choose it under "
     "Display Element, then pick its font, size, bold, italic and colours: the sample changes at once and the style "
     "is saved. The next commit writes the matching style sheet into your site's _ folder.",
     "That the Menu Spine, the strip down the left of every drop-down list, takes only a background colour?", 40},
    {"Browsing a Page to modify",
     "Click Browse Page or press Ctrl+O and pick the page you want to give a menu, or type its path into the page "
     "box. As soon as the page loads, Web Kestrane reads its category and proposes keywords and a description made "
     "from the page's own text, ready for you to look over before you commit.",
     "That you can choose another description from the list of candidate sentences under the description box?",
     52},
    {"Committing Modifications",
     "Commit Changes (Ctrl+S) writes what the ticked options ask for into the page: the style import and the menu "
     "include, the meta tags, and the page itself under its new .shtml name. The old file is removed only after "
     "the new one is safely written, and a menu link that led to the old file follows the page to its new name.",
     "That every commit also rewrites the two menu files in the _ folder, so every committed page shows the newest "
     "menu?",
     52},
    {"Central Content Management",
     "Web Kestrane keeps your menu in one place: the _ folder at the root of your site holds the menu mark-up and "
     "its style sheet, and every committed page pulls them in through a server-side include. Change the menu, "
     "commit any one page, upload the two files of the _ folder, and every page of the site shows the new menu.",
     "That a committed page carries just one line of the menu, the include, however large the menu grows?", 13},
    {"Server Emulating Preview",
     "A committed page gets its menu from the web server, so opened straight from the disk it shows none. Preview "
     "web page (Ctrl+Shift+P) does the server's part on your desktop: it fills in the include and the style import "
     "from your site's _ folder and shows the page in a browser window, where the menu drops down under the mouse "
     "pointer just as it will on the web.",
     "That the preview is written as Temporary.shtml beside your page and deleted as soon as you close the preview "
     "window?",
     53},
    {"Keyword Generator",
     "Each time a page loads, Web Kestrane reads the visible text of its body, counts its words and weighs them - "
     "words that recur and words of rare letters weigh most, short common words nothing - and lists the best in "
     "the Keywords box. Commit the page with Keywords Metatag ticked and the list becomes its keywords meta tag.",
     "That the keyword list is kept under 1024 characters, however long the page is?", 23},
    {"Description Generator",
     "Web Kestrane also proposes a description for every page it loads, made of sentences from the beginning and "
     "the end of the page's own text. Edit it in the Description box or choose another candidate sentence from the "
     "list below it; with Description Metatag ticked, the commit writes it as the page's description meta tag.",
     "That search engines often show the description meta tag as the text under a page's title in their results?",
     23},
    {"If you can't find the button...",
     "Have a look through the application menus above the toolbar. You never know what you might find...",
     "That every button of Web Kestrane has a twin in the menu bar that does exactly the same thing?", 51},
    {"Web Safe Colors",
     "The colour palette offers 223 swatches: seven whites and greys, then the 216 web-safe colours whose red, "
     "green and blue are each a multiple of 51 (hexadecimal 00, 33, 66, 99, CC or FF). Click the colour box of the "
     "background or the text, pick a swatch, and the element takes the colour at once.",
     "That web-safe colours were once the only ones every screen could show without dithering?", 40},
    {"Web Safe Fonts",
     "The font list offers fonts found on nearly every computer, in four groups: monospace, sans serif, serif and "
     "symbols. Choosing a group heading picks its first font. A menu in a web-safe font looks the same to your "
     "visitors as it does to you, because they already have the font.",
     "That a browser without the chosen font shows the menu in its own default font instead?", 40},
    {"Menu Styles",
     "The help's \"Menu Style & Design\" topics describe seven ready-made looks - Air, Hollow, Chassis, Pastel, "
     "Velvet, Solid and Liquid - with the colours and fonts to set for each of the five elements. Start from one "
     "of them, then make it your own in the Menu Designer.",
     "That the two highlight styles are what your visitors see under the mouse pointer?", 40},
}};

int NextTip(int index) { return index < kLastTip ? index + 1 : 0; }

int PreviousTip(int index) { return index > 0 ? index - 1 : kLastTip; }

int RandomTip(double unit) { return std::clamp(static_cast<int>(unit * kLastTip) + 1, 1, kLastTip); }

int TipHelpTopic(int index) {
    if (index < 0 || index > kLastTip) return 0;
    return kTips[static_cast<std::size_t>(index)].helpTopic;
}

}  // namespace wk
