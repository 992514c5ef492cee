// The main window: start-up on an empty settings folder, the command surface
// with its captions and tooltips, expert mode, the option boxes, the status
// bar panels, the magnifier and what cannot be saved.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "app/commands_menu.h"
#include "ground/prompt.h"
#include "app/workspace.h"
#include "support/temp_folder.h"
#include "ui/boilerplate_dialog.h"
#include "ui/main_window.h"
#include "ui/menu_builder_panel.h"
#include "ui/start_window.h"
#include "ui/status_panels.h"

using wk::ui::BoilerplateDialog;
using wk::ui::MainWindow;

namespace {

const char* const kStoredBoilerplate = "www.acme.com\r\nAcme Ltd\r\nWeb Team\r\nAcme 2005\r\n";

// Runs action on the first dialog of type T that opens while the caller waits in it.
template <typename T>
void WhenDialogOpens(std::function<void(T&)> action) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(w);
            if (!dialog || !dialog->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            action(*dialog);
            return;
        }
    });
    timer->start(10);
}

void WhenBoilerplateOpens(std::function<void(BoilerplateDialog&)> action) {
    WhenDialogOpens<BoilerplateDialog>(std::move(action));
}

// The widgets Tab visits, in order, from the window itself round to it again.
QList<QWidget*> TabChain(QWidget* window) {
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) chain << w;
    return chain;
}

// A check box reacts to clicks on its box and caption only, so click near its left edge.
void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        // The stored boilerplate names site as the local source, by default the settings folder.
        explicit Fixture(const std::string& site = {}) {
            folder.write("boilerplate.sgt", kStoredBoilerplate + (site.empty() ? folder.path() : site) + "\r\n");
            window = wk::ui::StartMainWindow(ws);
            window->show();  // clicks need laid-out widgets
        }
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        wk::Workspace ws{folder.path(), prompt};
        std::unique_ptr<MainWindow> window;

        template <typename T>
        T* find(const char* name) const {
            T* found = window->findChild<T*>(name);
            if (!found) qWarning("missing control %s", name);
            return found;
        }
        void click(const char* name) const { Click(find<QAbstractButton>(name)); }
        void trigger(const char* name) const { find<QAction>(name)->trigger(); }
        wk::ui::StatusPanel* panel(int number) const {
            return window->findChild<wk::ui::StatusPanels*>()->panel(number);
        }
        // Keys go to the focused widget only while the window is active.
        void activate() const {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        }
    };

private slots:
    void aFirstRunAsksForTheBoilerplateBeforeTheWindowShows() {
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        wk::Workspace ws(folder.path(), prompt);
        QString title;
        bool windowShownFirst = true;
        WhenBoilerplateOpens([&](BoilerplateDialog& dialog) {
            title = dialog.windowTitle();
            windowShownFirst = false;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<MainWindow*>(w) && w->isVisible()) windowShownFirst = true;
            dialog.findChild<QLineEdit*>("txtBoil0")->setText("www.acme.com");
            dialog.findChild<QLineEdit*>("txtBoil1")->setText("Acme Ltd");
            dialog.findChild<QLineEdit*>("txtBoil2")->setText("Web Team");
            dialog.findChild<QPlainTextEdit*>("txtBoil3")->setPlainText("Acme 2005");
            dialog.findChild<QLineEdit*>("txtBoil4")->setText(QString::fromStdString(folder.path()));
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        std::unique_ptr<MainWindow> window = wk::ui::StartMainWindow(ws);
        QCOMPARE(title, QString("BoilerPlate"));
        QVERIFY(!windowShownFirst);
        QVERIFY(window);
        QCOMPARE(folder.read("boilerplate.sgt"), kStoredBoilerplate + folder.path() + "\r\n");

        // The first-run defaults are on display.
        QCOMPARE(window->windowTitle(), QString("Web Kestrane"));
        QCOMPARE(window->findChild<QLabel*>("lblAnchor")->text(), QString("Anchor: <BODY>"));
        QCOMPARE(window->findChild<QLabel*>("lblFilter")->text(), QString("Filter: ALL HTML Types"));
        QCOMPARE(window->findChild<QLabel*>("lblFilter")->toolTip(), QString("Filter: All HTML Types"));
        QVERIFY(!window->findChild<QCheckBox*>("chkExpert")->isChecked());
        for (int i = 0; i < 5; ++i) QVERIFY(!window->findChild<QCheckBox*>(QString("chkAdd%1").arg(i))->isChecked());
        auto* panels = window->findChild<wk::ui::StatusPanels*>();
        QCOMPARE(panels->panel(6)->text(), QString(" Do NOT Link to Tollivance "));
        QCOMPARE(panels->panel(2)->text(), QString("www.acme.com "));
    }

    void quittingInTheFirstBoilerplateDialogOpensNoWindow() {
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        prompt.yesNoAnswers = {true};
        wk::Workspace ws(folder.path(), prompt);
        WhenBoilerplateOpens([](BoilerplateDialog& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        QVERIFY(!wk::ui::StartMainWindow(ws));
        QCOMPARE(prompt.asked.at(0).title, std::string("Quit Web Kestrane?"));
    }

    void everyButtonCarriesItsCaptionOrTooltip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, bool picture, const char* text) {
            QTest::newRow(name) << QString(name) << picture << QString(text);
        };
        row("cmdNew", true, "Create New Menu or Menu Item");
        row("cmdOpen", true, "Edit an existing menu or menu item");
        row("cmdDelete", true, "Incinerate existing menu or menu item");
        row("cmdUp", true, "Move selected item or menu up");
        row("cmdDown", true, "Move selected item or menu down");
        row("cmdBoil", true, "Alter the current boilerplate");
        row("cmdBrowse", false, "Browse Page");
        row("cmdBrws", true, "Browse your computer or network to load the web page you wish to upgrade");
        row("cmdCat", true, "Change the current page Category (metatag)");
        row("cmdCommit", false, "Commit Changes");
        row("cmdCom", true,
            "Rewrite current web page to include the menu, menu design, and metatags currently specified");
        row("cmdPreview", true,
            "Preview web page - Web Kestrane uses server-side technology to streamline site structure, which "
            "cannot be viewed without the presence of a server or Tollivance Server Emulator");
        row("cmdAnchor", false, "Set Anchor");
        row("cmdFilter", false, "Filter to one extension");
        row("chkExpert", false, "Expert Mode");
        row("cmdUpgrade", false, "Upgrade ALL pages in Entire Web Site");
        row("cmdRemove", false, "Remove ALL Tollivance Menus From Entire Site");
        row("cmdHelp", false, "Click HERE for Help using this program");
        row("cmdHlp", true, "Click HERE for Help using this program");
        row("cmdAbout", true, "About Tollivance Web Kestrane");
        row("Magnifier", true, "Magnify");
        row("chkAdd0", false, "BoilerPlate");
        row("chkAdd1", false, "Menu");
        row("chkAdd2", false, "Keywords Metatag");
        row("chkAdd3", false, "Description Metatag");
        row("chkAdd4", false, "Category Metatag");
    }
    void everyButtonCarriesItsCaptionOrTooltip() {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QFETCH(QString, text);
        Fixture f;
        auto* button = f.find<QAbstractButton>(name.toUtf8().constData());
        QVERIFY(button);
        QCOMPARE(picture ? button->toolTip() : button->text(), text);
        if (picture) QVERIFY(!button->icon().isNull());
    }

    void theOtherControlsAreThere() {
        Fixture f;
        QVERIFY(f.find<QCheckBox>("chkTip"));
        QVERIFY(f.find<QLineEdit>("txtPage"));
        QVERIFY(f.find<QListWidget>("lstWords"));
        QVERIFY(f.find<QPlainTextEdit>("txtDescription"));
        QVERIFY(f.find<QWidget>("cmbDescription"));
        QVERIFY(f.find<QStatusBar>("SB"));
        QCOMPARE(f.find<QWidget>("chkAdd0")->parentWidget()->property("title").toString(), QString("Overwrite or Add:"));
        const QStringList tips = {"Page Category", "Web Site URL", "Organisation", "Author", "Copyright",
                                  "To Credit or Not to Credit the Menu Design...?"};
        for (int n = 1; n <= 6; ++n) QCOMPARE(f.panel(n)->toolTip(), tips[n - 1]);
    }

    void theMenuBarHoldsEveryEntryInOrder() {
        Fixture f;
        const QStringList expected = {
            "File", "Open Web Page", "Save Changes to Web Page", "Preview Web Page", "-", "Exit Web Kestrane",
            "Edit", "BoilerPlate", "Selected Menu Item", "Category metatag",
            "Menu Builder", "New Menu or Item", "Open Selected Menu or Item", "-", "Move Selected Item UP",
            "Move Selected Item DOWN", "Delete Selected item",
            "Expert Mode", "Show", "Remove All Web Kestrane Menus", "Set Menu Anchor in HTML",
            "Filter for Specific Web Page Extension", "Apply Changes to Entire web site",
            "Help", "About Web Kestrane", "Enable Tips", "Get Detailed Help NOW", "Topics"};
        QStringList shown;
        for (QAction* top : f.window->menuBar()->actions()) {
            shown << top->text().remove('&');
            for (QAction* entry : top->menu()->actions()) shown << (entry->isSeparator() ? "-" : entry->text());
        }
        QCOMPARE(shown, expected);
        const QStringList names = {"mnuOpen", "mnuSave", "mnuPreview", "mnuone", "mnuExit", "mnuBoilerPlate",
                                   "mnumenu", "mnuCategory", "mnuNew", "mnuSet", "mnutwo", "mnuUp", "mnudown",
                                   "mnuDelete", "mnuShow", "mnuRemove", "mnuAnchor", "mnuFilter",
                                   "mnuUpgradeALL", "mnuAbout", "mnuTips", "HelpMe", "mnuTopics"};
        for (const QString& name : names) QVERIFY2(f.window->findChild<QAction*>(name), qPrintable(name));
        const std::pair<const char*, QKeySequence> keys[] = {
            {"mnuOpen", QKeySequence("Ctrl+O")}, {"mnuSave", QKeySequence("Ctrl+S")},
            {"mnuPreview", QKeySequence("Ctrl+P")}, {"mnuNew", QKeySequence("Ctrl+N")},
            {"mnuDelete", QKeySequence(Qt::Key_Delete)}, {"mnuUp", QKeySequence("Alt+Up")},
            {"mnudown", QKeySequence("Alt+Down")}, {"HelpMe", QKeySequence(Qt::Key_F1)}};
        for (const auto& [name, key] : keys) QCOMPARE(f.find<QAction>(name)->shortcut(), key);
    }

    void deleteIncineratesOnlyFromTheMenuBuilder() {
        Fixture f;
        QVERIFY(wk::AddNode(f.ws, {true, "Shop", "www.acme.com/shop.html"}));
        f.window->findChild<wk::ui::MenuBuilderPanel*>()->reload();
        f.activate();
        auto* words = f.find<QListWidget>("lstWords");
        words->setFocus();
        QTest::keyClick(words, Qt::Key_Delete);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{0});
        auto* tree = f.find<QWidget>("TV");
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{1});  // asks before incinerating a menu
    }

    void theWholeWindowShowsAt1024By700_data() {
        QTest::addColumn<bool>("expert");
        QTest::newRow("plain") << false;
        QTest::newRow("expert") << true;  // the expert's commands make columns 1 and 3 taller
    }
    void theWholeWindowShowsAt1024By700() {
        QFETCH(bool, expert);
        wk::test::TempFolder folder;
        folder.write("boilerplate.sgt", std::string(kStoredBoilerplate) + "/srv/site/\r\n");
        folder.write("expert.sgt", expert ? "1\r\n" : "0\r\n");
        folder.write("default.mnu", "");  // the large display, with its larger fonts
        wk::ScriptedPrompt prompt;
        wk::Workspace ws(folder.path(), prompt);
        auto window = wk::ui::StartMainWindow(ws);
        window->show();
        // Measured as the window first shows: it takes its size from what it measures then.
        const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
        QVERIFY2(least.width() <= 1024 && least.height() <= 700,
                 qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
        QCOMPARE(window->size(), QSize(1024, 700));
        // The stored expert mode and the menu file's large display are on from the start.
        QCOMPARE(window->findChild<QCheckBox*>("chkExpert")->isChecked(), expert);
        QCOMPARE(window->findChild<QAction*>("mnuShow")->isChecked(), expert);
        QCOMPARE(window->findChild<QToolButton*>("Magnifier")->toolTip(), QString("Shrink"));
        QCOMPARE(window->findChild<QWidget*>("txtDescription")->font().pointSize(), 12);

        // Nothing is cut off or has to be scrolled to.
        QStringList controls = {"Picture1", "cmbElement", "cmbFont", "cmbSize", "chkBold", "chkItalic",
                                "txtColor1", "cmdColor1", "txtColor0", "cmdColor0", "TV", "cmdDown",
                                "chkAdd4", "chkExpert", "cmdCommit", "cmdHelp", "chkTip"};
        if (expert) controls << "cmdAnchor" << "cmdFilter" << "cmdUpgrade" << "cmdRemove";
        for (const QString& name : controls) {
            auto* control = window->findChild<QWidget*>(name);
            QVERIFY2(control && control->isVisible(), qPrintable(name));
            // Not squeezed below what it needs (a size set in code counts over the hint).
            QSize least = control->minimumSizeHint();
            if (control->minimumWidth() > 0) least.setWidth(control->minimumWidth());
            if (control->minimumHeight() > 0) least.setHeight(control->minimumHeight());
            const int leastHeight = control->hasHeightForWidth() ? control->heightForWidth(control->width())
                                                                 : least.height();
            QVERIFY2(control->width() >= least.width() && control->height() >= leastHeight, qPrintable(name));
            QCOMPARE(control->visibleRegion().boundingRect(), control->rect());
        }
        // The preview keeps its shape at the width it gets.
        auto* picture = window->findChild<QWidget*>("Picture1");
        QCOMPARE(picture->height(), picture->heightForWidth(picture->width()));
    }

    void tabReachesEveryControlInTheOrderTheyStand() {
        Fixture f;
        f.click("chkExpert");  // all commands on show
        const QList<QWidget*> chain = TabChain(f.window.get());
        for (QAbstractButton* button : f.window->findChildren<QAbstractButton*>()) {
            // Unnamed: the toolbar's copies of menu entries, which have their keys.
            if (button->objectName().isEmpty() || !button->isVisible() || !button->isEnabled()) continue;
            QVERIFY2(chain.contains(button), qPrintable(button->objectName()));
        }
        // The status bar's commands have no other way in from the keyboard.
        for (int n = 1; n <= 6; ++n) QVERIFY(chain.contains(f.panel(n)));
        // Left to right, column by column, then the status bar.
        const char* const order[] = {"chkAdd0", "chkExpert", "cmdAnchor", "cmdFilter", "cmbElement", "cmbFont",
                                     "cmbSize",  "chkBold",   "chkItalic", "cmdColor1", "cmdColor0",  "TV",
                                     "cmdNew",   "cmdDown",   "txtPage",   "cmdCommit", "cmdUpgrade", "cmdRemove",
                                     "cmdHelp",  "SBPanel1",  "SBPanel6"};
        for (std::size_t i = 1; i < std::size(order); ++i) {
            const qsizetype before = chain.indexOf(f.find<QWidget>(order[i - 1]));
            const qsizetype after = chain.indexOf(f.find<QWidget>(order[i]));
            QVERIFY2(before >= 0 && before < after, order[i]);
        }
    }

    void aStatusPanelAnswersSpaceAndEnter() {
        Fixture f;
        f.activate();
        f.panel(6)->setFocus();
        QTest::keyClick(f.panel(6), Qt::Key_Space);
        QVERIFY(f.ws.status.credits);
        QTest::keyClick(f.panel(6), Qt::Key_Return);
        QVERIFY(!f.ws.status.credits);
        QTest::keyClick(f.panel(6), Qt::Key_A);  // other keys do nothing
        QVERIFY(!f.ws.status.credits);
    }

    void theShortcutsRunTheirCommandsFromAnywhere() {
        Fixture f;
        f.activate();
        auto* description = f.find<QPlainTextEdit>("txtDescription");
        description->setFocus();
        QTest::keyClick(description, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.prompt.count("file"), std::size_t{1});  // the page chooser
        QTest::keyClick(description, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(f.window->statusBar()->currentMessage().startsWith("The preview"));
        QTest::keyClick(description, Qt::Key_F1);
        QVERIFY(f.window->statusBar()->currentMessage().startsWith("The help"));
        QString opened;
        WhenDialogOpens<QDialog>([&](QDialog& dialog) {
            opened = dialog.windowTitle();
            dialog.reject();
        });
        QTest::keyClick(description, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!opened.isEmpty());  // the add dialog
        QVERIFY(f.ws.tree.empty());
    }

    void treeKeysMoveNodesOnlyFromTheMenuBuilder() {
        Fixture f;
        QVERIFY(wk::AddNode(f.ws, {true, "Shop", "www.acme.com/shop.html"}));
        QVERIFY(wk::AddNode(f.ws, {true, "News", "www.acme.com/news.html"}));
        auto labels = [&] {
            QStringList shown;
            for (wk::NodeId menu : f.ws.tree.menus()) shown << QString::fromStdString(f.ws.tree.node(menu).label);
            return shown;
        };
        const QStringList start = labels();
        f.window->findChild<wk::ui::MenuBuilderPanel*>()->reload();
        f.activate();
        // Alt+Down opens a list box elsewhere, and moves nothing.
        auto* font = f.find<QWidget>("cmbFont");
        font->setFocus();
        QTest::keyClick(font, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(labels(), start);
        QWidget* list = QApplication::activePopupWidget();
        QVERIFY(list);
        QTest::keyClick(list, Qt::Key_Escape);

        auto* tree = f.find<QWidget>("TV");
        tree->setFocus();
        const bool selectedFirst = f.ws.tree.selected() == f.ws.tree.menus().front();
        QTest::keyClick(tree, selectedFirst ? Qt::Key_Down : Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(labels(), (QStringList{start[1], start[0]}));
        QTest::keyClick(tree, selectedFirst ? Qt::Key_Up : Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(labels(), start);
    }

    void expertModeShowsItsCommandsAndIsStored() {
        Fixture f;
        const char* const commands[] = {"cmdRemove", "cmdAnchor", "cmdFilter", "cmdUpgrade"};
        for (const char* name : commands) QVERIFY(f.find<QWidget>(name)->isHidden());
        QVERIFY(f.find<QWidget>("lblAnchor")->isHidden());
        QCOMPARE(f.folder.read("expert.sgt"), std::string("0\r\n"));  // start-up runs the toggle once

        f.click("chkExpert");
        for (const char* name : commands) {
            QVERIFY2(!f.find<QWidget>(name)->isHidden(), name);
            QVERIFY2(f.find<QWidget>(name)->isEnabled(), name);
        }
        QVERIFY(!f.find<QWidget>("lblAnchor")->isHidden());
        QVERIFY(!f.find<QWidget>("lblFilter")->isHidden());
        QVERIFY(f.find<QAction>("mnuShow")->isChecked());
        QCOMPARE(f.folder.read("expert.sgt"), std::string("1\r\n"));

        f.trigger("mnuShow");  // the menu entry flips the box
        QVERIFY(!f.find<QCheckBox>("chkExpert")->isChecked());
        QVERIFY(!f.find<QAction>("mnuShow")->isChecked());
        for (const char* name : commands) {
            QVERIFY2(f.find<QWidget>(name)->isHidden(), name);
            QVERIFY2(!f.find<QWidget>(name)->isEnabled(), name);
        }
        QVERIFY(f.find<QWidget>("lblFilter")->isHidden());
        QCOMPARE(f.folder.read("expert.sgt"), std::string("0\r\n"));
    }

    void theOptionBoxesWriteOptionsAbn() {
        Fixture f;
        f.click("chkAdd1");
        f.click("chkAdd2");
        QCOMPARE(f.folder.read("Options.abn"), std::string("01100\r\n"));
        f.click("chkAdd1");  // unticking is passed on too
        QCOMPARE(f.folder.read("Options.abn"), std::string("00100\r\n"));
    }

    void anchorAndFilterAnswersShowInTheirLabels() {
        Fixture f;
        f.click("chkExpert");
        f.prompt.inputAnswers = {std::string("body"), std::string("php"), std::string("ALL")};
        f.click("cmdAnchor");
        QCOMPARE(f.find<QLabel>("lblAnchor")->text(), QString("Anchor: <body>"));
        QCOMPARE(f.find<QLabel>("lblAnchor")->toolTip(), QString("Anchor: <body>"));
        f.trigger("mnuFilter");  // the menu entry runs the button's operation
        QCOMPARE(f.find<QLabel>("lblFilter")->text(), QString("Filter: *.php"));
        QCOMPARE(f.prompt.asked.at(1).title, std::string("Filter Extension Selection"));
        f.click("cmdFilter");
        QCOMPARE(f.find<QLabel>("lblFilter")->text(), QString("Filter: ALL HTML Types"));
    }

    void statusPanelsChangeCategoryCreditsAndBoilerplate() {
        Fixture f;
        f.prompt.inputAnswers = {std::string("News")};
        QTest::mouseClick(f.panel(1), Qt::LeftButton);
        QCOMPARE(f.panel(1)->text(), QString("News"));

        QTest::mouseClick(f.panel(6), Qt::LeftButton);
        QCOMPARE(f.panel(6)->text(), QString(" Link to Tollivance "));
        QCOMPARE(f.panel(6)->frameShadow(), QFrame::Raised);
        QTest::mouseClick(f.panel(6), Qt::LeftButton);
        QCOMPARE(f.panel(6)->text(), QString(" Do NOT Link to Tollivance "));
        QCOMPARE(f.panel(6)->frameShadow(), QFrame::Sunken);

        for (int n = 2; n <= 5; ++n) {
            bool opened = false;
            WhenBoilerplateOpens([&](BoilerplateDialog& dialog) {
                opened = true;
                dialog.findChild<QLineEdit*>("txtBoil1")->setText(QString("Org %1").arg(n));
                QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            });
            QTest::mouseClick(f.panel(n), Qt::LeftButton);
            QVERIFY(opened);
            QCOMPARE(f.panel(3)->text(), QString("Org %1 ").arg(n));
        }
    }

    void theCategoryButtonAsksForTheCategory() {
        Fixture f;
        f.prompt.inputAnswers = {std::string("Music"), std::string()};
        f.click("cmdCat");
        QCOMPARE(f.prompt.asked.at(0).text, std::string("Enter the desired Category"));
        QCOMPARE(f.panel(1)->text(), QString("Music"));
        f.trigger("mnuCategory");  // an empty answer keeps the category
        QCOMPARE(f.panel(1)->text(), QString("Music"));
    }

    void theMagnifierSwitchesTheFontsAndItsTooltip() {
        Fixture f;
        auto* magnifier = f.find<QToolButton>("Magnifier");
        QCOMPARE(f.find<QWidget>("txtPage")->font().pointSize(), 8);  // no menu file: small
        f.click("Magnifier");
        QCOMPARE(magnifier->toolTip(), QString("Shrink"));
        QVERIFY(f.ws.magnified);
        for (const char* name : {"txtPage", "lstWords", "txtDescription"})
            QCOMPARE(f.find<QWidget>(name)->font().pointSize(), 12);
        f.click("Magnifier");
        QCOMPARE(magnifier->toolTip(), QString("Magnify"));
        QCOMPARE(f.find<QWidget>("lstWords")->font().pointSize(), 8);
    }

    void aTypedPageLoadsWhenTypingEndsAndIsCommittedUnderItsShtmlName() {
        wk::test::TempFolder site;
        Fixture f(site.path());
        const std::string page = "<html><head><title>Jazz</title></head><body><p>Jazz quiz: jazz!</p></body></html>";
        site.write("index.html", page);
        f.click("chkAdd1");  // Menu
        f.click("chkAdd4");  // Category, which the page lacks
        auto* box = f.find<QLineEdit>("txtPage");
        box->setFocus();
        QTest::keyClicks(box, QString::fromStdString(site.file("index.html")));
        QVERIFY(f.ws.page.path.empty());  // nothing loads key by key
        QTRY_COMPARE(f.ws.page.text, page);  // the pause loads it, without asking
        QVERIFY(f.prompt.asked.empty());
        f.prompt.inputAnswers = {std::string("Music")};
        QTest::keyClick(box, Qt::Key_Return);  // Enter asks
        QCOMPARE(f.prompt.count("input"), std::size_t{1});
        QCOMPARE(f.panel(1)->text(), QString("Music"));
        f.click("cmdCom");
        QVERIFY(site.exists("index.shtml"));
        QVERIFY(site.exists("_/0.css"));
        QCOMPARE(box->text(), QString::fromStdString(site.file("index.shtml")));
    }

    void theDescriptionBoxEditsThePagesDescription() {
        Fixture f;
        auto* description = f.find<QPlainTextEdit>("txtDescription");
        description->setFocus();
        QTest::keyClicks(description, "A quiz");
        QCOMPARE(f.ws.page.description, std::string("A quiz"));
    }

    void settingsThatCannotBeSavedAreSaidOnce() {
        wk::test::TempFolder folder;
        folder.write("not-a-folder", "x");
        wk::ScriptedPrompt prompt;
        wk::Workspace ws(folder.file("not-a-folder") + "/", prompt);
        ws.status.siteUrl = "www.acme.com ";
        MainWindow window(ws);
        window.show();
        Click(window.findChild<QCheckBox*>("chkExpert"));
        QCOMPARE(prompt.count("message"), std::size_t{1});
        QVERIFY(prompt.asked.at(0).text.find("Settings cannot be saved") != std::string::npos);
        Click(window.findChild<QCheckBox*>("chkAdd0"));
        QCOMPARE(prompt.count("message"), std::size_t{1});
        QVERIFY(ws.notices.empty());
        QVERIFY(ws.options.expert);  // the value in memory holds for this run
    }

    void aStyleThatCannotBeSavedIsSaidAtOnce() {
        wk::test::TempFolder folder;
        folder.write("not-a-folder", "x");
        wk::ScriptedPrompt prompt;
        wk::Workspace ws(folder.file("not-a-folder") + "/", prompt);
        MainWindow window(ws);
        window.show();
        Click(window.findChild<QCheckBox*>("chkItalic"));  // the designer saves menu.ufm
        QCOMPARE(prompt.count("message"), std::size_t{1});
        QVERIFY(prompt.asked.at(0).text.find("Settings cannot be saved") != std::string::npos);
        QVERIFY(ws.notices.empty());
    }

    void laterCommandsSayTheyComeLater() {
        Fixture f;
        for (const char* name : {"cmdPreview", "cmdHlp", "cmdAbout"}) {
            f.window->statusBar()->clearMessage();
            f.click(name);
            QVERIFY2(f.window->statusBar()->currentMessage().contains("later version"), name);
        }
        QVERIFY(!f.find<QWidget>("chkTip")->isEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
