// The add and edit dialogs driven through their widgets: the opening rules,
// the "www." guard, Enter, refused entries, closing, the menu bar width
// question and Browse.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

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
    static QString Refusal(NodeDialog& d) {
        auto* label = d.findChild<QLabel*>("lblRefusal");
        return label->isVisible() ? label->text() : QString();
    }
    static bool WidthAsked(NodeDialog& d) { return d.findChild<QWidget*>("fraWidth")->isVisible(); }
    // Types keys one by one, "\x7f" standing for Delete.
    static void Type(QLineEdit* box, const char* keys) {
        for (const char* key = keys; *key; ++key)
            *key == '\x7f' ? QTest::keyClick(box, Qt::Key_Delete) : QTest::keyClick(box, *key);
    }

private slots:

    void addingToAnEmptyTreeForcesAMenu() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QVERIFY(Option(dialog, "optMenu")->isChecked());
        QVERIFY(!Option(dialog, "optMenu")->isEnabled());
        QVERIFY(!Option(dialog, "optItem")->isEnabled());
        QTest::keyClicks(Name(dialog), "Home");
        Url(dialog)->setCursorPosition(4);
        QTest::keyClicks(Url(dialog), "home.org");
        Press(dialog, "cmdOK");
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

    void editsKeepOnePrefixAndEveryTypedCharacter() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QLineEdit* url = Url(dialog);
        url->setFocus();
        struct Edit {
            int at, length;  // the caret, or a selection, in "www.abc"
            const char* keys;    // typed ("\b" Backspace, "\x7f" Delete)
            const char* pasted;  // then pasted from the clipboard
            const char* kept;
        };
        const Edit edits[] = {
            {0, 7, "www.example.org", "", "www.example.org"},
            {0, 7, "example.org", "", "www.example.org"},
            {2, 0, "x", "", "www.xabc"},
            {4, 0, "\b", "", "www.abc"},
            {5, 0, "\bq", "", "www.qbc"},
            {1, 0, "\x7f", "", "www.abc"},
            {2, 4, "z", "", "www.zc"},
            {0, 7, "", "https://www.example.org/x", "www.example.org/x"},
            {7, 0, "\b\b\b", "www.example.org/x", "www.example.org/x"},
        };
        for (const Edit& edit : edits) {
            url->setText("www.abc");
            url->setSelection(edit.at, edit.length);
            Type(url, edit.keys);
            if (*edit.pasted) {
                QGuiApplication::clipboard()->setText(edit.pasted);
                url->paste();
            }
            QCOMPARE(url->text(), QString(edit.kept));
        }
        // Typing goes on at the caret the guard left.
        url->setText("www.abc");
        url->setSelection(0, 7);
        QTest::keyClicks(url, "ab");
        QTest::keyClick(url, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(url->text(), QString("www.abwww.example.org/x"));
        QCOMPARE(url->cursorPosition(), 23);
        QCOMPARE(url->contextMenuPolicy(), Qt::DefaultContextMenu);
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
        QCOMPARE(Refusal(dialog), QString("Enter a link after www."));

        QTest::keyClicks(Url(dialog), "a");  // typed over the selection, after the prefix
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
        QCOMPARE(Refusal(dialog), QString("Enter a name."));

        QTest::keyClicks(Name(dialog), "Home");
        Url(dialog)->setFocus();
        QTest::keyClick(Url(dialog), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.ws.tree.size(), std::size_t{1});
    }

    void closingWithoutOkAddsNothingButSaves_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("close box") << 0;
        QTest::newRow("Cancel") << 1;
        QTest::newRow("Escape") << 2;
    }
    void closingWithoutOkAddsNothingButSaves() {
        QFETCH(int, way);
        Fixture f;
        f.loadTree({{"M", "A", "www.a"}});
        f.folder.write("default.mnu", "stale");
        NodeDialog& dialog = f.open();
        Name(dialog)->setText("B");
        Url(dialog)->setText("www.b");
        if (way == 0) QVERIFY(dialog.close());
        if (way == 1) Press(dialog, "cmdCancel");
        if (way == 2) QTest::keyClick(Name(dialog), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.ws.tree.size(), std::size_t{1});
        QCOMPARE(f.folder.read("default.mnu"), std::string("A\r\n1\r\nwww.a\r\n"));
    }

    void theWidthQuestionComesOnceAndTakesNoKeys_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("length");
        QTest::newRow("Yes") << "cmdKeepLabel" << 100;
        QTest::newRow("No") << "cmdCutLabel" << 95;
        QTest::newRow("OK unanswered") << "cmdOK" << 100;
    }
    void theWidthQuestionComesOnceAndTakesNoKeys() {
        QFETCH(QString, answer);
        QFETCH(int, length);
        Fixture f;
        const std::string forty(40, 'f'), fifty(50, 'g');  // room 95 - 90 = 5
        f.loadTree({{"M", forty.c_str(), "www.f"}, {"M", fifty.c_str(), "www.g"}});
        NodeDialog& dialog = f.open();
        Url(dialog)->setText("www.n");
        QTest::keyClicks(Name(dialog), "nnnnn");
        QVERIFY(!WidthAsked(dialog));
        QTest::keyClicks(Name(dialog), "n");  // the sixth character passes the room
        QVERIFY(WidthAsked(dialog));
        // Typing goes on into the label: neither N nor Backspace answers.
        QTest::keyClicks(Name(dialog), QString(95, 'n') + "\b");
        QCOMPARE(Name(dialog)->text(), QString(100, 'n'));
        QVERIFY(Name(dialog)->hasFocus());
        Press(dialog, answer.toLatin1().constData());
        QVERIFY(f.prompt.asked.empty());
        if (answer == "cmdOK") {
            QVERIFY(!dialog.isVisible());
            QCOMPARE(f.ws.tree.node(f.ws.tree.menus().at(1)).label, std::string(length, 'n'));
            return;
        }
        QCOMPARE(Name(dialog)->text(), QString(length, 'n'));
        QVERIFY(!WidthAsked(dialog));
        QVERIFY(Name(dialog)->hasFocus());
        QTest::keyClicks(Name(dialog), "nn");  // asked once a dialog
        QVERIFY(!WidthAsked(dialog));
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
        QVERIFY(!WidthAsked(dialog));
    }

    void editShowsTheNodeWithItsKindLocked() {
        Fixture f;
        f.loadTree({{"M", "A", "www.a"}, {"I", "x", "www.x.org"}});
        f.ws.tree.select(f.nodeLabelled("x"));
        NodeDialog& dialog = f.open(NodeDialog::Mode::Edit);
        QCOMPARE(Name(dialog)->text(), QString("x"));
        QCOMPARE(Url(dialog)->text(), QString("www.x.org"));
        QVERIFY(Option(dialog, "optItem")->isChecked());
        QVERIFY(!Option(dialog, "optMenu")->isEnabled() && !Option(dialog, "optItem")->isEnabled());
        Name(dialog)->setText("renamed");
        Press(dialog, "cmdOK");
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
        QVERIFY(!WidthAsked(dialog));
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
