// The main window's commands on the whole site's links and backups.
#include "app/link_check.h"
#include "ui/link_check_window.h"
#include "ui/main_window.h"
#include "ui/menu_builder_panel.h"
#include "ui/restore_dialog.h"

namespace wk::ui {

void MainWindow::checkLinks() {
    const LinkReport report = CheckSiteLinks(ws_);
    if (!links_) links_ = new LinkCheckWindow(this);
    links_->showReport(report);
    // The marks of the menu's nodes, as of this check.
    builder_->reload();
    afterCommand();
    links_->show();
    links_->raise();
    links_->activateWindow();
}

void MainWindow::restoreSite() {
    RestoreDialog dialog(ws_, this);
    dialog.exec();
    builder_->reload();
    afterCommand();
}

}  // namespace wk::ui
