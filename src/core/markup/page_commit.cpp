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
        WriteMetaTag(text, "company", settings.organisation);
        WriteMetaTag(text, "author", settings.author);
        WriteMetaTag(text, "copyright", settings.copyright);
    }
    if (on[kOptMenu]) {
        committed.importAdded = AddStyleImport(text);
        committed.includeAdded = InsertAtAnchor(text, settings.anchor, IncludeDirective());
        committed.menuMissing = FindNoCase(text, IncludeDirective()) == std::string::npos;
    }
    if (on[kOptKeywords]) WriteMetaTag(text, "keywords", settings.keywords);
    if (on[kOptDescription]) WriteMetaTag(text, "description", settings.description);
    if (on[kOptCategory]) WriteMetaTag(text, "category", settings.category);
    committed.name = ShtmlName(fileName);
    committed.menuFiles = MenuFiles(settings);
    return committed;
}

}  // namespace wk
