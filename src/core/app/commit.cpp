#include "app/commit.h"

#include <algorithm>
#include <optional>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "app/page.h"
#include "app/settings.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"
#include "markup/page_name.h"
#include "menu/menu_file.h"
#include "style/style_sheet.h"

namespace wk {
namespace {

// One commit in progress. The committed text goes into the workspace only
// once the page file has been written, so a commit that stops halfway leaves
// the page in memory as it was loaded.
struct Commit {
    Workspace& ws;
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
}

bool WriteMenuFile(Commit& c, const MenuFile& file) {
    const std::string folder = MenuFolder(c.ws);
    if (folder.empty()) {
        c.fail("No local site folder is set in the boilerplate, so there is no _ folder for " + file.name);
        return false;
    }
    return c.written(WriteWholeFile(folder, file.name, file.text));
}

bool WriteMenuFiles(Commit& c, const std::vector<MenuFile>& files) {
    return std::all_of(files.begin(), files.end(), [&](const MenuFile& file) { return WriteMenuFile(c, file); });
}

// The page now lives under its .shtml name: the old file goes, the page box
// names the new one, and the menu link that led to the old one follows it.
// The include file is written again then, so the live menu never links to
// the page just deleted.
void FinishMove(Commit& c, const std::string& newName) {
    const std::string oldPath = c.ws.page.path;
    const std::string newPath = FolderOfPath(oldPath) + newName;
    if (OldFileGoes(oldPath, newPath) && ActiveFileSystem().isFile(newPath) && !ActiveFileSystem().remove(oldPath))
        c.fail("The page was saved as " + newPath + " but " + oldPath + " could not be deleted");
    const bool relinked = RelinkMovedPage(c.ws, oldPath, newName);
    LoadPage(c.ws, newPath);
    if (!relinked) return;
    ReportSettingWrite(c.ws, SaveMenuTree(c.ws.appFolder, c.ws.tree));
    WriteMenuFile(c, {kIncludeFile, MenuCapsule(c.ws)});
}

// "NAME already exists. Replace it?": a commit replaces no file but the page
// itself unless the user says so; No writes and deletes nothing.
bool MayReplace(Commit& c, const std::string& oldPath, const std::string& newPath) {
    if (!ReplacesAnotherFile(oldPath, newPath) ||
        c.ws.prompt->askYesNo("Replace File?", newPath + " already exists. Replace it?"))
        return true;
    c.result.ok = false;
    c.result.declined = true;
    c.result.errors.push_back(newPath + " already exists; nothing was written");
    return false;
}

void SayMenuMissing(Commit& c, const std::string& oldPath) {
    c.result.menuMissing = true;
    c.ws.prompt->message("Menu not Inserted",
                         "The anchor tag " + c.ws.options.anchor + " was not found in " + oldPath +
                             ", so the menu was not inserted; the other changes were saved in " +
                             c.result.writtenPath + ". Choose an anchor tag the page has (Expert Mode, Set Anchor).",
                         MessageIcon::Exclamation);
}

void SayNothingTicked(Commit& c, const std::string& oldPath) {
    std::string done = "nothing was written.";
    if (!c.result.writtenPath.empty()) {
        done = "the page was only saved as " + c.result.writtenPath + ", with its skeleton tags completed";
        done += c.result.writtenPath == oldPath ? "." : "; " + oldPath + " is unchanged.";
    }
    c.ws.prompt->message("No Option Ticked",
                         "No option under \"Overwrite or Add:\" is ticked, so no menu and no meta tag was written: " +
                             done,
                         MessageIcon::Information);
}

}  // namespace

std::string MenuFolder(const Workspace& ws) {
    const std::string root = NormaliseFolder(TrimSpaces(ws.status.siteRoot));
    return root.empty() ? root : root + kMenuFolderName + kSeparator;
}

bool ReplacesAnotherFile(const std::string& pagePath, const std::string& newPath) {
    FileSystem& fs = ActiveFileSystem();
    if (newPath == pagePath || !(fs.isFile(newPath) || fs.isFolder(newPath))) return false;
    return !fs.sameFile(pagePath, newPath);
}

bool OldFileGoes(const std::string& oldPath, const std::string& newPath) {
    return !oldPath.ends_with("shtml") && !EqualsNoCase(oldPath, newPath);
}

namespace {

// The last menu node whose link leads to the page file.
std::optional<NodeId> NodeLinkedTo(const Workspace& ws, const std::string& pagePath) {
    std::optional<NodeId> found;
    for (NodeId id : ws.tree.displayOrder())
        if (LinkToLocalPath(ws.status.siteUrl, ws.status.siteRoot, ws.tree.node(id).link) == pagePath) found = id;
    return found;
}

std::string LinkFolder(const std::string& link) {
    const std::size_t last = link.find_last_of("/\\");
    return last == std::string::npos ? std::string{} : link.substr(0, last + 1);
}

}  // namespace

bool RelinkMovedPage(Workspace& ws, const std::string& oldPath, const std::string& newName) {
    const std::optional<NodeId> linked = NodeLinkedTo(ws, oldPath);
    if (!linked) return false;
    const std::string newLink = LinkFolder(ws.tree.node(*linked).link) + newName;
    if (newLink == ws.tree.node(*linked).link) return false;
    ws.tree.setLink(*linked, newLink);
    return true;
}

CommitSettings CommitSettingsOf(const Workspace& ws) {
    CommitSettings s;
    s.options = ws.options.commit;
    s.anchor = ws.options.anchor;
    s.organisation = TrimSpaces(ws.status.organisation);
    s.author = TrimSpaces(ws.status.author);
    s.copyright = TrimSpaces(ws.status.copyright);
    s.keywords = ws.page.keywords;
    s.description = ws.page.description;
    s.category = TrimSpaces(ws.status.category);
    if (s.options[kOptMenu]) {
        s.styleSheet = BuildStyleSheet(ws.style, ws.options.keyboardMenus);
        s.capsule = MenuCapsule(ws);
    }
    return s;
}

CommitResult CommitPage(Workspace& ws) {
    Commit c{ws, {}};
    CheckPage(c);
    const bool named = c.pageNamed();
    const std::string oldPath = ws.page.path;
    const bool anyOption = std::any_of(ws.options.commit.begin(), ws.options.commit.end(), [](bool on) { return on; });
    if (named && c.option(kOptCategory) && ws.status.category.empty())
        AskCategory(ws, "Empty Category", "Please enter the Category");
    const CommitSettings settings = CommitSettingsOf(ws);
    const std::string folder = FolderOfPath(oldPath);
    std::optional<CommittedPage> page;
    if (named) {
        page = CommitPageText(ws.page.text, FileNameOfPath(oldPath), settings);
        if (!MayReplace(c, oldPath, folder + page->name)) return c.result;
    }
    if (!WriteMenuFiles(c, MenuFiles(settings))) return c.result;
    if (page) {
        if (!c.written(WritePageFile(folder, page->name, page->text, oldPath))) return c.result;
        ws.page.text = std::move(page->text);
        c.result.writtenPath = folder + page->name;
        if (c.option(kOptMenu)) FinishMove(c, page->name);
        if (page->menuMissing) SayMenuMissing(c, oldPath);
    }
    if (!anyOption && c.result.ok) SayNothingTicked(c, oldPath);
    return c.result;
}

}  // namespace wk
