#pragma once
// Runs the webkestrane command line as a user would and captures what it says.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "temp_folder.h"

namespace wk::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs webkestrane with the words given, standard input closed.
inline CliRun RunCli(const std::vector<std::string>& words) {
    TempFolder scratch;
    std::string command = ShellQuote(WK_CLI_PATH);
    for (const std::string& word : words) command += " " + ShellQuote(word);
    command += " </dev/null >" + scratch.file("out") + " 2>" + scratch.file("err");
    CliRun run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = scratch.read("out");
    run.err = scratch.read("err");
    return run;
}

}  // namespace wk::test
