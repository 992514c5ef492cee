// The menu builder panel: the tree control mirrors the workspace's tree, and
// its buttons, clicks and double-clicks run the menu commands.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "app/commands_menu.h"
#include "ground/prompt.h"
#include "app/workspace.h"
#include "menu/menu_file.h"
#include "support/temp_folder.h"
#include "ui/menu_builder_panel.h"
#include "ui/node_dialog.h"

using wk::ui::MenuBuilderPanel;
using wk::ui::NodeDialog;

class MenuBuilderTest : public QObject {
    Q_OBJECT

    // Two menus, the first with two items: the tree as default.mnu holds it.
    static constexpr const char* kTwoMenus =
        "A\r\n1\r\nwww.a\r\nx\r\n2\r\nwww.x\r\ny\r\n2\r\nwww.y\r\nB\r\n1\r\nwww.b\r\n";

    struct Fixture {
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        wk::Workspace ws{folder.path(), prompt};

        explicit Fixture(const char* menuFile = kTwoMenus) {
            folder.write("default.mnu", menuFile);
            wk::LoadMenuTree(folder.path(), ws.tree);
        }
    };

    static QTreeWidget* Tree(MenuBuilderPanel& panel) { return panel.findChild<QTreeWidget*>("TV"); }
    static void Press(MenuBuilderPanel& panel, const char* name) {
        QTest::mouseClick(panel.findChild<QToolButton*>(name), Qt::LeftButton);
    }
    // The tree control's rows, menus at the left and items indented: "A", " x".
    static QStringList Rows(MenuBuilderPanel& panel) {
        QStringList rows;
        QTreeWidget* tree = Tree(panel);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* menu = tree->topLevelItem(i);
            rows << menu->text(0);
            for (int j = 0; j < menu->childCount(); ++j) rows << " " + menu->child(j)->text(0);
        }
        return rows;
    }
    static QTreeWidgetItem* Row(MenuBuilderPanel& panel, const QString& label) {
        return Tree(panel)->findItems(label, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }
    static void Click(MenuBuilderPanel& panel, QTreeWidgetItem* row) {
        QTest::mouseClick(Tree(panel)->viewport(), Qt::LeftButton, {}, Tree(panel)->visualItemRect(row).center());
    }
    // Runs what the user does in the dialog the next action opens.
    static void InNextDialog(std::function<void(NodeDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<NodeDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            act(*dialog);
            if (dialog->isVisible()) dialog->close();
        });
    }
    static void Fill(NodeDialog& dialog, const QString& label, const QString& link) {
        dialog.findChild<QLineEdit*>("txtName")->setText(label);
        dialog.findChild<QLineEdit*>("txtURL")->setText(link);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    }

private slots:
    void showsTheTreeExpandedWithIconsAndSelection() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        QCOMPARE(Rows(panel), QStringList({"A", " x", " y", "B"}));
        QVERIFY(Row(panel, "A")->isExpanded());
        const QImage menuIcon = Row(panel, "A")->icon(0).pixmap(16, 16).toImage();
        QVERIFY(!menuIcon.isNull());
        QCOMPARE(Row(panel, "B")->icon(0).pixmap(16, 16).toImage(), menuIcon);
        QVERIFY(Row(panel, "x")->icon(0).pixmap(16, 16).toImage() != menuIcon);
        QCOMPARE(Tree(panel)->currentItem(), Row(panel, "A"));
    }

    void clickingARowSelectsItAndShowsItsLink() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        panel.show();
        Click(panel, Row(panel, "y"));
        QCOMPARE(f.ws.tree.node(*f.ws.tree.selected()).label, std::string("y"));
        QCOMPARE(Tree(panel)->toolTip(), QString("www.y"));
    }

    void newAddsThroughTheDialogAndSaves() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        QSignalSpy changed(&panel, &MenuBuilderPanel::treeChanged);
        panel.show();
        Click(panel, Row(panel, "x"));
        InNextDialog([](NodeDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Add Menu or Menu Item"));
            Fill(dialog, "z", "www.z");
        });
        Press(panel, "cmdNew");
        QCOMPARE(Rows(panel), QStringList({"A", " x", " z", " y", "B"}));
        QCOMPARE(Tree(panel)->currentItem(), Row(panel, "z"));
        QCOMPARE(Tree(panel)->toolTip(), QString("www.z"));
        QCOMPARE(f.folder.read("default.mnu"), std::string("A\r\n1\r\nwww.a\r\nx\r\n2\r\nwww.x\r\nz\r\n2\r\nwww.z\r\n"
                                                           "y\r\n2\r\nwww.y\r\nB\r\n1\r\nwww.b\r\n"));
        QCOMPARE(changed.count(), 1);
    }

    void aClickOnAnEmptyTreeOpensTheAddDialog() {
        Fixture f("\r\n");
        MenuBuilderPanel panel(f.ws);
        panel.show();
        InNextDialog([](NodeDialog& dialog) { Fill(dialog, "First", "www.first"); });
        QTest::mouseClick(Tree(panel)->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(Rows(panel), QStringList({"First"}));
    }

    void aDoubleClickEditsTheNode() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        panel.show();
        InNextDialog([](NodeDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Edit Menu or Menu Item"));
            QCOMPARE(dialog.findChild<QLineEdit*>("txtName")->text(), QString("B"));
            Fill(dialog, "Beta", "www.beta");
        });
        // A double-click's first click selects the row.
        Click(panel, Row(panel, "B"));
        QTest::mouseDClick(Tree(panel)->viewport(), Qt::LeftButton, {},
                           Tree(panel)->visualItemRect(Row(panel, "B")).center());
        QCOMPARE(Rows(panel), QStringList({"A", " x", " y", "Beta"}));
        QCOMPARE(Tree(panel)->toolTip(), QString("www.beta"));
    }

    void closingTheEditDialogKeepsTheNodeButSaves() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        f.folder.write("default.mnu", "stale");
        InNextDialog([](NodeDialog& dialog) { dialog.findChild<QLineEdit*>("txtName")->setText("changed"); });
        Press(panel, "cmdOpen");
        QCOMPARE(Rows(panel), QStringList({"A", " x", " y", "B"}));
        QCOMPARE(f.folder.read("default.mnu"), std::string(kTwoMenus));
    }

    void movesRearrangeTheTreeAndSave() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        QSignalSpy changed(&panel, &MenuBuilderPanel::treeChanged);
        Press(panel, "cmdDown");
        QCOMPARE(Rows(panel), QStringList({"B", "A", " x", " y"}));
        QCOMPARE(Tree(panel)->currentItem(), Row(panel, "A"));
        panel.show();
        Click(panel, Row(panel, "x"));
        Press(panel, "cmdUp");  // the first item crosses into the menu above
        QCOMPARE(Rows(panel), QStringList({"B", " x", "A", " y"}));
        QCOMPARE(Tree(panel)->currentItem(), Row(panel, "x"));
        QCOMPARE(changed.count(), 2);
    }

    void deletingAMenuAsksFirst() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        Press(panel, "cmdDelete");  // answered No
        QCOMPARE(f.prompt.count("yesno"), std::size_t{1});
        QCOMPARE(Rows(panel), QStringList({"A", " x", " y", "B"}));
        QCOMPARE(f.folder.read("default.mnu"), std::string(kTwoMenus));

        f.prompt.yesNoAnswers = {true};
        Press(panel, "cmdDelete");
        QCOMPARE(Rows(panel), QStringList({"B"}));
    }

    void deletingAnItemAsksNothing() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        panel.show();
        Click(panel, Row(panel, "x"));
        Press(panel, "cmdDelete");
        QCOMPARE(f.prompt.count("yesno"), std::size_t{0});
        QCOMPARE(Rows(panel), QStringList({"A", " y", "B"}));
    }

    void theLargeDisplayUsesBigIconsAndText() {
        Fixture f;
        MenuBuilderPanel panel(f.ws);
        QCOMPARE(Tree(panel)->iconSize(), QSize(16, 16));
        QCOMPARE(Tree(panel)->font().pointSize(), 8);
        panel.setLarge(true);
        QCOMPARE(Tree(panel)->iconSize(), QSize(32, 32));
        QVERIFY(Row(panel, "x")->icon(0).availableSizes().contains(QSize(32, 32)));
        QCOMPARE(Tree(panel)->font().pointSize(), 12);
        QCOMPARE(Rows(panel), QStringList({"A", " x", " y", "B"}));
        panel.setLarge(false);
        QCOMPARE(Tree(panel)->iconSize(), QSize(16, 16));
        QCOMPARE(Tree(panel)->font().pointSize(), 8);
    }
};

QTEST_MAIN(MenuBuilderTest)
#include "test_menu_builder.moc"
