#include "markup/page_commit.h"

#include "ground/text.h"
#include "markup/normalise.h"
#include "markup/page_name.h"
#include "markup/scan.h"
#include "markup/style_import.h"

namespace wk {

std::vector<MenuFile> MenuFiles(const CommitSettings& settings) {
    if (!settings.options[kOptMenu]) return {};
    return {{kStyleSheetFile, settings.styleSheet}, {kIncludeFile, settings.capsule}};
}

CommittedPage CommitPageText(std::string_view page, const std::string& fileName, const CommitSettings& settings) {
    const CommitOptions& on = settings.options;
    CommittedPage committed;
    committed.text = NormalisePage(page);
    std::string& text = committed.text;
    if (on[kOptBoilerplate]) {
        MetaTagWriter boilerplate(text);
        boilerplate.write("company", settings.organisation);
        boilerplate.write("author", settings.author);
        boilerplate.write("copyright", settings.copyright);
    }
    if (on[kOptMenu]) {
        committed.importAdded = AddStyleImport(text);
        committed.includeAdded = InsertAtAnchor(text, settings.anchor, IncludeDirective());
        committed.menuMissing = FindNoCase(text, IncludeDirective()) == std::string::npos;
    }
    // A second writer: the menu's edits came after the first.
    MetaTagWriter meta(text);
    if (on[kOptKeywords]) meta.write("keywords", settings.keywords);
    if (on[kOptDescription]) meta.write("description", settings.description);
    if (on[kOptCategory]) meta.write("category", settings.category);
    committed.name = ShtmlName(fileName);
    committed.menuFiles = MenuFiles(settings);
    return committed;
}

}  // namespace wk
