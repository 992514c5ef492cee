#pragma once
// The help viewer: the program's manual, one HTML page a topic, opened at the
// topic of the window in which help was asked for.
#include <QMainWindow>
#include <functional>

class QTextBrowser;
class QTreeWidget;

namespace wk::ui {

// The folder of the help pages: "help" beside the program, unless set.
QString HelpFolder();
void SetHelpFolder(const QString& folder);

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void openTopic(int topic);
    // The file name of the page on display.
    QString currentPage() const;

private:
    // The browser reports the page it shows (before source() answers it).
    void pageShown(const QUrl& page);

    QTextBrowser* browser_;
    QTreeWidget* contents_;
};

// Opens help at topic for the window from: in the program's one help window,
// or, while a modal dialog is open, in a help window of the dialog's own,
// which the dialog does not block.
void OpenHelp(QWidget* from, int topic);

// F1 in window opens help at the topic that topic() names at that moment.
void AddHelpKey(QWidget* window, std::function<int()> topic);

}  // namespace wk::ui
