#pragma once
// A site folder, an application folder and a workspace with the boilerplate
// and commit options of the worked jazz page.
#include <gtest/gtest.h>

#include <string>

#include "app/commands_settings.h"
#include "app/prompt.h"
#include "app/workspace.h"
#include "markup/page.h"
#include "support/temp_folder.h"

namespace wk::test {

inline const std::string kJazzPage =
    "<html><head><title>Jazz</title></head><body><p>Jazz quiz: jazz!</p></body></html>";

// The jazz page committed with every option on, anchor <BODY> and category Music.
inline std::string CommittedJazz() {
    return "<html><head>\r\n"
           "<meta name=\"category\" content=\"Music\">\r\n"
           "<meta name=\"description\" content=\"Jazz quiz: jazz! \">\r\n"
           "<meta name=\"keywords\" content=\"jazz,quiz\">\r\n"
           "<meta name=\"copyright\" content=\"Acme Ltd 2005\">\r\n"
           "<meta name=\"author\" content=\"Web Team\">\r\n"
           "<meta name=\"company\" content=\"Acme Ltd\"><title>Jazz</title>"
           "<style><!--@import \"/_/0.css\";--></style></head><body>"
           "<!--#include virtual=\"/_/_Tollivance_Web_Kestrane_Menu_System.mnu\"--><!--/#include-->"
           "<p>Jazz quiz: jazz!</p></body></html>\r\n";
}

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

    std::string Menu(const std::string& name) const { return site.read("_/" + name); }
};

}  // namespace wk::test
