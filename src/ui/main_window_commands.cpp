// What the main window's commands do: each runs its operation on the
// workspace, then shows the outcome.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "app/settings.h"
#include "app/commit.h"
#include "app/page.h"
#include "app/preview.h"
#include "app/site_operation.h"
#include "app/tips.h"
#include "ui/about_dialog.h"
#include "ui/help_window.h"
#include "ui/preview_window.h"
#include "ui/progress_window.h"
#include "ui/tips_dialog.h"
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

void MainWindow::previewPage() {
    // A path typed just now is the page to preview.
    loadTypedPage(CategoryQuestion::Defer);
    const std::string page = PageToPreview(ws_);
    const PreviewResult result = page.empty() ? PreviewResult{} : PreviewPage(ws_, page);
    afterCommand();
    if (!result.ok) return;
    if (!preview_) preview_ = new PreviewWindow(this);
    preview_->showPreview(result.file, result.title);
}

void MainWindow::setAnchor() { runOnWorkspace(AskAnchor); }

void MainWindow::setFilter() { runOnWorkspace(AskFilter); }

void MainWindow::setExpertMode(bool on) {
    SetExpertMode(ws_, on);
    afterCommand();
}

void MainWindow::upgradeSite() { runSiteOperation(kUpgradeSite); }

void MainWindow::removeMenus() {
    if (ConfirmMenuRemoval(ws_)) runSiteOperation(kRemoveAllMenus);
}

void MainWindow::runSiteOperation(int code) {
    // A path typed just now is the page; its timer must not fire while the operation yields.
    loadTypedPage(CategoryQuestion::Defer);
    ProgressWindow progress(ws_, code, this);
    progress.exec();
    // The pages' links in the tree may have followed their new names.
    builder_->reload();
    afterCommand();
}

void MainWindow::showHelp() { OpenHelp(this, ws_.helpTopic); }

void MainWindow::openHelpTopic(int topic) {
    ws_.helpTopic = topic;
    showHelp();
}

void MainWindow::showAbout() {
    if (!about_) about_ = new AboutDialog(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::greetOnActivation() { greet_ = true; }

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // After the activation itself, so that the tips window opens over a window already shown.
    if (greet_ && event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] {
            if (GreetingTip(ws_, RandomUnit())) showTips();
        });
}

void MainWindow::showTips() {
    showTipsSetting();  // a first run's greeting has just switched tips on
    TipsDialog tips(ws_, this);
    connect(&tips, &TipsDialog::settingChanged, this, &MainWindow::showTipsSetting);
    tips.exec();
    afterCommand();
}

void MainWindow::toggleTips() {
    SetTipsShown(ws_, ws_.tips.setting != TipsSetting::On);
    afterCommand();
}

void MainWindow::showTipsSetting() {
    const bool on = ws_.tips.setting == TipsSetting::On;
    const QSignalBlocker quiet(tips_);
    tips_->setChecked(on);
    tips_->setToolTip(on ? "Show the Web Kestrane's Tips every time your Start Web Kestrane"
                         : "Do NOT Show the Web Kestrane's Tips");
    tipsEntry_->setText(on ? "Disable Tips" : "Enable Tips");
}

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
