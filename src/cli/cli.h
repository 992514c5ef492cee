#pragma once
// The command line's shared pieces: the command table, argument parsing and
// the context every command runs in.
#include <functional>
#include <iosfwd>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/workspace.h"
#include "cli/cli_prompt.h"

namespace wk::cli {

// Wrong usage: exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The words after the command, split into positional words and options.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--size" -> "12"
    bool has(const std::string& option) const { return options.count(option) > 0; }
    std::string get(const std::string& option, const std::string& fallback = {}) const;
};
// Options named in valued take the next word; options in flags take none.
// Anything else beginning with "--" is a usage error; after a lone "--" every
// word is positional.
Arguments ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                         const std::set<std::string>& flags = {});
// The positional count must lie between min and max.
void ExpectPositional(const Arguments& args, std::size_t min, std::size_t max, const std::string& usage);
// A node number or other whole number from 1; a usage error otherwise.
int PositiveNumber(const std::string& word, const std::string& what);
// "on" or "off".
bool OnOff(const std::string& word, const std::string& option);

struct Context {
    Workspace& ws;
    CliPrompt& prompt;
    std::vector<std::string> words;  // after the command's own words
    std::ostream& out;
    std::ostream& err;
};

// Exit status: 0 done, 1 failed or refused, 2 wrong usage.
using Command = std::function<int(Context&)>;

struct CommandTable {
    struct Entry {
        std::string usage;  // "menu add menu|item LABEL LINK [--selected N]"
        std::string summary;
        Command run;
    };
    std::map<std::string, Entry> entries;  // by command words: "menu add"
    void add(const std::string& words, const std::string& usage, const std::string& summary, Command run);
};

// Each area registers its commands.
void RegisterSettingsCommands(CommandTable& table);
void RegisterMenuCommands(CommandTable& table);
void RegisterStyleCommands(CommandTable& table);
void RegisterGeneratorCommands(CommandTable& table);
void RegisterPageCommands(CommandTable& table);
void RegisterSiteCommands(CommandTable& table);
void RegisterLinkCommands(CommandTable& table);

}  // namespace wk::cli
