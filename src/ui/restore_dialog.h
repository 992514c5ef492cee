#pragma once
// File > Restore Site from Backup...: the backups beside the site, newest
// first; the one chosen is restored after a confirmation, with a bar while
// the files are put back, and the outcome said in a message box.
#include <QDialog>
#include <vector>

#include "app/site_operation.h"
#include "site/backup.h"

class QListWidget;
class QProgressBar;
class QPushButton;

namespace wk::ui {

class RestoreDialog : public QDialog, private SiteOperationView {
    Q_OBJECT
public:
    RestoreDialog(Workspace& ws, QWidget* parent = nullptr);

private:
    void restoreChosen();
    void showFigures(const SiteFigures& figures) override;
    void showBar(const ProgressBar& bar) override;

    Workspace& ws_;
    std::vector<SiteBackup> backups_;
    QListWidget* list_;
    QProgressBar* bar_;
    QPushButton* restore_;
    QPushButton* cancel_;
};

}  // namespace wk::ui
