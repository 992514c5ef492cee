// The main window's menu bar and toolbar: every entry runs exactly what its
// button runs.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/tips.h"
#include "assist/help_topics.h"
#include "app/commands_settings.h"
#include "ui/designer_panel.h"
#include "ui/icons.h"
#include "ui/main_window.h"
#include "ui/menu_builder_panel.h"
#include "ui/text_bridge.h"

namespace wk::ui {
namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

QAction* AddEntry(QMenu* menu, const char* name, const QString& text, const QList<QKeySequence>& keys = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcuts(keys);
    return action;
}

// The platform's own keys for a command it knows (Open, Save, New, Help...).
QList<QKeySequence> Standard(QKeySequence::StandardKey command) { return QKeySequence::keyBindings(command); }

void AddSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); }

// A menu entry shows "&" as typed, not as the mark of its access key.
QString EntryText(std::string_view text) { return ShownText(text).replace('&', "&&"); }

}  // namespace

void MainWindow::buildMenuBar() {
    QMenuBar* bar = menuBar();

    QMenu* file = AddMenu(bar, "mnuFile", "&File");
    connect(AddEntry(file, "mnuOpen", "Open Web Page", Standard(QKeySequence::Open)), &QAction::triggered,
            this, &MainWindow::browsePage);
    connect(AddEntry(file, "mnuSave", "Save Changes to Web Page", Standard(QKeySequence::Save)),
            &QAction::triggered, this, &MainWindow::commitPage);
    // Not Ctrl+P: that is Print everywhere, and the preview prints nothing.
    connect(AddEntry(file, "mnuPreview", "Preview Web Page", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}),
            &QAction::triggered, this, &MainWindow::previewPage);
    connect(AddEntry(file, "mnuRestoreSite", "Restore Site from Backup\u2026"), &QAction::triggered, this,
            &MainWindow::restoreSite);
    AddSeparator(file, "mnuone");
    connect(AddEntry(file, "mnuExit", "Exit Web Kestrane", Standard(QKeySequence::Quit)), &QAction::triggered, qApp,
            &QApplication::quit);

    QMenu* edit = AddMenu(bar, "mnuEdit", "&Edit");
    connect(AddEntry(edit, "mnuBoilerPlate", "BoilerPlate"), &QAction::triggered, this,
            &MainWindow::openBoilerplate);
    connect(AddEntry(edit, "mnumenu", "Selected Menu Item"), &QAction::triggered, this,
            [this] { runBuilder(&MenuBuilderPanel::editNode); });
    connect(AddEntry(edit, "mnuCategory", "Category metatag"), &QAction::triggered, this,
            &MainWindow::changeCategory);

    QMenu* builder = AddMenu(bar, "mnuBuilder", "&Menu Builder");
    QAction* newNode = AddEntry(builder, "mnuNew", "New Menu or Item", Standard(QKeySequence::New));
    QAction* openNode = AddEntry(builder, "mnuSet", "Open Selected Menu or Item");
    AddSeparator(builder, "mnutwo");
    QAction* up = AddEntry(builder, "mnuUp", "Move Selected Item UP", {QKeySequence(Qt::ALT | Qt::Key_Up)});
    QAction* down = AddEntry(builder, "mnudown", "Move Selected Item DOWN", {QKeySequence(Qt::ALT | Qt::Key_Down)});
    QAction* incinerate = AddEntry(builder, "mnuDelete", "Delete Selected item", Standard(QKeySequence::Delete));
    // Delete, Alt+Up and Alt+Down work on the tree only while the menu builder
    // has the focus, so that elsewhere the keys keep their ordinary meaning:
    // Delete in the page and description boxes, Alt+Down opening a list box.
    for (QAction* treeKey : {incinerate, up, down}) {
        treeKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        builder_->addAction(treeKey);
    }
    const std::pair<QAction*, void (MenuBuilderPanel::*)()> builderEntries[] = {
        {newNode, &MenuBuilderPanel::newNode},  {openNode, &MenuBuilderPanel::editNode},
        {up, &MenuBuilderPanel::moveUp},        {down, &MenuBuilderPanel::moveDown},
        {incinerate, &MenuBuilderPanel::deleteNode}};
    // The builder's own pictures, so that the toolbar and the builder's buttons match.
    static const char* const icons[] = {"new", "open", "up", "down", "delete"};
    static const char* const shortNames[] = {"New", "Edit", "Up", "Down", "Delete"};
    for (std::size_t i = 0; i < std::size(builderEntries); ++i) {
        auto [action, command] = builderEntries[i];
        action->setIcon(BuilderIcon(QString::fromLatin1(icons[i])));
        action->setIconText(shortNames[i]);
        action->setToolTip(action->text());
        connect(action, &QAction::triggered, this, [this, command] { runBuilder(command); });
    }

    QMenu* expert = AddMenu(bar, "mnuExpert", "E&xpert Mode");
    showExpert_ = AddEntry(expert, "mnuShow", "Show");
    showExpert_->setCheckable(true);
    // The entry flips the check box, whose handler does the rest.
    connect(showExpert_, &QAction::triggered, this, [this](bool on) { setExpertMode(on); });
    connect(AddEntry(expert, "mnuRemove", "Remove All Web Kestrane Menus"), &QAction::triggered, this,
            &MainWindow::removeMenus);
    connect(AddEntry(expert, "mnuAnchor", "Set Menu Anchor in HTML"), &QAction::triggered, this,
            &MainWindow::setAnchor);
    connect(AddEntry(expert, "mnuFilter", "Filter for Specific Web Page Extension"), &QAction::triggered, this,
            &MainWindow::setFilter);
    connect(AddEntry(expert, "mnuUpgradeALL", "Apply Changes to Entire web site"), &QAction::triggered, this,
            &MainWindow::upgradeSite);
    connect(AddEntry(expert, "mnuCheckLinks", "Check Links in Entire Web Site"), &QAction::triggered, this,
            &MainWindow::checkLinks);

    QMenu* options = AddMenu(bar, "mnuOptions", "&Options");
    QAction* improved = AddEntry(options, "mnuImprovedProposals", "Improved proposals");
    improved->setCheckable(true);
    improved->setChecked(ws_.options.proposals == ProposalMethod::Improved);
    connect(improved, &QAction::triggered, this, &MainWindow::setImprovedProposals);
    QAction* keyboard = AddEntry(options, "mnuKeyboardMenus", "Keyboard and touch friendly menus");
    keyboard->setCheckable(true);
    keyboard->setChecked(ws_.options.keyboardMenus);
    connect(keyboard, &QAction::triggered, this, &MainWindow::setKeyboardMenus);

    QMenu* help = AddMenu(bar, "mnuHelp", "&Help");
    connect(AddEntry(help, "mnuAbout", "About Web Kestrane"), &QAction::triggered, this, &MainWindow::showAbout);
    tipsEntry_ = AddEntry(help, "mnuTips", "Enable Tips");
    connect(tipsEntry_, &QAction::triggered, this, &MainWindow::toggleTips);
    connect(AddEntry(help, "mnuShowTips", "Tips of the Day..."), &QAction::triggered, this, [this] {
        OpenTips(ws_, ws_.tips.index);
        showTips();
    });
    connect(AddEntry(help, "HelpMe", "Get Detailed Help NOW", Standard(QKeySequence::HelpContents)),
            &QAction::triggered, this, &MainWindow::showHelp);
    QMenu* topics = help->addMenu("Topics");
    topics->menuAction()->setObjectName("mnuTopics");
    buildTopicsMenu(topics);
}

void MainWindow::buildTopicsMenu(QMenu* topics) {
    for (std::size_t g = 0; g < kHelpGroups.size(); ++g) {
        QMenu* group = topics->addMenu(EntryText(kHelpGroups[g].caption));
        group->menuAction()->setObjectName(ShownText(kHelpGroups[g].name));
        for (const HelpPage& page : HelpGroupPages(g))
            connect(group->addAction(EntryText(page.title)), &QAction::triggered, this,
                    [this, topic = page.topic] { openHelpTopic(topic); });
    }
}

void MainWindow::setImprovedProposals(bool on) {
    SetProposalMethod(ws_, on ? ProposalMethod::Improved : ProposalMethod::Classic);
    afterCommand();
}

void MainWindow::setKeyboardMenus(bool on) {
    SetKeyboardMenus(ws_, on);
    designer_->refresh();
    afterCommand();
}

QToolButton* MainWindow::addToolButton(const char* name, const QString& text, const QString& tooltip,
                                       IconKind icon, void (MainWindow::*slot)()) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tooltip);
    button->setIcon(ToolbarIcon(icon));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(button, &QToolButton::clicked, this, slot);
    return button;
}

void MainWindow::buildToolBar() {
    QToolBar* bar = addToolBar("Commands");
    bar->setObjectName("toolbar");
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const char* name : {"mnuNew", "mnuSet", "mnuDelete", "mnuUp", "mnudown"})
        bar->addAction(findChild<QAction*>(name));
    bar->addSeparator();
    bar->addWidget(addToolButton("cmdBoil", "Boilerplate", "Alter the current boilerplate", IconKind::Boilerplate,
                                 &MainWindow::openBoilerplate));
    bar->addWidget(addToolButton(
        "cmdBrws", "Browse", "Browse your computer or network to load the web page you wish to upgrade",
        IconKind::Browse, &MainWindow::browsePage));
    bar->addWidget(addToolButton("cmdCat", "Category", "Change the current page Category (metatag)",
                                 IconKind::Category, &MainWindow::changeCategory));
    bar->addWidget(addToolButton(
        "cmdCom", "Commit",
        "Rewrite current web page to include the menu, menu design, and metatags currently specified",
        IconKind::Commit, &MainWindow::commitPage));
    bar->addWidget(addToolButton("cmdPreview", "Preview",
                                 "Preview web page - Web Kestrane uses server-side technology to streamline site "
                                 "structure, which cannot be viewed without the presence of a server or Tollivance "
                                 "Server Emulator",
                                 IconKind::Preview, &MainWindow::previewPage));
    bar->addSeparator();
    bar->addWidget(addToolButton("cmdHlp", "Help", "Click HERE for Help using this program", IconKind::Help,
                                 &MainWindow::showHelp));
    bar->addWidget(addToolButton("cmdAbout", "About", "About Tollivance Web Kestrane", IconKind::About,
                                 &MainWindow::showAbout));
    magnifier_ = addToolButton("Magnifier", "Magnify", "Magnify", IconKind::Magnify, &MainWindow::toggleMagnifier);
    bar->addWidget(magnifier_);
}

}  // namespace wk::ui
