#pragma once
// Runs the webkestrane command line as a user would and captures what it says.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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

// Runs webkestrane with the words given, standard input closed, so questions go
// unanswered. It runs in workingFolder when one is given, else where the test runs.
inline CliRun RunCli(const std::vector<std::string>& words, const std::string& workingFolder = {}) {
    TempFolder scratch;
    std::string command = ShellQuote(WK_CLI_PATH);
    for (const std::string& word : words) command += " " + ShellQuote(word);
    command += " </dev/null >" + ShellQuote(scratch.file("out")) + " 2>" + ShellQuote(scratch.file("err"));
    if (!workingFolder.empty()) command = "cd " + ShellQuote(workingFolder) + " && " + command;
    CliRun run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = scratch.read("out");
    run.err = scratch.read("err");
    return run;
}

// The same with app as the application folder, so settings stay inside the test.
inline CliRun RunCliWithApp(const TempFolder& app, std::vector<std::string> words,
                            const std::string& workingFolder = {}) {
    words.insert(words.begin(), {"--app-folder", app.path()});
    return RunCli(words, workingFolder);
}

// Passes when the run failed (status 1) with a message that names named.
inline ::testing::AssertionResult FailsNaming(const CliRun& run, const std::string& named) {
    if (run.status == 1 && run.err.find(named) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "status " << run.status << ", not naming " << named << ": " << run.err;
}

// A test with its own application folder, which Run uses.
class CliTest : public ::testing::Test {
protected:
    TempFolder app;
    CliRun Run(const std::vector<std::string>& words, const std::string& workingFolder = {}) const {
        return RunCliWithApp(app, words, workingFolder);
    }
};

// The same with a site folder set in the boilerplate of Acme; the backups
// made beside it go afterwards.
class SiteCliTest : public CliTest {
protected:
    TempFolder site;
    void SetUp() override {
        ASSERT_EQ(Run({"boilerplate", "set", "www.acme.com", "Acme", "Web Team", "Acme 2026", site.path()}).status, 0);
    }
    void TearDown() override {
        for (const std::filesystem::path& backup : BackupsBeside(site)) std::filesystem::remove_all(backup);
    }
};

}  // namespace wk::test
