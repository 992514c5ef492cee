#include <ostream>

#include "app/commands_menu.h"
#include "cli/cli.h"

namespace wk::cli {
namespace {

// Node numbers count the display order from 1.
std::optional<NodeId> NodeNumbered(const Workspace& ws, const std::string& word) {
    const std::size_t number = static_cast<std::size_t>(PositiveNumber(word, "the node number"));
    const std::vector<NodeId> order = ws.tree.displayOrder();
    if (number > order.size()) return std::nullopt;
    return order[number - 1];
}

// Selects node N as the desktop user would by clicking it; false (with the
// reason on standard error) when the tree has no such node.
bool SelectNumbered(Context& c, const std::string& word) {
    const std::optional<NodeId> id = NodeNumbered(c.ws, word);
    if (!id) {
        c.err << "menu: there is no node " << word << " in " << c.ws.appFolder << "default.mnu (it holds "
              << c.ws.tree.size() << ")\n";
        return false;
    }
    c.ws.tree.select(*id);
    return true;
}

int Finished(Context& c) { return c.ws.notices.empty() ? 0 : 1; }

// The dialogs' reason, so both refuse the same entries in the same words.
int RefusedEntry(Context& c, const NodeEntry& entry) {
    c.err << "menu: entry refused, " << c.ws.appFolder << "default.mnu is unchanged: " << RefusalReason(entry) << "\n";
    return 1;
}

int ShowTree(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "menu");
    int number = 0;
    for (NodeId id : c.ws.tree.displayOrder()) {
        const MenuNode& node = c.ws.tree.node(id);
        c.out << ++number << '\t' << (node.kind == NodeKind::Menu ? "menu" : "item") << '\t' << node.label << '\t'
              << node.link << '\n';
    }
    return 0;
}

int AddToTree(Context& c) {
    const Arguments args = ParseArguments(c.words, {"--selected"});
    const std::string usage = "menu add menu|item LABEL LINK [--selected N]";
    ExpectPositional(args, 3, 3, usage);
    const std::string& kind = args.positional[0];
    if (kind != "menu" && kind != "item") throw UsageError("usage: webkestrane " + usage);
    // An empty tree offers nothing to select: the dialog then forces a menu.
    if (!c.ws.tree.empty() && !SelectNumbered(c, args.get("--selected", "1"))) return 1;
    NodeEntry entry{kind == "menu", args.positional[1], args.positional[2]};
    if (EntryRefused(entry)) return RefusedEntry(c, entry);
    if (MenuBarTooWide(c.ws, entry.label, entry.asMenu)) {
        const std::size_t typed = entry.label.size();
        entry.label = ConfirmMenuBarWidth(c.ws, entry.label);
        if (entry.label.size() < typed)
            c.err << "menu add: the label was cut to " << kMenuBarLimit << " characters (--yes keeps it whole)\n";
    }
    if (!AddNode(c.ws, entry)) return RefusedEntry(c, entry);
    CloseNodeDialog(c.ws);
    return Finished(c);
}

int EditInTree(Context& c) {
    const Arguments args = ParseArguments(c.words, {});
    ExpectPositional(args, 3, 3, "menu edit N LABEL LINK");
    if (!SelectNumbered(c, args.positional[0])) return 1;
    if (!EditSelectedNode(c.ws, args.positional[1], args.positional[2]))
        return RefusedEntry(c, {true, args.positional[1], args.positional[2]});
    CloseNodeDialog(c.ws);
    return Finished(c);
}

// menu up N, menu down N.
Command MoveCommand(const std::string& direction, void (*move)(Workspace&)) {
    return [direction, move](Context& c) {
        const Arguments args = ParseArguments(c.words, {});
        ExpectPositional(args, 1, 1, "menu " + direction + " N");
        if (!SelectNumbered(c, args.positional[0])) return 1;
        move(c.ws);
        return Finished(c);
    };
}

int DeleteFromTree(Context& c) {
    const Arguments args = ParseArguments(c.words, {});
    ExpectPositional(args, 1, 1, "menu delete N");
    if (!SelectNumbered(c, args.positional[0])) return 1;
    if (!DeleteSelected(c.ws)) {
        c.err << "menu delete: the menu was not deleted (answer Yes with --yes)\n";
        return 1;
    }
    return Finished(c);
}

int PrintCapsule(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "capsule");
    c.out << MenuCapsule(c.ws);
    return 0;
}

}  // namespace

void RegisterMenuCommands(CommandTable& table) {
    table.add("menu", "menu", "prints the menu tree: number, tab, menu or item, tab, label, tab, link", ShowTree);
    table.add("menu add", "menu add menu|item LABEL LINK [--selected N]",
              "adds a menu or item placed as the add dialog places it, node N (default 1) selected", AddToTree);
    table.add("menu edit", "menu edit N LABEL LINK", "changes the label and link of node N", EditInTree);
    table.add("menu up", "menu up N", "moves node N up (an item crosses into the menu above at the edge)",
              MoveCommand("up", MoveSelectedUp));
    table.add("menu down", "menu down N", "moves node N down (an item crosses into the menu below at the edge)",
              MoveCommand("down", MoveSelectedDown));
    table.add("menu delete", "menu delete N", "deletes node N; a menu goes with its items, after asking (--yes)",
              DeleteFromTree);
    table.add("capsule", "capsule", "prints the Menu Capsule for the stored tree and credits state", PrintCapsule);
}

}  // namespace wk::cli
