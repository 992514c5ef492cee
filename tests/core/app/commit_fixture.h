#pragma once
// A site folder, an application folder and a workspace with the boilerplate
// and commit options of the jazz page.
#include <gtest/gtest.h>

#include <string>

#include "app/commands_settings.h"
#include "app/page.h"
#include "app/workspace.h"
#include "ground/prompt.h"
#include "support/jazz_page.h"
#include "support/temp_folder.h"

namespace wk::test {

class CommitTest : public ::testing::Test {
protected:
    TempFolder app;
    TempFolder site;
    ScriptedPrompt prompt;
    Workspace ws{app.path(), prompt};

    void SetUp() override {
        ApplyBoilerplate(ws, {"www.acme.com", "Acme Ltd", "Web Team", "Acme Ltd 2005", site.path()});
        SetOptions("11111");
    }
    void SetOptions(const std::string& digits) {
        for (std::size_t i = 0; i < ws.options.commit.size(); ++i) ws.options.commit[i] = digits[i] == '1';
    }
    // Writes the page into the site folder and loads it as the page box does.
    void Load(const std::string& name, const std::string& text) {
        site.write(name, text);
        LoadPage(ws, site.file(name));
    }
    void AnswerCategory(const std::string& answer) { prompt.inputAnswers.push_back(answer); }
    // Loads the jazz page from the file named, answering the category question with Music.
    void LoadJazz(const std::string& name) {
        AnswerCategory("Music");
        Load(name, kJazzPage);
    }
    std::string Menu(const std::string& name) const { return site.read("_/" + name); }
};

}  // namespace wk::test
