// The boilerplate dialog: validation, the stored file, the "www." guard, the
// local source rules and Cancel on a first run.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ground/prompt.h"
#include "app/workspace.h"
#include "support/temp_folder.h"
#include "ui/boilerplate_dialog.h"

using wk::ui::BoilerplateDialog;

class BoilerplateDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        wk::Workspace ws{folder.path(), prompt};
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
    // The local source must be a folder that exists: the settings folder serves.
    static void Fill(BoilerplateDialog& dialog, const QString& copyright, const std::string& source) {
        Box(dialog, 0)->setText("www.acme.com");
        Box(dialog, 1)->setText("Acme Ltd");
        Box(dialog, 2)->setText("Web Team");
        Copyright(dialog)->setPlainText(copyright);
        Box(dialog, 4)->setText(QString::fromStdString(source));
    }

private slots:
    void opensWithInitialTextsOrTheStoredEntries() {
        Fixture f;
        {
            BoilerplateDialog dialog(f.ws);
            QCOMPARE(dialog.windowTitle(), QString("BoilerPlate"));
            QCOMPARE(Box(dialog, 0)->text(), QString("www."));
            for (int i : {1, 2, 4}) QVERIFY(Box(dialog, i)->text().isEmpty());
            QVERIFY(Copyright(dialog)->toPlainText().isEmpty());
        }
        f.folder.write("boilerplate.sgt", "www.a.org\r\nOrg\r\nMe\r\n(c) Me\r\n/srv/a/\r\n");
        BoilerplateDialog dialog(f.ws);
        QCOMPARE(Box(dialog, 0)->text(), QString("www.a.org"));
        QCOMPARE(Box(dialog, 2)->text(), QString("Me"));
        QCOMPARE(Copyright(dialog)->toPlainText(), QString("(c) Me"));
        QCOMPARE(Box(dialog, 4)->text(), QString("/srv/a/"));
    }

    void okWithAnEmptyEntryWarnsAndStays() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        Fill(dialog, "Acme Ltd 2005", f.folder.path());
        Box(dialog, 2)->clear();
        Press(dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.prompt.count("message"), std::size_t{1});
        QVERIFY(!f.folder.exists("boilerplate.sgt"));
    }

    void okWithAllFiveStoresThemAndShowsThemInTheStatusBar() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        Fill(dialog, "Acme Ltd 2005", f.folder.path());
        Press(dialog, "cmdOK");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.folder.read("boilerplate.sgt"),
                 "www.acme.com\r\nAcme Ltd\r\nWeb Team\r\nAcme Ltd 2005\r\n" + f.folder.path() + "\r\n");
        QCOMPARE(f.ws.status.siteUrl, std::string("www.acme.com "));
    }

    void aCopyrightOnTwoLinesIsStoredAsOneLine() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        Fill(dialog, "", f.folder.path());
        Copyright(dialog)->setFocus();
        QTest::keyClicks(Copyright(dialog), "Acme Ltd");
        QTest::keyClick(Copyright(dialog), Qt::Key_Return);
        QTest::keyClicks(Copyright(dialog), "2005");
        QVERIFY(Copyright(dialog)->toPlainText().contains('\n'));
        Press(dialog, "cmdOK");
        QCOMPARE(f.folder.read("boilerplate.sgt"),
                 "www.acme.com\r\nAcme Ltd\r\nWeb Team\r\nAcme Ltd 2005\r\n" + f.folder.path() + "\r\n");
    }

    void typedLocalSourceWithoutSeparatorIsStoredAsAFolder() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        std::string source = f.folder.path();
        source.pop_back();
        Fill(dialog, "Acme", source);
        Press(dialog, "cmdOK");
        QCOMPARE(f.ws.status.siteRoot, f.folder.path());
    }

    // The guard itself is exercised through the add dialog; here only that the site address has one.
    void theSiteAddressKeepsItsPrefix() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        QLineEdit* url = Box(dialog, 0);
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
        const std::string& filter = f.prompt.asked.at(0).text;
        QVERIFY(filter.starts_with("Web Pages (index.htm, index.html, index.xtml, "));
        QVERIFY(filter.find("index.sxml, default.htm, ") != std::string::npos);
        QVERIFY(filter.find(")|index.htm;index.html;") != std::string::npos);
        QVERIFY(filter.ends_with(";default.sxhtml;default.xml;default.sxml"));

        Press(dialog, "cmdBrowse");  // cancelled: nothing changes
        QCOMPARE(Box(dialog, 4)->text(), QString("/srv/my site/"));
    }

    void cancelOnAFirstRunAsksBeforeQuitting() {
        Fixture f;
        BoilerplateDialog& dialog = f.open();
        Press(dialog, "cmdCancel");  // No: stays
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.prompt.count("yesno"), std::size_t{1});

        f.prompt.yesNoAnswers = {true};
        QTest::keyClick(&dialog, Qt::Key_Escape);  // Escape is Cancel too
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), 2);  // quit the program
        QVERIFY(!f.folder.exists("boilerplate.sgt"));
    }

    void cancelWithAStoredBoilerplateClosesAndChangesNothing() {
        Fixture f;
        const std::string stored = "www.a.org\r\nOrg\r\nMe\r\n(c) Me\r\n/srv/a/\r\n";
        f.folder.write("boilerplate.sgt", stored);
        BoilerplateDialog& dialog = f.open();
        Box(dialog, 1)->setText("Other");
        Press(dialog, "cmdCancel");
        QVERIFY(!dialog.isVisible());
        QVERIFY(f.prompt.asked.empty());
        QCOMPARE(f.folder.read("boilerplate.sgt"), stored);
        QVERIFY(f.ws.status.organisation.empty());
    }
};

QTEST_MAIN(BoilerplateDialogTest)
#include "test_boilerplate_dialog.moc"
