// The boilerplate dialog: the entries it opens on, OK and Cancel, the "www."
// guard, the local source's separator and Browse; and the file filters handed
// to Qt's file dialog. The rules behind OK and Cancel are the core's.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "widget_tests.h"
#include "support/scratch_workspace.h"
#include "ui/boilerplate_dialog.h"
#include "ui/qt_prompt.h"

using wk::ui::BoilerplateDialog;

class BoilerplateDialogTest : public QObject {
    Q_OBJECT

    static constexpr const char* kStored = "www.a.org\r\nOrg\r\nMe\r\n(c) Me\r\n/srv/a/\r\n";

    struct Fixture : wk::test::ScratchWorkspace {
        std::unique_ptr<BoilerplateDialog> dialog;

        // The dialog under test, opened on what the settings folder holds now.
        BoilerplateDialog& open() {
            dialog = std::make_unique<BoilerplateDialog>(ws);
            dialog->show();
            return *dialog;
        }
    };

    static QLineEdit* Box(BoilerplateDialog& dialog, int index) {
        return dialog.findChild<QLineEdit*>(QString("txtBoil%1").arg(index));
    }
    static QPlainTextEdit* Copyright(BoilerplateDialog& dialog) {
        return dialog.findChild<QPlainTextEdit*>("txtBoil3");
    }
    static void Press(BoilerplateDialog& dialog, const char* name) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
    }

private slots:
    void opensOnTheInitialOrTheStoredEntries() {
        Fixture f;
        const auto shown = [&] {
            BoilerplateDialog& dialog = f.open();
            return QStringList{Box(dialog, 0)->text(), Box(dialog, 2)->text(), Copyright(dialog)->toPlainText(),
                               Box(dialog, 4)->text()};
        };
        QCOMPARE(shown(), QStringList({"www.", "", "", ""}));
        f.folder.write("boilerplate.sgt", kStored);
        QCOMPARE(shown(), QStringList({"www.a.org", "Me", "(c) Me", "/srv/a/"}));
    }

    // OK with an entry missing warns and stays. Return in the copyright box is
    // a line break, not OK; the notice is stored on one line.
    void okStoresTheEntriesAndShowsThemInTheStatusBar() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        // The local source must be a folder that exists: the settings folder serves.
        const QString source = QString::fromStdString(f.folder.path());
        const QStringList entries = {"www.acme.com", "Acme Ltd", "Web Team", "", source};
        for (int i : {0, 1, 2, 4}) Box(dialog, i)->setText(entries[i]);
        Press(dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.prompt.count("message"), std::size_t{1});
        QVERIFY(!f.folder.exists("boilerplate.sgt"));

        Copyright(dialog)->setFocus();
        QTest::keyClicks(Copyright(dialog), "Acme Ltd");
        QTest::keyClick(Copyright(dialog), Qt::Key_Return);
        QTest::keyClicks(Copyright(dialog), "2005");
        Press(dialog, "cmdOK");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.folder.read("boilerplate.sgt"),
                 "www.acme.com\r\nAcme Ltd\r\nWeb Team\r\nAcme Ltd 2005\r\n" + f.folder.path() + "\r\n");
    }

    // The guard itself is exercised through the add dialog; here only that the site address has one.
    void theSiteAddressKeepsItsPrefix() {
        Fixture f;
        QLineEdit* url = Box(f.open(), 0);
        url->setFocus();
        url->setText("www.example.com");
        url->selectAll();
        QGuiApplication::clipboard()->setText("https://www.acme.com");
        QTest::keyClick(url, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(url->text(), QString("www.acme.com"));
    }

    void aClickIntoAnyBoxEndsTheLocalSourceWithASeparator() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        QTest::mouseClick(Box(dialog, 1), Qt::LeftButton);
        QCOMPARE(Box(dialog, 4)->text(), QString());  // empty stays empty: "/" would be the whole disk
        Box(dialog, 4)->setText("/srv/site");
        QTest::mouseClick(Copyright(dialog)->viewport(), Qt::LeftButton);
        QCOMPARE(Box(dialog, 4)->text(), QString("/srv/site/"));
        QTest::mouseClick(Box(dialog, 2), Qt::LeftButton);
        QCOMPARE(Box(dialog, 4)->text(), QString("/srv/site/"));
    }

    void browseTakesTheFolderOfTheChosenHomePage() {
        Fixture f;
        f.prompt.fileAnswers = {"/srv/my site/index.html"};
        BoilerplateDialog& dialog = f.open();
        Press(dialog, "cmdBrowse");
        QCOMPARE(Box(dialog, 4)->text(), QString("/srv/my site/"));
        QCOMPARE(f.prompt.asked.at(0).text, wk::ui::HomePageFilter());
        Press(dialog, "cmdBrowse");  // cancelled: nothing changes
        QCOMPARE(Box(dialog, 4)->text(), QString("/srv/my site/"));
    }

    void fileFiltersTakeQtsForm() {
        QCOMPARE(wk::ui::QtFileFilter("Web Pages (*.htm, *.php)|*.htm;*.php"),
                 QString("Web Pages (*.htm, *.php) (*.htm *.php)"));
        QCOMPARE(wk::ui::QtFileFilter("Pages|*.htm|All files|*.*"), QString("Pages (*.htm);;All files (*.*)"));
    }

    // On a first run Cancel asks before quitting; with a stored boilerplate it closes.
    void cancelAsksBeforeQuittingOnAFirstRunAndOtherwiseChangesNothing() {
        Fixture f;
        BoilerplateDialog& first = f.open();
        Press(first, "cmdCancel");  // No: stays
        QVERIFY(first.isVisible());
        f.prompt.yesNoAnswers = {true};
        QTest::keyClick(&first, Qt::Key_Escape);  // Escape is Cancel too
        QVERIFY(!first.isVisible());
        QCOMPARE(first.result(), 2);  // quit the program
        QCOMPARE(f.prompt.count("yesno"), std::size_t{2});

        f.folder.write("boilerplate.sgt", kStored);
        BoilerplateDialog& dialog = f.open();
        Box(dialog, 1)->setText("Other");
        Press(dialog, "cmdCancel");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.prompt.count("yesno"), std::size_t{2});
        QCOMPARE(f.folder.read("boilerplate.sgt"), std::string(kStored));
        QVERIFY(f.ws.status.organisation.empty());
    }
};

WK_WIDGET_TEST(BoilerplateDialogTest)
#include "test_boilerplate_dialog.moc"
