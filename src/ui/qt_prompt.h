#pragma once
// The questions of the program answered with the desktop's standard dialogs,
// each placed over the window the user is working in.
#include <QString>

#include "ground/prompt.h"

namespace wk::ui {

// "Description|*.a;*.b" (pairs may repeat) in Qt's "Description (*.a *.b)"
// form, pairs joined by ";;".
QString QtFileFilter(const std::string& filter);

class QtPrompt : public Prompt {
public:
    void message(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt) override;
    std::string chooseFile(const std::string& filter, const std::string& initialFolder) override;
};

}  // namespace wk::ui
