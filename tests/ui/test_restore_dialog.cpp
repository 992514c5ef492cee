// The restore dialog: the site's backups newest first, and the one chosen
// restored once the user confirms.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "widget_tests.h"
#include "support/scratch_workspace.h"
#include "ui/restore_dialog.h"

class RestoreDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theChosenBackupIsRestoredOnlyOnceConfirmed() {
        wk::test::ScratchWorkspace s;
        wk::test::TempFolder site;
        s.ws.status.siteRoot = site.path();
        site.write("a.htm", "now");
        const std::string root = site.path().substr(0, site.path().size() - 1);
        for (const char* stamp : {"200512311259", "200601020304"}) {
            std::filesystem::create_directory(root + stamp + ".baq");
            std::ofstream(root + stamp + ".baq/a.htm") << stamp;
        }
        wk::ui::RestoreDialog dialog(s.ws);
        auto* list = dialog.findChild<QListWidget*>("lstBackups");
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(0)->text().startsWith("2006-01-02 03:04"));
        list->setCurrentRow(1);
        auto* restore = dialog.findChild<QPushButton*>("cmdRestore");
        restore->click();  // answered No
        QCOMPARE(QString::fromStdString(site.read("a.htm")), QString("now"));
        s.prompt.yesNoAnswers = {true};
        restore->click();
        QCOMPARE(QString::fromStdString(site.read("a.htm")), QString("200512311259"));
        for (const auto& backup : wk::test::BackupsBeside(site)) std::filesystem::remove_all(backup);
    }
};

WK_WIDGET_TEST(RestoreDialogTest)
#include "test_restore_dialog.moc"
