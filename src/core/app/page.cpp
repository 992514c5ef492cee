#include "app/page.h"

#include "app/commands_settings.h"
#include "ground/file_system.h"
#include "markup/page_filter.h"
#include "markup/scan.h"
#include "meta/keywords.h"
#include "meta/proposals.h"

namespace wk {

std::optional<std::string> ReadPageFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    return ActiveFileSystem().read(path);
}

namespace {

void ReadPageCategory(Workspace& ws, CategoryQuestion question) {
    ws.status.category = ReadMetaContent(ws.page.text, "category");
    ws.page.categoryUnasked = ws.status.category.empty();
    if (question == CategoryQuestion::AskNow) AskDeferredCategory(ws);
}

}  // namespace

void ProposeMeta(Workspace& ws) {
    Proposals proposals = Propose(ws.page.text, ws.options.proposals);
    ws.page.keywords = std::move(proposals.keywords);
    ws.page.keywordEntries = FillKeywordList(ws.page.keywords);
    ws.page.description = std::move(proposals.description);
    ws.page.descriptionCandidates = std::move(proposals.candidates);
}

void LoadPage(Workspace& ws, const std::string& path, CategoryQuestion question) {
    ws.page.path = path;
    ws.page.text.clear();
    ws.page.keywordEntries.clear();
    ws.page.description.clear();
    ws.page.categoryUnasked = false;
    // A page that cannot be read leaves the previous keyword list in place.
    std::optional<std::string> text = ReadPageFile(path);
    if (!text) return;
    ws.page.text = std::move(*text);
    if (ws.options.commit[kOptCategory]) ReadPageCategory(ws, question);
    ProposeMeta(ws);
}

void AskDeferredCategory(Workspace& ws) {
    // A category given meanwhile (the Category button, a commit) answers it.
    const bool ask = ws.page.categoryUnasked && ws.status.category.empty();
    ws.page.categoryUnasked = false;
    if (ask) AskCategory(ws, "Empty Category", "This page has no category. Please enter the category:");
}

void LoadTypedPage(Workspace& ws, const std::string& path, CategoryQuestion question) {
    // The same path again (Enter after the pause loaded it) is not read twice.
    if (path != ws.page.path) LoadPage(ws, path, question);
    else if (question == CategoryQuestion::AskNow) AskDeferredCategory(ws);
}

void BrowsePage(Workspace& ws) {
    const std::string chosen = ws.prompt->chooseFile(PageFilter(), ws.status.siteRoot);
    if (chosen.empty() || chosen == ws.status.siteRoot + "*.*") return;
    LoadPage(ws, chosen);
}

}  // namespace wk
