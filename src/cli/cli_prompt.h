#pragma once
#include <map>

#include "ground/prompt.h"

namespace wk::cli {

// Questions on the command line: answered from options first; without one,
// asked on the terminal when standard input is a terminal; otherwise the
// answer is empty, or No. Messages become "title: text" lines on standard error.
class CliPrompt : public Prompt {
public:
    bool yesToAll = false;                               // --yes
    std::map<std::string, std::string> inputsByTitle;   // input box title -> answer

    void message(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt) override;
    std::string chooseFile(const std::string& filter, const std::string& initialFolder) override;

    // Messages shown so far, so a refused command can tell why.
    std::size_t messagesShown = 0;
};

}  // namespace wk::cli
