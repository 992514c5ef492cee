// The menu builder: the tree panel mirrors the workspace's tree, and its
// buttons, clicks and double-clicks open the add and edit dialog, whose kind
// options, "www." guard, Enter, closing, bar width question and Browse are
// driven here through their widgets. The rules behind them (placement,
// refusals, the bar's width) are the core's.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "widget_tests.h"
#include "app/commands_menu.h"
#include "menu/menu_file.h"
#include "support/scratch_workspace.h"
#include "ui/menu_builder_panel.h"
#include "ui/node_dialog.h"

using wk::ui::MenuBuilderPanel;
using wk::ui::NodeDialog;

namespace {

// Two menus, the first with two items, as default.mnu holds them.
const char* const kTwoMenus = "A\r\n1\r\nwww.a\r\nx\r\n2\r\nwww.x\r\ny\r\n2\r\nwww.y\r\nB\r\n1\r\nwww.b\r\n";

QLineEdit* Name(QWidget& d) { return d.findChild<QLineEdit*>("txtName"); }
QLineEdit* Url(QWidget& d) { return d.findChild<QLineEdit*>("txtURL"); }
QRadioButton* Option(QWidget& d, const char* name) { return d.findChild<QRadioButton*>(name); }
void Press(QWidget& d, const char* name) { QTest::mouseClick(d.findChild<QAbstractButton*>(name), Qt::LeftButton); }
bool WidthAsked(QWidget& d) { return d.findChild<QWidget*>("fraWidth")->isVisible(); }

void Fill(NodeDialog& dialog, const QString& label, const QString& link) {
    Name(dialog)->setText(label);
    Url(dialog)->setText(link);
    Press(dialog, "cmdOK");
}

// Runs what the user does in the dialog the next action opens, then closes it.
void InNextDialog(std::function<void(NodeDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<NodeDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
        if (dialog->isVisible()) dialog->close();
    });
}

}  // namespace

class MenuBuilderTest : public QObject {
    Q_OBJECT

    struct Fixture : wk::test::ScratchWorkspace {
        std::unique_ptr<NodeDialog> dialog;
        std::unique_ptr<MenuBuilderPanel> panel;

        // The tree as default.mnu holds it: label, 1 (menu) or 2 (item), link.
        void load(const std::string& menuFile) {
            folder.write("default.mnu", menuFile);
            wk::LoadMenuTree(folder.path(), ws.tree);
        }
        // Two menus leaving room for five more characters on the bar.
        void loadWideBar() {
            load(std::string(40, 'f') + "\r\n1\r\nwww.f\r\n" + std::string(50, 'g') + "\r\n1\r\nwww.g\r\n");
        }
        // The dialog on its own, shown and active (most key and focus checks need that).
        NodeDialog& open(NodeDialog::Mode mode = NodeDialog::Mode::Add) {
            dialog = std::make_unique<NodeDialog>(ws, mode);
            dialog->show();
            dialog->activateWindow();
            [this] { QVERIFY(QTest::qWaitForWindowActive(dialog.get())); }();  // QVERIFY needs a void function
            return *dialog;
        }
        // The panel, shown on the tree menuFile holds.
        void showPanel(const char* menuFile = kTwoMenus) {
            load(menuFile);
            panel = std::make_unique<MenuBuilderPanel>(ws);
            panel->show();
        }
        QTreeWidget* tree() const { return panel->findChild<QTreeWidget*>("TV"); }
        // The tree control's rows, menus at the left and items indented: "A", " x".
        QStringList rows() const {
            QStringList rows;
            for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
                QTreeWidgetItem* menu = tree()->topLevelItem(i);
                rows << menu->text(0);
                for (int j = 0; j < menu->childCount(); ++j) rows << " " + menu->child(j)->text(0);
            }
            return rows;
        }
        QTreeWidgetItem* row(const QString& label) const {
            return tree()->findItems(label, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        }
        QPoint at(const QString& label) const { return tree()->visualItemRect(row(label)).center(); }
        void click(const QString& label) const { QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at(label)); }
    };

private slots:
    void theTreeShowsExpandedWithIconsAndSelection() {
        Fixture f;
        f.showPanel();
        QCOMPARE(f.rows(), QStringList({"A", " x", " y", "B"}));
        QVERIFY(f.row("A")->isExpanded());
        const QImage menuIcon = f.row("A")->icon(0).pixmap(16, 16).toImage();
        QVERIFY(!menuIcon.isNull());
        QCOMPARE(f.row("B")->icon(0).pixmap(16, 16).toImage(), menuIcon);
        QVERIFY(f.row("x")->icon(0).pixmap(16, 16).toImage() != menuIcon);
        QCOMPARE(f.tree()->currentItem(), f.row("A"));
        f.panel->setLarge(true);
        QCOMPARE(f.tree()->iconSize(), QSize(32, 32));
        QVERIFY(f.row("x")->icon(0).availableSizes().contains(QSize(32, 32)));
        QCOMPARE(f.tree()->font().pointSize(), 12);
        QCOMPARE(f.rows(), QStringList({"A", " x", " y", "B"}));
    }

    void aClickSelectsAndNewAddsThroughTheDialogAndShowsTheNewNode() {
        Fixture f;
        f.showPanel();
        QSignalSpy changed(f.panel.get(), &MenuBuilderPanel::treeChanged);
        f.click("x");
        QCOMPARE(f.ws.tree.node(*f.ws.tree.selected()).label, std::string("x"));
        QCOMPARE(f.tree()->toolTip(), QString("www.x"));
        InNextDialog([](NodeDialog& dialog) { Fill(dialog, "z", "www.z"); });
        Press(*f.panel, "cmdNew");
        QCOMPARE(f.rows(), QStringList({"A", " x", " z", " y", "B"}));
        QCOMPARE(f.tree()->currentItem(), f.row("z"));
        QCOMPARE(f.tree()->toolTip(), QString("www.z"));
        QCOMPARE(changed.count(), 1);
    }

    void aClickOnAnEmptyTreeOpensTheAddDialog() {
        Fixture f;
        f.showPanel("\r\n");
        InNextDialog([](NodeDialog& dialog) { Fill(dialog, "First", "www.first"); });
        QTest::mouseClick(f.tree()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(f.rows(), QStringList({"First"}));
    }

    // Enter and F2 are the keyboard's double-click.
    void aDoubleClickOpenEnterOrF2EditsTheSelectedNode() {
        const QStringList menuEdited = {"A", " x", " y", "B2"}, itemEdited = {"A", " x2", " y", "B"};
        const std::tuple<QString, QString, QStringList> ways[] = {
            {"double-click", "B", menuEdited}, {"cmdOpen", "B", menuEdited}, {"Enter", "x", itemEdited},
            {"F2", "x", itemEdited}};
        for (const auto& [way, node, after] : ways) {
            Fixture f;
            f.showPanel();
            InNextDialog([node](NodeDialog& dialog) {
                QCOMPARE(Name(dialog)->text(), node);
                Fill(dialog, node + "2", "www.edited");
            });
            f.click(node);  // as a double-click's first click does
            if (way == "double-click") QTest::mouseDClick(f.tree()->viewport(), Qt::LeftButton, {}, f.at(node));
            else if (way == "cmdOpen") Press(*f.panel, "cmdOpen");
            else QTest::keyClick(f.tree(), way == "F2" ? Qt::Key_F2 : Qt::Key_Return);
            QVERIFY2(f.rows() == after, qPrintable(way));
            QCOMPARE(f.tree()->toolTip(), QString("www.edited"));
        }
    }

    // Every row changes its height; the node the user was on stays selected and in sight.
    void theMagnifierKeepsTheSelectedNodeSelectedAndVisible() {
        Fixture f;
        std::string items;
        for (int i = 0; i < 30; ++i) items += "item" + std::to_string(i) + "\r\n2\r\nwww.i\r\n";
        f.showPanel(("A\r\n1\r\nwww.a\r\n" + items).c_str());
        f.panel->resize(240, 200);
        f.tree()->setCurrentItem(f.row("item25"));
        for (bool large : {true, false}) {
            wk::ToggleMagnifier(f.ws);
            f.panel->setLarge(large);
            QCOMPARE(f.tree()->currentItem(), f.row("item25"));
            QVERIFY(f.tree()->viewport()->rect().contains(f.tree()->visualItemRect(f.row("item25"))));
        }
    }

    // A label cut with "…" shows whole in its tooltip; elsewhere the tree's tooltip stands.
    void aCutLabelShowsWholeInItsTooltip() {
        Fixture f;
        const QString label = "Three hundred years of apples, pears and plums in the valley";
        f.showPanel(("A\r\n1\r\nwww.a\r\n" + label.toStdString() + "\r\n2\r\nwww.x\r\n").c_str());
        f.panel->resize(200, 200);
        for (const auto& [row, tip] : {std::pair(QString("A"), QString()), std::pair(label, label)}) {
            QHelpEvent hover(QEvent::ToolTip, f.at(row), f.tree()->viewport()->mapToGlobal(f.at(row)));
            QApplication::sendEvent(f.tree()->viewport(), &hover);
            QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
        }
    }

    void movesAndDeletesShowTheNewTree() {
        Fixture f;
        f.showPanel();
        QSignalSpy changed(f.panel.get(), &MenuBuilderPanel::treeChanged);
        Press(*f.panel, "cmdDown");
        QCOMPARE(f.rows(), QStringList({"B", "A", " x", " y"}));
        QCOMPARE(f.tree()->currentItem(), f.row("A"));
        f.click("y");
        Press(*f.panel, "cmdUp");
        QCOMPARE(f.rows(), QStringList({"B", "A", " y", " x"}));
        QCOMPARE(f.tree()->currentItem(), f.row("y"));
        Press(*f.panel, "cmdDelete");  // an item goes without a question
        QCOMPARE(f.rows(), QStringList({"B", "A", " x"}));
        f.click("A");
        f.prompt.yesNoAnswers = {true};
        Press(*f.panel, "cmdDelete");
        QCOMPARE(f.rows(), QStringList({"B"}));
        QCOMPARE(changed.count(), 4);
    }

    void theKindOptionsFollowTheNodeAndOkAppliesTheBoxes() {
        const struct {
            bool empty, edit;
            bool item;    // the item option ticked
            bool locked;  // both options switched off
        } cases[] = {{true, false, false, true}, {false, false, true, false}, {false, true, true, true}};
        for (const auto& [empty, edit, item, locked] : cases) {
            Fixture f;
            if (!empty) {
                f.load("A\r\n1\r\nwww.a\r\nx\r\n2\r\nwww.x.org\r\n");
                f.ws.tree.select(f.ws.tree.items(f.ws.tree.menus().at(0)).at(0));
            }
            NodeDialog& dialog = f.open(edit ? NodeDialog::Mode::Edit : NodeDialog::Mode::Add);
            QCOMPARE(Option(dialog, "optItem")->isChecked(), item);
            QCOMPARE(Option(dialog, "optMenu")->isChecked(), !item);
            QCOMPARE(Option(dialog, "optMenu")->isEnabled(), !locked);
            QCOMPARE(Option(dialog, "optItem")->isEnabled(), !locked);
            if (edit) QCOMPARE(Name(dialog)->text() + " " + Url(dialog)->text(), QString("x www.x.org"));
            Fill(dialog, "new", "www.new");
            QVERIFY(!dialog.isVisible());
            QCOMPARE(f.ws.tree.size(), std::size_t(edit ? 2 : empty ? 1 : 3));
            const std::string record = std::string("new\r\n") + (item ? "2" : "1") + "\r\nwww.new\r\n";
            QVERIFY(f.folder.read("default.mnu").find(record) != std::string::npos);
        }
    }

    // The guard's rules are LinkEntry's: here keys, Delete and a paste reach it, and typing goes on at its caret.
    void linkEditsKeepOnePrefixAndEveryTypedCharacter() {
        Fixture f;
        QLineEdit* url = Url(f.open());
        url->setFocus();
        url->setText("www.abc");
        url->setSelection(1, 0);
        QTest::keyClick(url, Qt::Key_Delete);
        QCOMPARE(url->text(), QString("www.abc"));
        url->selectAll();
        QTest::keyClicks(url, "ab");
        QCOMPARE(url->text(), QString("www.ab"));
        QGuiApplication::clipboard()->setText("www.example.org/x");
        QTest::keyClick(url, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(url->text(), QString("www.abwww.example.org/x"));
        QCOMPARE(url->cursorPosition(), 23);
    }

    void clickingOrTabbingIntoTheLinkTypesAfterThePrefix() {
        Fixture f;
        NodeDialog& dialog = f.open();
        QTest::keyClicks(Name(dialog), "Music");
        QTest::keyClick(Name(dialog), Qt::Key_Tab);
        QVERIFY(Url(dialog)->hasFocus());
        QTest::keyClicks(Url(dialog), "acme.com");
        QCOMPARE(Url(dialog)->text(), QString("www.acme.com"));
        QTest::mouseClick(Url(dialog), Qt::LeftButton, {}, QPoint(3, Url(dialog)->height() / 2));
        QCOMPARE(Url(dialog)->cursorPosition(), 4);
    }

    // Enter in either box moves to the other with its text selected, then
    // performs OK: refused, the user goes on in the other box.
    // In the name with the link missing, and the other way round.
    void enterMovesToTheOtherBoxAndPerformsOk() {
        for (bool inName : {true, false}) {
            Fixture f;
            NodeDialog& dialog = f.open();
            QLineEdit* from = inName ? Name(dialog) : Url(dialog);
            QLineEdit* other = inName ? Url(dialog) : Name(dialog);
            from->setText(inName ? "Home" : "www.h.org");
            from->setFocus();
            QTest::keyClick(from, inName ? Qt::Key_Return : Qt::Key_Enter);
            QVERIFY(dialog.isVisible());
            QVERIFY(f.ws.tree.empty());
            QVERIFY(other->hasFocus());
            QCOMPARE(other->selectedText(), other->text());
            QVERIFY(dialog.findChild<QLabel*>("lblRefusal")->isVisible());  // with the reason

            QTest::keyClicks(other, "a");  // typed over the selection, in the link after the prefix
            QTest::keyClick(other, Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
            const wk::MenuNode& added = f.ws.tree.node(f.ws.tree.menus().at(0));
            QCOMPARE(added.label + " " + added.link, std::string(inName ? "Home www.a" : "a www.h.org"));
        }
    }

    // The close box, Cancel and Escape.
    void closingWithoutOkAddsNothingButSaves() {
        for (int way : {0, 1, 2}) {
            Fixture f;
            f.load("A\r\n1\r\nwww.a\r\n");
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
    }

    // Answered Yes (keep), No (cut), or left unanswered by OK.
    void theWidthQuestionComesOnceAndTakesNoKeys() {
        for (const auto& [answer, length] : {std::pair("cmdKeepLabel", 100), {"cmdCutLabel", 95}, {"cmdOK", 100}}) {
            Fixture f;
            f.loadWideBar();
            NodeDialog& dialog = f.open();
            Url(dialog)->setText("www.n");
            QTest::keyClicks(Name(dialog), "nnnnnn");  // the sixth character passes the room
            QVERIFY(WidthAsked(dialog));
            // Typing goes on into the label: neither N nor Backspace answers.
            QTest::keyClicks(Name(dialog), QString(95, 'n') + "\b");
            QCOMPARE(Name(dialog)->text(), QString(100, 'n'));
            QVERIFY(Name(dialog)->hasFocus());
            Press(dialog, answer);
            QVERIFY(f.prompt.asked.empty());
            if (std::string_view(answer) == "cmdOK") {
                QVERIFY(!dialog.isVisible());
                QCOMPARE(f.ws.tree.node(f.ws.tree.menus().at(1)).label, std::string(length, 'n'));
                continue;
            }
            QCOMPARE(Name(dialog)->text(), QString(length, 'n'));
            QVERIFY(!WidthAsked(dialog));
            QVERIFY(Name(dialog)->hasFocus());
            QTest::keyClicks(Name(dialog), "nn");  // asked once a dialog
            QVERIFY(!WidthAsked(dialog));
        }
    }

    // An edit, or a new node with the item option.
    void onlyANewMenuIsMeasured() {
        for (bool edit : {true, false}) {
            Fixture f;
            f.loadWideBar();
            NodeDialog& dialog = f.open(edit ? NodeDialog::Mode::Edit : NodeDialog::Mode::Add);
            if (!edit) Option(dialog, "optItem")->setChecked(true);
            Name(dialog)->end(false);
            QTest::keyClicks(Name(dialog), "longer and longer");
            QVERIFY2(!WidthAsked(dialog), edit ? "edit" : "item");
        }
    }

    void aNodeWhoseLinkLeadsIntoTheSiteButToNoPageIsMarkedUntilThePageIsThere() {
        Fixture f;
        wk::test::TempFolder site;
        site.write("index.html", "<p>home</p>");
        f.ws.status.siteRoot = site.path();
        f.ws.status.siteUrl = "www.site.org ";
        // Which links lead nowhere is the core's to decide; here the rows show it and follow a reload.
        f.showPanel("A\r\n1\r\nwww.site.org/index.html\r\nx\r\n2\r\nwww.site.org/x.html\r\n");
        auto marked = [&](const char* label) { return !f.row(label)->toolTip(0).isEmpty(); };
        QVERIFY(marked("x"));
        QVERIFY(!marked("A"));
        site.write("x.html", "<p>x</p>");
        f.panel->reload();
        QVERIFY(!marked("x"));
    }

    void browseTurnsTheChosenPageIntoALink() {
        Fixture f;
        f.ws.status.siteRoot = "/srv/site/";
        f.ws.status.siteUrl = "www.site.org ";
        f.prompt.fileAnswers = {"/srv/site/news/today.html"};
        NodeDialog& dialog = f.open();
        Press(dialog, "cmdBrowse");
        QCOMPARE(Url(dialog)->text(), QString("www.site.org/news/today.html"));
        Press(dialog, "cmdBrowse");  // nothing chosen: the link stays
        QCOMPARE(Url(dialog)->text(), QString("www.site.org/news/today.html"));
    }
};

WK_WIDGET_TEST(MenuBuilderTest)
#include "test_menu_builder.moc"
