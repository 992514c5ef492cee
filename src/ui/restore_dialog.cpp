#include "ui/restore_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/restore.h"
#include "assist/help_topics.h"
#include "ui/help_window.h"
#include "ui/text_bridge.h"

namespace wk::ui {

RestoreDialog::RestoreDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws), backups_(SiteBackups(ws)) {
    setObjectName("frmRestore");
    setWindowTitle("Restore Site from Backup");
    auto* caption = new QLabel(backups_.empty() ? "There is no backup beside the site folder."
                                                : "The backups beside the site folder, newest first:");
    list_ = new QListWidget;
    list_->setObjectName("lstBackups");
    for (const SiteBackup& backup : backups_)
        list_->addItem(ShownText(backup.when) + "    " + PathToQt(backup.name));
    list_->setCurrentRow(0);
    bar_ = new QProgressBar;
    bar_->setObjectName("prgRestore");
    bar_->setVisible(false);
    auto* buttons = new QDialogButtonBox;
    restore_ = buttons->addButton("Restore", QDialogButtonBox::AcceptRole);
    restore_->setObjectName("cmdRestore");
    restore_->setEnabled(!backups_.empty());
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancel_->setObjectName("cmdCancel");
    connect(restore_, &QPushButton::clicked, this, &RestoreDialog::restoreChosen);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &RestoreDialog::restoreChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(list_, 1);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    resize(520, 320);
    AddHelpKey(this, [] { return kRestoreHelpTopic; });
}

void RestoreDialog::restoreChosen() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(backups_.size())) return;
    const SiteBackup& backup = backups_[static_cast<std::size_t>(row)];
    if (!ConfirmRestore(ws_, backup)) return;
    bar_->setVisible(true);
    const SiteSummary summary = RunSiteOperation(ws_, kRestoreSite, *this, {false, backup.folder});
    const std::string before = summary.backupFolder.empty() ? std::string{}
                                                            : " The site as it was before is in " + summary.backupFolder + ".";
    if (summary.stopped)
        ws_.prompt->message("Restore Stopped", summary.error + "." + before, MessageIcon::Critical);
    else
        ws_.prompt->message("Site Restored",
                            "The site is as it was on " + backup.when + "." + before +
                                (summary.links.empty() ? std::string{}
                                                       : " " + std::to_string(summary.links.size()) +
                                                             " menu links lead to the pages put back."),
                            MessageIcon::Information);
    accept();
}

void RestoreDialog::showFigures(const SiteFigures&) { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void RestoreDialog::showBar(const ProgressBar& bar) {
    bar_->setValue(ProgressPercent(bar.fraction));
    bar_->setFormat(ShownText(bar.text));
    // Repaints, taking no clicks or keys, so the window stays alive while the files are copied.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace wk::ui
