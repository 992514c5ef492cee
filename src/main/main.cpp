// webkestrane: without a command it opens the desktop program; with one it
// does that one job on the same settings files and exits.
#include <climits>
#include <dlfcn.h>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

#include "app/settings.h"
#include "app/startup.h"
#include "cli/cli.h"
#include "ground/file_routines.h"

namespace {

using wk::cli::CommandTable;

std::string ExecutablePath(const char* argv0) {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return argv0;
    return std::string(buffer, static_cast<std::size_t>(n));
}

#ifdef WK_WITH_GUI
// The desktop program's module: beside the program in a build folder, in
// PREFIX/lib/webkestrane once installed (PREFIX/bin/webkestrane).
int RunDesktopModule(int argc, char** argv, const std::string& appFolder, const std::string& executable) {
    const std::string folder = wk::FolderOfPath(executable);
    const std::string name = "webkestrane_desktop.so";
    for (const std::string& path : {folder + name, folder + "../lib/webkestrane/" + name}) {
        if (::access(path.c_str(), F_OK) != 0) continue;
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* run = module ? ::dlsym(module, "wk_run_desktop") : nullptr;
        if (!run) throw std::runtime_error(path + " cannot be loaded: " + ::dlerror());
        return reinterpret_cast<int (*)(int, char**, const char*)>(run)(argc, argv, appFolder.c_str());
    }
    throw std::runtime_error("the desktop program " + name + " is neither beside the program nor in ../lib/webkestrane");
}
#endif

CommandTable AllCommands() {
    CommandTable table;
    wk::cli::RegisterSettingsCommands(table);
    wk::cli::RegisterMenuCommands(table);
    wk::cli::RegisterStyleCommands(table);
    wk::cli::RegisterGeneratorCommands(table);
    wk::cli::RegisterPageCommands(table);
    wk::cli::RegisterSiteCommands(table);
    wk::cli::RegisterLinkCommands(table);
    return table;
}

void PrintUsage(const CommandTable& table, std::ostream& out) {
    out << "Usage: webkestrane [--app-folder DIR] [--yes] [COMMAND ...]\n"
           "Without a command, opens the Web Kestrane desktop program.\n\n"
           "Global options:\n"
           "  --app-folder DIR  the folder that holds the settings files\n"
           "  --yes             answer Yes to every Yes/No question\n"
           "  --help, --version\n"
           "  --                the words after it are entries even when they begin with -\n\nCommands:\n";
    for (const auto& [words, entry] : table.entries) out << "  " << entry.usage << "\n      " << entry.summary << "\n";
}

struct GlobalOptions {
    std::string appFolder;
    bool yes = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> rest;
};

GlobalOptions ParseGlobals(int argc, char** argv) {
    GlobalOptions g;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--") {
            // Everything after "--" belongs to the command, even words that look like options.
            g.rest.insert(g.rest.end(), argv + i, argv + argc);
            break;
        }
        if (word == "--app-folder") {
            if (i + 1 >= argc) throw wk::cli::UsageError("--app-folder needs a folder");
            g.appFolder = argv[++i];
        } else if (word.rfind("--app-folder=", 0) == 0) {
            g.appFolder = word.substr(13);
        } else if (word == "--yes") {
            g.yes = true;
        } else if (word == "--help" || word == "-h") {
            g.help = true;
        } else if (word == "--version") {
            g.version = true;
        } else {
            g.rest.push_back(word);
        }
    }
    return g;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandTable table = AllCommands();
    std::string doing = "webkestrane";  // what a failure is said to have stopped
    try {
        GlobalOptions g = ParseGlobals(argc, argv);
        if (g.version) {
            std::cout << "webkestrane " << WK_VERSION << "\n";
            return 0;
        }
        if (g.help) {
            PrintUsage(table, std::cout);
            return 0;
        }
        const std::string executable = ExecutablePath(argv[0]);
        const std::string appFolder = wk::ApplicationFolder(g.appFolder, executable);
        if (g.rest.empty()) {
#ifdef WK_WITH_GUI
            return RunDesktopModule(argc, argv, appFolder, executable);
#else
            throw wk::cli::UsageError("this build has no desktop program; name a command");
#endif
        }
        auto found = table.entries.end();
        std::size_t used = 0;
        if (g.rest.size() >= 2) {
            found = table.entries.find(g.rest[0] + " " + g.rest[1]);
            used = 2;
        }
        if (found == table.entries.end()) {
            found = table.entries.find(g.rest[0]);
            used = 1;
        }
        if (found == table.entries.end()) throw wk::cli::UsageError("unknown command: " + g.rest[0]);
        doing = found->first;

        wk::cli::CliPrompt prompt;
        prompt.yesToAll = g.yes;
        wk::Workspace ws(appFolder, prompt);
        wk::LoadSettings(ws);
        wk::cli::Context context{ws, prompt, {g.rest.begin() + static_cast<long>(used), g.rest.end()}, std::cout,
                                 std::cerr};
        int status = found->second.run(context);
        // A notice is a message box in the desktop program: here a "title: text" line.
        for (const std::string& notice : ws.notices)
            prompt.message(wk::kNoticeTitle, notice, wk::MessageIcon::Exclamation);
        return status;
    } catch (const wk::cli::UsageError& e) {
        std::cerr << "webkestrane: " << e.what() << "\nTry 'webkestrane --help'.\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "webkestrane: " << doing << " failed: " << e.what() << "\n";
        return 1;
    } catch (...) {
        std::cerr << "webkestrane: " << doing << " failed\n";
        return 1;
    }
}
