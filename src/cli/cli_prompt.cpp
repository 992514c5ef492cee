#include "cli/cli_prompt.h"

#include <iostream>
#include <unistd.h>

namespace wk::cli {
namespace {

bool InteractiveTerminal() { return ::isatty(STDIN_FILENO) == 1; }

}  // namespace

void CliPrompt::message(const std::string& title, const std::string& text, MessageIcon) {
    std::cerr << title << ": " << text << "\n";
    ++messagesShown;
}

bool CliPrompt::askYesNo(const std::string& title, const std::string& text) {
    if (yesToAll) return true;
    if (!InteractiveTerminal()) return false;
    std::cerr << title << ": " << text << " [y/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

std::optional<std::string> CliPrompt::inputBox(const std::string& title, const std::string& prompt) {
    if (auto preset = inputsByTitle.find(title); preset != inputsByTitle.end()) return preset->second;
    if (!InteractiveTerminal()) return std::nullopt;
    std::cerr << title << ": " << prompt << " " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return std::nullopt;
    return answer;
}

std::string CliPrompt::chooseFile(const std::string&, const std::string&) { return {}; }

}  // namespace wk::cli
