// The add and edit dialogs driven through their widgets: the opening rules,
// the "www." guard, Enter, refused entries, closing, the menu bar width
// check and Browse.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <tuple>

#include "app/commands_menu.h"
#include "ground/prompt.h"
#include "app/workspace.h"
#include "menu/menu_file.h"
#include "support/temp_folder.h"
#include "ui/node_dialog.h"

using wk::ui::NodeDialog;

class NodeDialogTest : public QObject {
    Q_OBJECT

    struct Fixture {
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        wk::Workspace ws{folder.path(), prompt};

        // Menus each followed by their items: {"M", label, link} or {"I", label, link}.
        void loadTree(std::initializer_list<std::array<const char*, 3>> records) {
            std::string text;
            for (const auto& [kind, label, link] : records)
                text += std::string(label) + "\r\n" + (kind[0] == 'M' ? "1" : "2") + "\r\n" + link + "\r\n";
            folder.write("default.mnu", text);
            QVERIFY(wk::LoadMenuTree(folder.path(), ws.tree));
        }
        wk::NodeId nodeLabelled(const std::string& label) const {
            for (wk::NodeId id : ws.tree.displayOrder())
                if (ws.tree.node(id).label == label) return id;
            return 0;
        }
        // The dialog under test, shown and active (most key and focus checks need that).
        std::unique_ptr<NodeDialog> dialog;
        NodeDialog& open(NodeDialog::Mode mode = NodeDialog::Mode::Add) {
            dialog = std::make_unique<NodeDialog>(ws, mode);
            dialog->show();
            dialog->activateWindow();
            [this] { QVERIFY(QTest::qWaitForWindowActive(dialog.get())); }();  // QVERIFY needs a void function
            return *dialog;
        }
    };

    static QLineEdit* Name(NodeDialog& d) { return d.findChild<QLineEdit*>("txtName"); }
    static QLineEdit* Url(NodeDialog& d) { return d.findChild<QLineEdit*>("txtURL"); }
    static QRadioButton* Option(NodeDialog& d, const char* name) { return d.findChild<QRadioButton*>(name); }
    static void Press(NodeDialog& d, const char* name) {
        QTest::mouseClick(d.findChild<QPushButton*>(name), Qt::LeftButton);
    }

private slots:
    void addDialogLooksAsNamed() {
        Fixture f;
        NodeDialog dialog(f.ws, NodeDialog::Mode::Add);
        QCOMPARE(dialog.windowTitle(), QString("Add Menu or Menu Item"));
        QCOMPARE(Option(dialog, "optMenu")->text(), QString("Menu"));
        QCOMPARE(Option(dialog, "optItem")->text(), QString("Menu Item"));
        QCOMPARE(Url(dialog)->text(), QString("www."));
        QCOMPARE(dialog.findChild<QPushButton*>("cmdKO")->text(), QString("Add Menu or Menu Item"));
        QCOMPARE(dialog.findChild<QPushButton*>("cmdOK")->text(), QString("OK"));
        QCOMPARE(dialog.findChild<QPushButton*>("cmdBrowse")->text(), QString("Browse"));
        QVERIFY(!dialog.findChild<QPushButton*>("cmdCancel"));
    }

    void addingToAnEmptyTreeForcesAMenu() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QVERIFY(Option(dialog, "optMenu")->isChecked());
        QVERIFY(!Option(dialog, "optMenu")->isEnabled());
        QVERIFY(!Option(dialog, "optItem")->isEnabled());
        QTest::keyClicks(Name(dialog), "Home");
        Url(dialog)->setCursorPosition(4);
        QTest::keyClicks(Url(dialog), "home.org");
        Press(dialog, "cmdKO");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.ws.tree.size(), std::size_t{1});
        const wk::NodeId added = f.ws.tree.menus().at(0);
        QCOMPARE(f.ws.tree.selected(), std::optional<wk::NodeId>(added));
        QCOMPARE(f.ws.tree.node(added).link, std::string("www.home.org"));
        QCOMPARE(f.folder.read("default.mnu"), std::string("Home\r\n1\r\nwww.home.org\r\n"));
    }

    void addingFollowsTheSelectedNodesKind() {
        Fixture f;
        f.loadTree({{"M", "A", "www.a"}, {"I", "x", "www.x"}, {"I", "y", "www.y"}});
        f.ws.tree.select(f.nodeLabelled("x"));
        NodeDialog dialog(f.ws, NodeDialog::Mode::Add);
        QVERIFY(Option(dialog, "optItem")->isChecked());
        QVERIFY(Option(dialog, "optMenu")->isEnabled() && Option(dialog, "optItem")->isEnabled());
        Name(dialog)->setText("new");
        Url(dialog)->setText("www.new");
        Press(dialog, "cmdOK");
        // Directly below the selected item, in the same menu.
        QCOMPARE(f.folder.read("default.mnu"),
                 std::string("A\r\n1\r\nwww.a\r\nx\r\n2\r\nwww.x\r\nnew\r\n2\r\nwww.new\r\ny\r\n2\r\nwww.y\r\n"));
    }

    void aKeyInsideThePrefixResetsTheLink() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QLineEdit* url = Url(dialog);
        url->setFocus();
        // {caret or selection start, selection length, key}
        const std::tuple<int, int, Qt::Key> edits[] = {
            {2, 0, Qt::Key_X}, {4, 0, Qt::Key_Backspace}, {1, 0, Qt::Key_Delete}, {2, 4, Qt::Key_Z}};
        for (const auto& [at, length, key] : edits) {
            url->setText("www.abc");
            if (length) url->setSelection(at, length);  // "w.ab"
            else url->setCursorPosition(at);
            QTest::keyClick(url, key);
            QCOMPARE(url->text(), QString("www."));
            QCOMPARE(url->cursorPosition(), 4);
        }
    }

    void keysAfterThePrefixActNormally() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QLineEdit* url = Url(dialog);
        url->setFocus();
        url->setText("www.abc");
        url->setCursorPosition(5);
        QTest::keyClick(url, Qt::Key_Backspace);
        QCOMPARE(url->text(), QString("www.bc"));
        QTest::keyClick(url, Qt::Key_Q);
        QCOMPARE(url->text(), QString("www.qbc"));
        // Moving the caret is no edit, and a selection from the prefix's end may be replaced.
        QTest::keyClick(url, Qt::Key_Home);
        QCOMPARE(url->text(), QString("www.qbc"));
        url->setSelection(4, 3);
        QTest::keyClick(url, Qt::Key_Backspace);
        QCOMPARE(url->text(), QString("www."));
        QTest::keyClicks(url, "site.org");
        QCOMPARE(url->text(), QString("www.site.org"));
    }

    void aClickInsideThePrefixPutsTheCaretAfterIt() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QLineEdit* url = Url(dialog);
        url->setText("www.example.org");
        QTest::mouseClick(url, Qt::LeftButton, {}, QPoint(3, url->height() / 2));
        QCOMPARE(url->cursorPosition(), 4);
    }

    void tabbingIntoTheLinkTypesAfterThePrefix() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QTest::keyClicks(Name(dialog), "Music");
        QTest::keyClick(Name(dialog), Qt::Key_Tab);
        QVERIFY(Url(dialog)->hasFocus());
        QTest::keyClicks(Url(dialog), "acme.com");
        QCOMPARE(Url(dialog)->text(), QString("www.acme.com"));
    }

    void enterInTheNameMovesToTheLinkAndPerformsOk() {
        Fixture f;
        NodeDialog& dialog = f.open();
        Name(dialog)->setFocus();
        QTest::keyClicks(Name(dialog), "Home");
        QTest::keyClick(Name(dialog), Qt::Key_Return);
        // The link is still "www.": refused, so the focus rests in the link with its text selected.
        QVERIFY(dialog.isVisible());
        QVERIFY(f.ws.tree.empty());
        QVERIFY(Url(dialog)->hasFocus());
        QCOMPARE(Url(dialog)->selectedText(), QString("www."));

        Url(dialog)->setCursorPosition(4);
        QTest::keyClicks(Url(dialog), "a");
        QTest::keyClick(Name(dialog), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.ws.tree.node(f.ws.tree.menus().at(0)).link, std::string("www.a"));
    }

    void enterInTheLinkMovesToTheNameAndPerformsOk() {
        Fixture f;
        NodeDialog& dialog = f.open();
        Name(dialog)->setText("Home");
        Url(dialog)->setFocus();
        Url(dialog)->setCursorPosition(4);
        QTest::keyClicks(Url(dialog), "h.org");
        Name(dialog)->clear();
        QTest::keyClick(Url(dialog), Qt::Key_Enter);
        // An empty label is refused.
        QVERIFY(dialog.isVisible());
        QVERIFY(Name(dialog)->hasFocus());
        QVERIFY(f.ws.tree.empty());

        QTest::keyClicks(Name(dialog), "Home");
        Url(dialog)->setFocus();
        QTest::keyClick(Url(dialog), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.ws.tree.size(), std::size_t{1});
    }

    void aLinkLeftAsThePrefixIsRefused() {
        Fixture f;
        NodeDialog& dialog = f.open();
        Name(dialog)->setText("Home");
        Press(dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QVERIFY(f.ws.tree.empty());
        QVERIFY(!f.folder.exists("default.mnu"));
    }

    void closingWithTheCloseBoxAddsNothingButSaves() {
        Fixture f;
        f.loadTree({{"M", "A", "www.a"}});
        f.folder.write("default.mnu", "stale");
        NodeDialog& dialog = f.open();
        Name(dialog)->setText("B");
        Url(dialog)->setText("www.b");
        QVERIFY(dialog.close());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.ws.tree.size(), std::size_t{1});
        QCOMPARE(f.folder.read("default.mnu"), std::string("A\r\n1\r\nwww.a\r\n"));
    }

    void theWidthQuestionComesAtTheSeventhKey() {
        Fixture f;
        const std::string forty(40, 'f'), fifty(50, 'g');  // room 95 - 90 = 5
        f.loadTree({{"M", forty.c_str(), "www.f"}, {"M", fifty.c_str(), "www.g"}});
        NodeDialog& dialog = f.open();
        QVERIFY(Option(dialog, "optMenu")->isChecked());
        QTest::keyClicks(Name(dialog), "abcdef");
        QCOMPARE(f.prompt.count("yesno"), std::size_t{0});
        f.prompt.yesNoAnswers = {true};
        QTest::keyClick(Name(dialog), Qt::Key_G);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{1});
        QCOMPARE(Name(dialog)->text(), QString("abcdefg"));
        // Asked again at every key while the label stays too long; No keeps up to 95 characters.
        QTest::keyClick(Name(dialog), Qt::Key_H);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{2});
        QCOMPARE(Name(dialog)->text(), QString("abcdefgh"));
    }

    void answeringNoCutsTheLabelToTheBarLimit() {
        Fixture f;
        f.loadTree({{"M", "A", "www.a"}});
        NodeDialog& dialog = f.open();
        Name(dialog)->setText(QString(100, 'n'));
        Name(dialog)->end(false);
        QTest::keyClick(Name(dialog), Qt::Key_Z);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{1});
        QCOMPARE(Name(dialog)->text(), QString(95, 'n') + "z");
    }

    // Enter is a key press like any other: the width question comes before OK.
    void enterAsksAboutTheWidthBeforeOk() {
        Fixture f;
        f.loadTree({{"M", "A", "www.a"}});
        NodeDialog& dialog = f.open();
        Name(dialog)->setText(QString(100, 'n'));
        Url(dialog)->setText("www.n");
        f.prompt.yesNoAnswers = {false};
        QTest::keyClick(Name(dialog), Qt::Key_Return);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{1});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.ws.tree.node(f.ws.tree.menus().at(1)).label, std::string(95, 'n'));
    }

    void anItemOrAnItemSelectedIsNeverMeasured() {
        Fixture f;
        const std::string wide(94, 'w');
        f.loadTree({{"M", wide.c_str(), "www.w"}, {"I", "x", "www.x"}});
        NodeDialog& dialog = f.open();
        Option(dialog, "optItem")->setChecked(true);
        QTest::keyClicks(Name(dialog), "item label");
        f.ws.tree.select(f.nodeLabelled("x"));
        Option(dialog, "optMenu")->setChecked(true);
        QTest::keyClicks(Name(dialog), " after the item's menu");
        QCOMPARE(f.prompt.count("yesno"), std::size_t{0});
    }

    void editShowsTheNodeWithItsKindLocked() {
        Fixture f;
        f.loadTree({{"M", "A", "www.a"}, {"I", "x", "www.x.org"}});
        f.ws.tree.select(f.nodeLabelled("x"));
        NodeDialog& dialog = f.open(NodeDialog::Mode::Edit);
        QCOMPARE(dialog.windowTitle(), QString("Edit Menu or Menu Item"));
        QCOMPARE(dialog.findChild<QPushButton*>("cmdKO")->text(), QString("Edit Menu or Menu Item"));
        QCOMPARE(Name(dialog)->text(), QString("x"));
        QCOMPARE(Url(dialog)->text(), QString("www.x.org"));
        QVERIFY(Option(dialog, "optItem")->isChecked());
        QVERIFY(!Option(dialog, "optMenu")->isEnabled() && !Option(dialog, "optItem")->isEnabled());
        Name(dialog)->setText("renamed");
        Press(dialog, "cmdKO");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.folder.read("default.mnu"), std::string("A\r\n1\r\nwww.a\r\nrenamed\r\n2\r\nwww.x.org\r\n"));
    }

    void editNeverAsksAboutTheWidth() {
        Fixture f;
        const std::string forty(40, 'f'), fifty(50, 'g');
        f.loadTree({{"M", forty.c_str(), "www.f"}, {"M", fifty.c_str(), "www.g"}});
        NodeDialog& dialog = f.open(NodeDialog::Mode::Edit);
        Name(dialog)->end(false);
        QTest::keyClicks(Name(dialog), "longer and longer");
        QCOMPARE(f.prompt.count("yesno"), std::size_t{0});
        Press(dialog, "cmdOK");
        QCOMPARE(f.ws.tree.node(f.ws.tree.menus().at(0)).label, forty + "longer and longer");
    }

    void browseTurnsTheChosenPageIntoALink() {
        Fixture f;
        f.ws.status.siteRoot = "/srv/site/";
        f.ws.status.siteUrl = "www.site.org ";
        f.prompt.fileAnswers = {"/srv/site/news/today.html", "", "/elsewhere/page.html"};
        NodeDialog& dialog = f.open();
        Press(dialog, "cmdBrowse");
        QCOMPARE(Url(dialog)->text(), QString("www.site.org/news/today.html"));
        // Nothing chosen, or a page outside the site: the link stays.
        Press(dialog, "cmdBrowse");
        Press(dialog, "cmdBrowse");
        QCOMPARE(Url(dialog)->text(), QString("www.site.org/news/today.html"));
    }
};

QTEST_MAIN(NodeDialogTest)
#include "test_node_dialog.moc"
