#include "ground/prompt.h"

#include <algorithm>

namespace wk {

void ScriptedPrompt::message(const std::string& title, const std::string& text, MessageIcon) {
    asked.push_back({"message", title, text});
}

bool ScriptedPrompt::askYesNo(const std::string& title, const std::string& text) {
    asked.push_back({"yesno", title, text});
    if (yesNoAnswers.empty()) return false;
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompt::inputBox(const std::string& title, const std::string& prompt) {
    asked.push_back({"input", title, prompt});
    if (inputAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::string ScriptedPrompt::chooseFile(const std::string& filter, const std::string& initialFolder) {
    asked.push_back({"file", initialFolder, filter});
    if (fileAnswers.empty()) return {};
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::size_t ScriptedPrompt::count(const std::string& kind) const {
    return static_cast<std::size_t>(
        std::count_if(asked.begin(), asked.end(), [&](const Asked& a) { return a.kind == kind; }));
}

}  // namespace wk
