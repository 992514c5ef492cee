// What the main window's commands do: each runs its operation on the
// workspace, then shows the outcome.
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "app/settings.h"
#include "app/commit.h"
#include "app/page.h"
#include "ui/boilerplate_dialog.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/menu_builder_panel.h"
#include "ui/text_bridge.h"

namespace wk::ui {

void MainWindow::afterCommand() {
    showWorkspace();
    showNotices();
}

void MainWindow::showNotices() {
    std::vector<std::string> notices;
    notices.swap(ws_.notices);
    for (const std::string& notice : notices) {
        const QString text = ShownText(notice);
        if (shownNotices_.contains(text)) continue;
        shownNotices_ << text;
        ws_.prompt->message(kNoticeTitle, notice, MessageIcon::Exclamation);
    }
}

void MainWindow::comingLater(const QString& command) {
    statusBar()->showMessage(command + " comes in a later version of Web Kestrane.", 4000);
}

void MainWindow::runBuilder(void (MenuBuilderPanel::*command)()) {
    (builder_->*command)();
    afterCommand();
}

void MainWindow::openBoilerplate() {
    BoilerplateDialog dialog(ws_, this);
    const BoilerplateDialog::Outcome outcome = dialog.run();
    afterCommand();
    // Only possible while no boilerplate is stored: the user chose to quit.
    if (outcome == BoilerplateDialog::Outcome::Quit) QApplication::quit();
}

void MainWindow::runOnWorkspace(void (*command)(Workspace&)) {
    command(ws_);
    afterCommand();
}

void MainWindow::browsePage() {
    loadTypedPage(CategoryQuestion::Defer);  // a typed path stays the page when nothing is chosen
    runOnWorkspace(BrowsePage);
}

void MainWindow::loadTypedPage(CategoryQuestion question) {
    pageTimer_->stop();
    LoadTypedPage(ws_, PathFromQt(page_->text()), question);
    afterCommand();
}

// Leaving the page box ends typing there; switching to another window or
// opening a menu does not.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            loadTypedPage(CategoryQuestion::AskNow);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::descriptionEdited() { ws_.page.description = TypedText(description_->toPlainText()); }

void MainWindow::descriptionChosen(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= ws_.page.descriptionCandidates.size()) return;
    ws_.page.description = ws_.page.descriptionCandidates[static_cast<std::size_t>(index)];
    showPage();
}

void MainWindow::changeCategory() { runOnWorkspace(ChangeCategory); }

void MainWindow::commitPage() {
    // A path typed just now is the page to commit; the commit asks for a missing category itself.
    loadTypedPage(CategoryQuestion::Defer);
    const CommitResult result = CommitPage(ws_);
    // A commit may rename the page and change the link that pointed to it.
    builder_->reload();
    afterCommand();
    if (result.ok && !result.writtenPath.empty())
        statusBar()->showMessage("Committed: " + PathToQt(result.writtenPath), 6000);
}

void MainWindow::previewPage() { comingLater("The preview"); }

void MainWindow::setAnchor() { runOnWorkspace(AskAnchor); }

void MainWindow::setFilter() { runOnWorkspace(AskFilter); }

void MainWindow::setExpertMode(bool on) {
    SetExpertMode(ws_, on);
    afterCommand();
}

void MainWindow::upgradeSite() { comingLater("Upgrading the whole site"); }

void MainWindow::removeMenus() { comingLater("Removing the menus from the whole site"); }

void MainWindow::showHelp() { comingLater("The help"); }

void MainWindow::showAbout() { comingLater("The about box"); }

void MainWindow::toggleMagnifier() {
    ToggleMagnifier(ws_);
    showMagnifier();
    builder_->reload();
    afterCommand();
}

void MainWindow::statusPanelClicked(int number) {
    if (number == 1) {
        AskCategory(ws_, "Page Category Modification", "Enter the Page Category");
        afterCommand();
    } else if (number == 6) {
        runOnWorkspace(ToggleCredits);
    } else {
        openBoilerplate();
    }
}

}  // namespace wk::ui
