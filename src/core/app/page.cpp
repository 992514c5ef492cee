#include "app/page.h"

#include "app/commands_settings.h"
#include "ground/file_system.h"
#include "markup/page_filter.h"
#include "markup/scan.h"
#include "meta/description.h"
#include "meta/keywords.h"

namespace wk {

std::optional<std::string> ReadPageFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    return ActiveFileSystem().read(path);
}

namespace {

void ReadPageCategory(Workspace& ws) {
    ws.status.category = ReadMetaContent(ws.page.text, "category");
    if (ws.status.category.empty())
        AskCategory(ws, "Empty Category", "This page has no category. Please enter the category:");
}

void ProposeMeta(Workspace& ws) {
    ws.page.keywords = GenerateKeywords(ws.page.text);
    ws.page.keywordEntries = FillKeywordList(ws.page.keywords);
    Description description = GenerateDescription(ws.page.text);
    ws.page.description = std::move(description.text);
    ws.page.descriptionCandidates = description.candidateTexts();
}

}  // namespace

void LoadPage(Workspace& ws, const std::string& path) {
    ws.page.path = path;
    ws.page.text.clear();
    ws.page.keywordEntries.clear();
    ws.page.description.clear();
    // A page that cannot be read leaves the previous keyword list in place.
    std::optional<std::string> text = ReadPageFile(path);
    if (!text) return;
    ws.page.text = std::move(*text);
    if (ws.options.commit[kOptCategory]) ReadPageCategory(ws);
    ProposeMeta(ws);
}

void BrowsePage(Workspace& ws) {
    const std::string chosen = ws.prompt->chooseFile(PageFilter(), ws.status.siteRoot);
    if (chosen.empty() || chosen == ws.status.siteRoot + "*.*") return;
    LoadPage(ws, chosen);
}

}  // namespace wk
