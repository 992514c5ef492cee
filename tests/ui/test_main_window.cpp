// The main window: start-up on an empty settings folder, the window's size
// and keyboard access, and the binding of its controls, menu entries, keys
// and status bar panels to the workspace's commands (which the core tests
// prove); what cannot be saved; the wrapping captions of its buttons.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <map>

#include "widget_tests.h"
#include "app/commands_menu.h"
#include "app/page.h"
#include "support/scratch_workspace.h"
#include "ui/boilerplate_dialog.h"
#include "ui/elided_label.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/menu_builder_panel.h"
#include "ui/path_box.h"
#include "ui/start_window.h"
#include "ui/status_panels.h"
#include "ui/wrapping_button.h"

using wk::ui::BoilerplateDialog;
using wk::ui::MainWindow;

namespace {

const char* const kStoredBoilerplate = "www.acme.com\r\nAcme Ltd\r\nWeb Team\r\nAcme 2005\r\n";

// Runs action on the first dialog of type T that opens while the caller waits in it.
template <typename T>
void WhenDialogOpens(std::function<void(T&)> action) {
    auto* timer = new QTimer(qApp);  // gone with the application when no dialog opens
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

// A check box reacts to clicks on its box and caption only, so click near its left edge.
void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    struct Fixture : wk::test::ScratchWorkspace {
        // The stored boilerplate names site as the local source, by default the settings folder; files
        // are written into the settings folder after it.
        explicit Fixture(const std::string& site = {}, const std::map<std::string, std::string>& files = {}) {
            folder.write("boilerplate.sgt", kStoredBoilerplate + (site.empty() ? folder.path() : site) + "\r\n");
            for (const auto& [name, text] : files) folder.write(name, text);
            window = wk::ui::StartMainWindow(ws);
            window->show();  // clicks need laid-out widgets
        }
        std::unique_ptr<MainWindow> window;

        template <typename T = QWidget>
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
        // The page the help window shows.
        QString helpPage() const { return window->findChild<wk::ui::HelpWindow*>()->currentPage(); }
        // The menus' labels, left to right.
        QStringList menus() const {
            QStringList shown;
            for (wk::NodeId menu : ws.tree.menus()) shown << QString::fromStdString(ws.tree.node(menu).label);
            return shown;
        }
    };

private slots:
    void initTestCase() { wk::ui::SetHelpFolder(WK_HELP_DIR); }

    // OK, or Cancel and then Yes to quitting.
    void aFirstRunAsksForTheBoilerplateBeforeTheWindowShows() {
        for (bool quit : {false, true}) {
            wk::test::TempFolder folder;
            wk::ScriptedPrompt prompt;
            prompt.yesNoAnswers = {quit};
            wk::Workspace ws(folder.path(), prompt);
            bool windowShownFirst = true;
            WhenDialogOpens<BoilerplateDialog>([&](BoilerplateDialog& dialog) {
                windowShownFirst = false;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (qobject_cast<MainWindow*>(w) && w->isVisible()) windowShownFirst = true;
                const QStringList entries = {"www.acme.com", "Acme Ltd", "Web Team", "",
                                             QString::fromStdString(folder.path())};
                for (int i : {0, 1, 2, 4})
                    dialog.findChild<QLineEdit*>(QString("txtBoil%1").arg(i))->setText(entries[i]);
                dialog.findChild<QPlainTextEdit*>("txtBoil3")->setPlainText("Acme 2005");
                QTest::mouseClick(dialog.findChild<QPushButton*>(quit ? "cmdCancel" : "cmdOK"), Qt::LeftButton);
            });
            std::unique_ptr<MainWindow> window = wk::ui::StartMainWindow(ws);
            QVERIFY(!windowShownFirst);
            QCOMPARE(bool(window), !quit);
            if (!quit) QCOMPARE(window->findChild<wk::ui::StatusPanels*>()->panel(2)->text(), QString("www.acme.com "));
        }
    }

    // The expert's commands make columns 1 and 3 taller.
    void theWholeWindowShowsAt1024By700() {
        for (bool expert : {false, true}) {
            // A menu file: the large display, with its larger fonts.
            Fixture f("/srv/site/", {{"expert.sgt", expert ? "1\r\n" : "0\r\n"}, {"default.mnu", ""}});
            const auto& window = f.window;
            // Measured as the window first shows: it takes its size from what it measures then.
            const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
            QVERIFY2(least.width() <= 1024 && least.height() <= 700,
                     qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
            QCOMPARE(window->size(), QSize(1024, 700));
            // The stored expert mode and the menu file's large display are on from the start.
            QCOMPARE(window->findChild<QCheckBox*>("chkExpert")->isChecked(), expert);
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
    }

    // Long captions wrap, onto two lines at the most, so that they leave the columns narrow.
    void aLongButtonCaptionWrapsOntoTwoLinesAtTheMost() {
        wk::ui::WrappingButton button("Remove ALL Tollivance Menus From Entire Site");
        const int least = button.minimumSizeHint().width();
        QVERIFY(least < button.sizeHint().width() * 2 / 3);
        const int oneLine = button.heightForWidth(button.sizeHint().width());
        const int twoLines = button.heightForWidth(least);
        QVERIFY(twoLines > oneLine && twoLines <= oneLine + button.fontMetrics().lineSpacing() + 1);
        QCOMPARE(button.minimumSizeHint().height(), twoLines);
        QVERIFY(button.heightForWidth(least - 2) > twoLines);  // any narrower needs a third line
        wk::ui::WrappingButton word("Commit");
        QCOMPARE(word.minimumSizeHint().width(), word.sizeHint().width());
    }

    void tabReachesEveryControlInTheOrderTheyStand() {
        Fixture f;
        f.click("chkExpert");  // all commands on show
        QList<QWidget*> chain;
        for (QWidget* w = f.window->nextInFocusChain(); w != f.window.get(); w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) chain << w;
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
            const qsizetype before = chain.indexOf(f.find(order[i - 1]));
            const qsizetype after = chain.indexOf(f.find(order[i]));
            QVERIFY2(before >= 0 && before < after, order[i]);
        }
    }

    void theShortcutsRunTheirCommandsFromAnywhere() {
        Fixture f;
        f.activate();
        auto* description = f.find<QPlainTextEdit>("txtDescription");
        description->setFocus();
        QTest::keyClick(description, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.prompt.count("file"), std::size_t{1});  // the page chooser
        QTest::keyClick(description, Qt::Key_P, Qt::ControlModifier);  // Print, which nothing here does
        QCOMPARE(f.prompt.count("file"), std::size_t{1});
        QTest::keyClick(description, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.prompt.count("file"), std::size_t{2});  // no page named: the preview asks for one
        QTest::keyClick(description, Qt::Key_F1);
        QCOMPARE(f.helpPage(), QString("index.html"));  // no topic chosen yet: the contents
        bool opened = false;
        WhenDialogOpens<QDialog>([&](QDialog& dialog) {
            opened = true;
            dialog.reject();
        });
        QTest::keyClick(description, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(opened);  // the add dialog
        QVERIFY(f.ws.tree.empty());
    }

    // Elsewhere the keys keep their meaning: Delete in a box, Alt+Down opening a list box.
    void treeKeysMoveAndIncinerateOnlyFromTheMenuBuilder() {
        Fixture f;
        QVERIFY(wk::AddNode(f.ws, {true, "Shop", "www.acme.com/shop.html"}));
        QVERIFY(wk::AddNode(f.ws, {true, "News", "www.acme.com/news.html"}));
        const QStringList start = f.menus();
        f.window->findChild<wk::ui::MenuBuilderPanel*>()->reload();
        f.activate();
        auto* words = f.find("lstWords");
        words->setFocus();
        QTest::keyClick(words, Qt::Key_Delete);
        auto* font = f.find("cmbFont");
        font->setFocus();
        QTest::keyClick(font, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(f.menus(), start);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{0});
        QWidget* list = QApplication::activePopupWidget();
        QVERIFY(list);
        QTest::keyClick(list, Qt::Key_Escape);

        auto* tree = f.find("TV");
        tree->setFocus();
        const bool selectedFirst = f.ws.tree.selected() == f.ws.tree.menus().front();
        QTest::keyClick(tree, selectedFirst ? Qt::Key_Down : Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(f.menus(), (QStringList{start[1], start[0]}));
        QTest::keyClick(tree, selectedFirst ? Qt::Key_Up : Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(f.menus(), start);
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(f.prompt.count("yesno"), std::size_t{1});  // asks before incinerating a menu
    }

    void expertModeShowsItsCommands() {
        Fixture f;
        const char* const commands[] = {"cmdRemove", "cmdAnchor", "cmdFilter", "cmdUpgrade", "lblAnchor", "lblFilter"};
        for (int shown : {0, 1, 0}) {
            if (shown) f.click("chkExpert");
            else if (f.find<QCheckBox>("chkExpert")->isChecked()) f.trigger("mnuShow");  // the entry flips the box
            QCOMPARE(f.find<QCheckBox>("chkExpert")->isChecked(), bool(shown));
            QCOMPARE(f.find<QAction>("mnuShow")->isChecked(), bool(shown));
            for (const char* name : commands) {
                QVERIFY2(f.find(name)->isHidden() != bool(shown), name);
                QVERIFY2(f.find(name)->isEnabled() == bool(shown) || name[0] == 'l', name);
            }
        }
    }

    void theOptionBoxesAndTheDescriptionReachTheWorkspace() {
        Fixture f;
        f.click("chkAdd1");
        f.click("chkAdd2");
        f.click("chkAdd1");  // unticking is passed on too
        QCOMPARE(f.folder.read("Options.abn"), std::string("00100\r\n"));
        auto* description = f.find<QPlainTextEdit>("txtDescription");
        description->setFocus();
        QTest::keyClicks(description, "A quiz");
        QCOMPARE(f.ws.page.description, std::string("A quiz"));
    }

    void improvedProposalsProposeTheLoadedPageAgain() {
        Fixture f;
        f.folder.write("shop.html", "<body><nav>Home. Shop.</nav><p>Welcome. Our shop sells jazz records.</p></body>");
        wk::LoadPage(f.ws, f.folder.file("shop.html"));
        f.trigger("mnuImprovedProposals");
        QCOMPARE(f.find<QPlainTextEdit>("txtDescription")->toPlainText(), QString("Our shop sells jazz records."));
    }

    void anchorAndFilterAnswersShowInTheirLabels() {
        Fixture f;
        f.click("chkExpert");
        f.prompt.inputAnswers = {std::string("body"), std::string("php"), std::string("ALL")};
        f.click("cmdAnchor");
        QCOMPARE(f.find<QLabel>("lblAnchor")->text(), QString("Anchor: <body>"));
        f.trigger("mnuFilter");  // the menu entry runs the button's operation
        QCOMPARE(f.find<QLabel>("lblFilter")->text(), QString("Filter: *.php"));
        f.click("cmdFilter");
        QCOMPARE(f.find<QLabel>("lblFilter")->text(), QString("Filter: ALL HTML Types"));
    }

    // The category: its panel, button and menu entry; the credits; the boilerplate's four.
    void statusPanelsAndTheCategoryCommandsRunTheirOperations() {
        Fixture f;
        f.prompt.inputAnswers = {std::string("News"), std::string("Music"), std::string("Jazz")};
        QTest::mouseClick(f.panel(1), Qt::LeftButton);
        QCOMPARE(f.panel(1)->text(), QString("News"));
        f.click("cmdCat");
        QCOMPARE(f.panel(1)->text(), QString("Music"));
        f.trigger("mnuCategory");
        QCOMPARE(f.panel(1)->text(), QString("Jazz"));

        QTest::mouseClick(f.panel(6), Qt::LeftButton);
        QVERIFY(f.ws.status.credits);
        QCOMPARE(f.panel(6)->frameShadow(), QFrame::Raised);
        QTest::mouseClick(f.panel(6), Qt::LeftButton);
        QCOMPARE(f.panel(6)->frameShadow(), QFrame::Sunken);
        // From the keyboard: Space and Enter click, other keys do nothing.
        f.activate();
        f.panel(6)->setFocus();
        QTest::keyClick(f.panel(6), Qt::Key_Space);
        QVERIFY(f.ws.status.credits);
        QTest::keyClick(f.panel(6), Qt::Key_Return);
        QTest::keyClick(f.panel(6), Qt::Key_A);
        QVERIFY(!f.ws.status.credits);

        for (int n = 2; n <= 5; ++n) {
            WhenDialogOpens<BoilerplateDialog>([&](BoilerplateDialog& dialog) {
                dialog.findChild<QLineEdit*>("txtBoil1")->setText(QString("Org %1").arg(n));
                QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            });
            QTest::mouseClick(f.panel(n), Qt::LeftButton);
            QCOMPARE(f.panel(3)->text(), QString("Org %1 ").arg(n));
        }
    }

    // A text too long for its box is cut with "…" and shown whole in the
    // tooltip; an empty category panel still says what it is for; the page box
    // shows the path's end until the user works in it.
    void longTextsAreCutAndShownWholeInTheirTooltips() {
        const std::string site = "/srv/" + std::string(60, 's') + "/";
        const std::string entry(120, 'x');
        const Fixture f({}, {{"boilerplate.sgt", "www." + entry + "\r\n" + entry + "\r\n" + entry + "\r\n" + entry +
                                                     "\r\n" + site + "\r\n"}});
        const auto& window = f.window;
        QList<wk::ui::ElidedLabel*> labels = window->findChildren<wk::ui::ElidedLabel*>();
        int cut = 0;
        for (wk::ui::ElidedLabel* label : labels) {
            if (!label->elided()) continue;
            ++cut;
            QVERIFY2(label->toolTip().endsWith(label->text()), qPrintable(label->text()));
        }
        QVERIFY(cut >= 9);  // five boilerplate entries, four status panels

        auto* category = window->findChild<wk::ui::StatusPanels*>()->panel(1);
        QVERIFY(category->text().isEmpty());
        const QImage painted = category->grab(category->contentsRect()).toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x) colours.insert(painted.pixel(x, y));
        QVERIFY(colours.size() > 2);  // more than a blank box

        auto* page = window->findChild<wk::ui::PathBox*>("txtPage");
        const QString path = QString::fromStdString(site) + "events/apple-day.html";
        page->setText(path);
        window->findChild<QWidget*>("lstWords")->setFocus();
        QVERIFY(page->shownPath().startsWith(QString("\u2026/")));
        QVERIFY(page->shownPath().endsWith("/events/apple-day.html"));
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), page->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(page, &hover);
        QCOMPARE(page->toolTip(), path);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        page->setFocus();
        QCOMPARE(page->shownPath(), path);  // whole while typing
    }

    void theMagnifierSwitchesTheFonts() {
        Fixture f;
        QCOMPARE(f.find("txtPage")->font().pointSize(), 8);  // no menu file: small
        f.click("Magnifier");
        QVERIFY(f.ws.magnified);
        for (const char* name : {"txtPage", "lstWords", "txtDescription", "TV"})
            QCOMPARE(f.find(name)->font().pointSize(), 12);
        f.click("Magnifier");
        QCOMPARE(f.find("lstWords")->font().pointSize(), 8);
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
        QCOMPARE(box->text(), QString::fromStdString(site.file("index.shtml")));
    }

    // A failed save of the settings, or of the style from the designer, is said
    // at once, and once.
    void whatCannotBeSavedIsSaidAtOnceAndOnce() {
        for (const char* box : {"chkExpert", "chkItalic"}) {
            wk::test::TempFolder folder;
            folder.write("not-a-folder", "x");
            wk::ScriptedPrompt prompt;
            wk::Workspace ws(folder.file("not-a-folder") + "/", prompt);
            ws.status.siteUrl = "www.acme.com ";
            MainWindow window(ws);
            window.show();
            Click(window.findChild<QCheckBox*>(box));
            QVERIFY2(prompt.count("message") == 1, box);
            Click(window.findChild<QCheckBox*>("chkAdd0"));
            QCOMPARE(prompt.count("message"), std::size_t{1});
            QVERIFY(ws.notices.empty());
        }
    }

    // A Topics entry becomes the window's topic: both help buttons reopen it.
    void helpReopensTheTopicLastChosenFromTheTopicsMenu() {
        Fixture f;
        for (QAction* entry : f.window->findChildren<QAction*>())
            if (entry->text() == "Previewing your Work") entry->trigger();
        QCOMPARE(f.helpPage(), QString("preview.html"));
        for (const char* name : {"cmdHlp", "cmdHelp"}) {
            f.window->findChild<wk::ui::HelpWindow*>()->openTopic(0);
            f.click(name);
            QVERIFY2(f.helpPage() == "preview.html", name);
        }
        f.click("cmdAbout");
        QVERIFY(f.find("frmAbout")->isVisible());
    }

    void theTipsBoxAndMenuEntryAreOneSettingAndTheFirstActivationGreetsOnce() {
        Fixture f;
        auto* box = f.find<QCheckBox>("chkTip");
        const std::pair<std::function<void()>, bool> steps[] = {{[&] { f.click("chkTip"); }, true},
                                                                 {[&] { f.trigger("mnuTips"); }, false},
                                                                 {[&] { f.trigger("mnuTips"); }, true}};
        for (const auto& [step, on] : steps) {
            step();
            QCOMPARE(box->isChecked(), on);
            QCOMPARE(f.folder.read("tip.sgt"), std::string(on ? "1\r\n" : "0\r\n"));
        }
        int greetings = 0;
        f.window->greetOnActivation();
        for (int activation = 0; activation < 2; ++activation) {
            WhenDialogOpens<QDialog>([&](QDialog& tips) {
                greetings += tips.objectName() == "frmTips";
                tips.reject();
            });
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            f.window->activateWindow();  // the greeting's tips window takes the activation over at once
            QTest::qWait(200);
        }
        QCOMPARE(greetings, 1);
    }
};

WK_WIDGET_TEST(MainWindowTest)
#include "test_main_window.moc"
