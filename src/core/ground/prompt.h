#pragma once
// Every question the program asks the user goes through this interface: the
// desktop program answers with dialogs, the command line from its options or
// the terminal, tests from a script.
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace wk {

enum class MessageIcon { Information, Exclamation, Critical };

class Prompt {
public:
    virtual ~Prompt() = default;
    // A message box with an OK button.
    virtual void message(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    // A Yes/No message box; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // A one-line input box; nothing when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt) = 0;
    // A file-open dialog; the empty text when cancelled. filter is in the
    // "Description|*.a;*.b" form.
    virtual std::string chooseFile(const std::string& filter, const std::string& initialFolder) = 0;
};

// Answers from a script, and remembers what was asked: for tests.
class ScriptedPrompt : public Prompt {
public:
    struct Asked {
        std::string kind;  // "message", "yesno", "input", "file"
        std::string title;
        std::string text;
    };

    std::deque<bool> yesNoAnswers;                       // empty: No
    std::deque<std::optional<std::string>> inputAnswers;  // empty: cancelled
    std::deque<std::string> fileAnswers;                  // empty: cancelled
    std::vector<Asked> asked;

    void message(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt) override;
    std::string chooseFile(const std::string& filter, const std::string& initialFolder) override;

    std::size_t count(const std::string& kind) const;
};

}  // namespace wk
