#include "markup/commit.h"

#include <optional>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "app/file_routines.h"
#include "app/file_system.h"
#include "app/settings.h"
#include "app/text.h"
#include "markup/commit_files.h"
#include "markup/commit_style.h"
#include "markup/normalise.h"
#include "markup/page.h"
#include "markup/scan.h"
#include "menu/menu_file.h"
#include "style/style_sheet.h"

namespace wk {
namespace {

// One commit in progress. The page text is rewritten in this copy and goes
// back into the workspace only once the page file has been written, so a
// commit that stops halfway leaves the page in memory as it was loaded.
struct Commit {
    Workspace& ws;
    std::string page;
    CommitResult result;

    bool option(CommitOption which) const { return ws.options.commit[which]; }
    bool pageNamed() const { return !ws.page.path.empty(); }

    void fail(const std::string& error) {
        ws.prompt->message("Commit Failed", error, MessageIcon::Critical);
        result.ok = false;
        result.errors.push_back(error);
    }
    bool written(const WriteOutcome& outcome) {
        if (!outcome) fail(outcome.error);
        return outcome.ok;
    }
};

void CheckPage(Commit& c) {
    if (c.pageNamed() && !ActiveFileSystem().canRead(c.ws.page.path)) {
        c.ws.prompt->message("Target not Found",
                             "The file you have typed in or modified does not exist or the path is incorrect. "
                             "Please browse your target file again",
                             MessageIcon::Critical);
        c.result.ok = false;
        c.result.errors.push_back("Target not Found: " + c.ws.page.path);
        // Emptying the page box loads nothing, clearing the page.
        LoadPage(c.ws, {});
    }
    if (!c.pageNamed()) c.ws.page.text.clear();
    c.page = c.ws.page.text;
}

void WriteBoilerplateTags(Commit& c) {
    c.page = WriteMetaTag(c.page, "company", TrimSpaces(c.ws.status.organisation));
    c.page = WriteMetaTag(c.page, "author", TrimSpaces(c.ws.status.author));
    c.page = WriteMetaTag(c.page, "copyright", TrimSpaces(c.ws.status.copyright));
}

bool WriteMenuFile(Commit& c, const char* name, const std::string& text) {
    const std::string folder = MenuFolder(c.ws);
    if (folder.empty()) {
        c.fail(std::string("No local site folder is set in the boilerplate, so there is no _ folder for ") + name);
        return false;
    }
    return c.written(WriteWholeFile(folder, name, text));
}

// The menu's files in the "_" folder, and the page's links to them.
bool AddMenu(Commit& c) {
    if (!WriteMenuFile(c, kStyleSheetFile, BuildStyleSheet(c.ws.style))) return false;
    if (c.pageNamed()) c.page = AddStyleImport(c.page);
    if (!WriteMenuFile(c, kIncludeFile, MenuCapsule(c.ws))) return false;
    // The style sheet is written once more, freshly generated, after the include file.
    if (!WriteMenuFile(c, kStyleSheetFile, BuildStyleSheet(c.ws.style))) return false;
    if (c.pageNamed()) c.page = InsertAtAnchor(c.page, c.ws.options.anchor, IncludeDirective());
    return true;
}

void WriteCategoryTag(Commit& c) {
    if (c.ws.status.category.empty()) AskCategory(c.ws, "Empty Category", "Please enter the Category");
    c.page = WriteMetaTag(c.page, "category", TrimSpaces(c.ws.status.category));
}

bool SavePage(Commit& c, const std::string& newName) {
    const std::string folder = FolderOfPath(c.ws.page.path);
    if (!c.written(WritePageFile(folder, newName, c.page))) return false;
    c.ws.page.text = std::move(c.page);
    c.result.writtenPath = folder + newName;
    return true;
}

// The last menu node whose link leads to the page file.
std::optional<NodeId> NodeLinkedTo(const Workspace& ws, const std::string& pagePath) {
    std::optional<NodeId> found;
    for (NodeId id : ws.tree.displayOrder())
        if (LinkToLocalPath(ws, ws.tree.node(id).link) == pagePath) found = id;
    return found;
}

std::string LinkFolder(const std::string& link) {
    const std::size_t last = link.find_last_of("/\\");
    return last == std::string::npos ? std::string{} : link.substr(0, last + 1);
}

void RemoveOldPage(Commit& c, const std::string& oldPath, const std::string& newPath) {
    FileSystem& fs = ActiveFileSystem();
    // Names that differ in letter case alone may be one file on disk: that
    // one is never deleted, as it may be the page just written.
    if (EndsWith(oldPath, "shtml") || !fs.isFile(newPath) || EqualsNoCase(oldPath, newPath)) return;
    if (!fs.remove(oldPath)) c.fail("The page was saved as " + newPath + " but " + oldPath + " could not be deleted");
}

// The page now lives under its .shtml name: the old file goes, the page box
// names the new one, and the menu link that led to the old one follows it.
void FinishMove(Commit& c, const std::string& newName) {
    const std::string oldPath = c.ws.page.path;
    const std::string newPath = FolderOfPath(oldPath) + newName;
    RemoveOldPage(c, oldPath, newPath);
    const std::optional<NodeId> linked = NodeLinkedTo(c.ws, oldPath);
    LoadPage(c.ws, newPath);
    if (!linked) return;
    c.ws.tree.setLink(*linked, LinkFolder(c.ws.tree.node(*linked).link) + newName);
    ReportSettingWrite(c.ws, SaveMenuTree(c.ws.appFolder, c.ws.tree));
}

}  // namespace

CommitResult CommitPage(Workspace& ws) {
    Commit c{ws, {}, {}};
    CheckPage(c);
    const bool named = c.pageNamed();
    if (named) c.page = NormalisePage(c.page);
    if (named && c.option(kOptBoilerplate)) WriteBoilerplateTags(c);
    if (c.option(kOptMenu) && !AddMenu(c)) return c.result;
    if (!named) return c.result;
    if (c.option(kOptKeywords)) c.page = WriteMetaTag(c.page, "keywords", ws.page.keywords);
    if (c.option(kOptDescription)) c.page = WriteMetaTag(c.page, "description", ws.page.description);
    if (c.option(kOptCategory)) WriteCategoryTag(c);
    const std::string newName = ShtmlName(FileNameOfPath(ws.page.path));
    if (!SavePage(c, newName)) return c.result;
    if (c.option(kOptMenu)) FinishMove(c, newName);
    return c.result;
}

}  // namespace wk
