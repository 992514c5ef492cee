#include <ostream>

#include "app/commands_settings.h"
#include "app/settings.h"
#include "cli/cli.h"

namespace wk::cli {
namespace {

std::string TipsState(const Workspace& ws) {
    if (ws.tips.setting == TipsSetting::Unset) return "unset";
    return ws.tips.setting == TipsSetting::On ? "on" : "off";
}

int ShowOptions(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "options");
    std::string filter = c.ws.options.filter;
    std::erase(filter, '\r');
    std::erase(filter, '\n');
    c.out << "anchor: " << c.ws.options.anchor << "\n"
          << "filter: " << filter << "\n"
          << "commit: " << OptionsText(c.ws.options.commit) << "\n"
          << "expert: " << (c.ws.options.expert ? "on" : "off") << "\n"
          << "credits: " << (c.ws.status.credits ? "on" : "off") << "\n"
          << "tips: " << TipsState(c.ws) << "\n"
          << "keyboard-menus: " << (c.ws.options.keyboardMenus ? "on" : "off") << "\n"
          << "proposals: " << ProposalMethodName(c.ws.options.proposals) << "\n";
    return 0;
}

int SetOptions(Context& c) {
    const Arguments args = ParseArguments(
        c.words, {"--anchor", "--filter", "--commit", "--expert", "--credits", "--keyboard-menus", "--proposals"});
    ExpectPositional(args, 0, 0, "options set [--anchor ANSWER] [--filter ANSWER] [--commit DDDDD] "
                                 "[--expert on|off] [--credits on|off] [--keyboard-menus on|off] "
                                 "[--proposals classic|improved]");
    CommitOptions commit{};
    if (args.has("--commit")) {
        const std::string digits = args.get("--commit");
        if (digits.size() != kCommitOptionCount || digits.find_first_not_of("01") != std::string::npos)
            throw UsageError("--commit takes five digits 0 or 1, such as 01100");
        commit = OptionsFromText(digits);
    }
    // Check every value before anything is written.
    const bool expert = args.has("--expert") && OnOff(args.get("--expert"), "--expert");
    const bool credits = args.has("--credits") && OnOff(args.get("--credits"), "--credits");
    const bool keyboard = args.has("--keyboard-menus") && OnOff(args.get("--keyboard-menus"), "--keyboard-menus");
    const std::optional<ProposalMethod> proposals = ProposalMethodNamed(args.get("--proposals"));
    if (args.has("--proposals") && !proposals) throw UsageError("--proposals takes classic or improved");
    if (args.has("--anchor")) SetAnchor(c.ws, args.get("--anchor"));
    if (args.has("--filter")) SetFilter(c.ws, args.get("--filter"));
    if (args.has("--commit")) SetCommitOptions(c.ws, commit);
    if (args.has("--expert")) SetExpertMode(c.ws, expert);
    if (args.has("--credits")) SetCredits(c.ws, credits);
    if (args.has("--keyboard-menus")) SetKeyboardMenus(c.ws, keyboard);
    if (proposals) SetProposalMethod(c.ws, *proposals);
    return c.ws.notices.empty() ? 0 : 1;
}

int ShowBoilerplate(Context& c) {
    ExpectPositional(ParseArguments(c.words, {}), 0, 0, "boilerplate");
    // Without a stored boilerplate these are the dialog's opening contents.
    for (const std::string& entry : ReadBoilerplate(c.ws.appFolder)) c.out << entry << "\n";
    return 0;
}

int SetBoilerplate(Context& c) {
    const Arguments args = ParseArguments(c.words, {});
    ExpectPositional(args, 5, 5, "boilerplate set URL ORG AUTHOR COPYRIGHT SITE");
    Boilerplate entries;
    std::copy(args.positional.begin(), args.positional.end(), entries.begin());
    if (!entries[0].empty() && !entries[0].starts_with(kUrlPrefix)) {
        c.err << "Boilerplate: the site URL must begin with " << kUrlPrefix << " (it is written without http://)\n";
        return 1;
    }
    if (!CommitBoilerplate(c.ws, entries)) return 1;
    return c.ws.notices.empty() ? 0 : 1;
}

}  // namespace

void RegisterSettingsCommands(CommandTable& table) {
    table.add("options", "options",
              "prints the anchor, filter, commit options, expert, credits, tips, keyboard menus and proposals settings",
              ShowOptions);
    table.add("options set",
              "options set [--anchor ANSWER] [--filter ANSWER] [--commit DDDDD] [--expert on|off] [--credits on|off] "
              "[--keyboard-menus on|off] [--proposals classic|improved]",
              "changes the page options as the desktop program does", SetOptions);
    table.add("boilerplate", "boilerplate", "prints the five boilerplate entries, one a line", ShowBoilerplate);
    table.add("boilerplate set", "boilerplate set URL ORG AUTHOR COPYRIGHT SITE",
              "stores the boilerplate with the dialog's rules", SetBoilerplate);
}

}  // namespace wk::cli
