#include "ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/commands_settings.h"
#include "app/page.h"
#include "app/settings.h"
#include "app/tips.h"
#include "assist/about.h"
#include "ground/text.h"
#include "ui/designer_panel.h"
#include "ui/elided_label.h"
#include "ui/icons.h"
#include "ui/menu_builder_panel.h"
#include "ui/path_box.h"
#include "ui/status_panels.h"
#include "ui/text_bridge.h"
#include "ui/wrapping_button.h"

namespace wk::ui {
namespace {

// The heading of one of the three steps: a large number and its name.
QLabel* StepHeading(int number, const QString& name) {
    auto* heading = new QLabel(QString("<span style='font-size:18pt; font-weight:600; color:#1e88e5'>%1</span>"
                                       "&nbsp;&nbsp;<span style='font-size:12pt; font-weight:600'>%2</span>")
                                   .arg(number)
                                   .arg(name.toHtmlEscaped()));
    heading->setTextFormat(Qt::RichText);
    return heading;
}

QWidget* Column(int number, const QString& name, QLayout* content) {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(StepHeading(number, name));
    layout->addLayout(content, 1);
    return column;
}

// Captions wrap, so that the long ones leave the columns narrow.
WrappingButton* Button(const char* name, const QString& caption) {
    auto* button = new WrappingButton(caption);
    button->setObjectName(name);
    return button;
}

QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QStringList ShownTexts(const std::vector<std::string>& texts) {
    QStringList shown;
    for (const std::string& text : texts) shown << ShownText(text);
    return shown;
}

// Puts a text into a box without the box's own reaction to an edit, and only
// a different text, so that the caret stays where the user types.
template <typename Box>
void ShowQuietly(Box* box, QString (Box::*shown)() const, void (Box::*show)(const QString&), const QString& text) {
    if ((box->*shown)() == text) return;
    const QSignalBlocker quiet(box);
    (box->*show)(text);
}

}  // namespace

MainWindow::MainWindow(Workspace& ws, QWidget* parent) : QMainWindow(parent), ws_(ws) {
    setObjectName("Form1");
    setWindowTitle(ShownText(MainWindowCaption(ProgramVersion())));

    designer_ = new DesignerPanel(ws_);
    builder_ = new MenuBuilderPanel(ws_);
    // The designer saves menu.ufm and the builder's own buttons default.mnu.
    connect(designer_, &DesignerPanel::styleChanged, this, &MainWindow::showNotices);
    connect(builder_, &MenuBuilderPanel::treeChanged, this, &MainWindow::showNotices);
    buildMenuBar();
    buildToolBar();

    QWidget* const steps[] = {buildSetUpColumn(), buildDesignColumn(), buildCommitColumn()};
    panels_ = new StatusPanels;
    connect(panels_, &StatusPanels::panelClicked, this, &MainWindow::statusPanelClicked);

    // Everything on display before the columns are first measured: until the
    // window is shown, layouts keep what they measured, even of controls
    // hidden since.
    showWorkspace();
    showMagnifier();
    builder_->reload();
    designer_->refresh();

    auto* columns = new QSplitter(Qt::Horizontal);
    columns->setChildrenCollapsible(false);
    for (QWidget* step : steps) columns->addWidget(step);
    // The outer columns start as narrow as their contents allow, the designer
    // taking the rest; a larger window widens each in proportion.
    const int setUp = steps[0]->minimumSizeHint().width(), commit = steps[2]->minimumSizeHint().width();
    columns->setSizes({setUp, 1024 - setUp - commit, commit});
    setCentralWidget(columns);
    // After the columns, so that Tab reaches the status bar last.
    statusBar()->setObjectName("SB");
    statusBar()->addWidget(panels_, 1);
    resize(1024, 700);
    // What start-up could not save is said once the window is up.
    QTimer::singleShot(0, this, &MainWindow::showNotices);
}

QWidget* MainWindow::buildSetUpColumn() {
    auto* content = new QVBoxLayout;

    auto* boilerplateBox = new QGroupBox("Boilerplate");
    auto* summary = new QFormLayout(boilerplateBox);
    summary->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // Each entry under its name, so that the column can stay narrow.
    summary->setRowWrapPolicy(QFormLayout::WrapAllRows);
    summary->setVerticalSpacing(2);
    static const char* const names[] = {"Site URL:", "Organisation:", "Author:", "Copyright:", "Local source:"};
    for (std::size_t i = 0; i < boilerplate_.size(); ++i) {
        boilerplate_[i] = new ElidedLabel;
        // Long entries are cut at the column's edge; the tooltip shows them whole.
        boilerplate_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        auto* name = new QLabel(names[i]);
        name->setForegroundRole(QPalette::PlaceholderText);  // quieter than the entry under it
        summary->addRow(name, boilerplate_[i]);
    }
    // A path keeps its last folder in sight.
    boilerplate_.back()->setElideMode(Qt::ElideMiddle);
    auto* edit = new QPushButton("Edit Boilerplate...");
    edit->setObjectName("btnEditBoilerplate");
    edit->setToolTip("Alter the current boilerplate");
    connect(edit, &QPushButton::clicked, this, &MainWindow::openBoilerplate);
    summary->addRow(edit);
    content->addWidget(boilerplateBox);

    auto* optionsBox = new QGroupBox("Overwrite or Add:");
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    static const char* const captions[kCommitOptionCount] = {"BoilerPlate", "Menu", "Keywords Metatag",
                                                             "Description Metatag", "Category Metatag"};
    for (int i = 0; i < kCommitOptionCount; ++i) {
        auto* box = new QCheckBox(captions[i]);
        box->setObjectName(QString("chkAdd%1").arg(i));
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            SetCommitOption(ws_, i, on);
            afterCommand();
        });
        optionsLayout->addWidget(box);
        options_[static_cast<std::size_t>(i)] = box;
    }
    content->addWidget(optionsBox);

    expert_ = new QCheckBox("Expert Mode");
    expert_->setObjectName("chkExpert");
    connect(expert_, &QCheckBox::toggled, this, &MainWindow::setExpertMode);
    content->addWidget(expert_);

    pageOptions_ = new QWidget;
    auto* expertLayout = new QVBoxLayout(pageOptions_);
    expertLayout->setContentsMargins(18, 0, 0, 0);
    anchorLabel_ = new ElidedLabel;
    anchorLabel_->setObjectName("lblAnchor");
    // One line each, so that the two buttons are of one height: the column
    // takes the width of the longer caption.
    anchorButton_ = new QPushButton("Set Anchor");
    anchorButton_->setObjectName("cmdAnchor");
    connect(anchorButton_, &QPushButton::clicked, this, &MainWindow::setAnchor);
    filterLabel_ = new ElidedLabel;
    filterLabel_->setObjectName("lblFilter");
    filterButton_ = new QPushButton("Filter to one extension");
    filterButton_->setObjectName("cmdFilter");
    connect(filterButton_, &QPushButton::clicked, this, &MainWindow::setFilter);
    anchorLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    filterLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (QWidget* w : std::initializer_list<QWidget*>{anchorLabel_, anchorButton_, filterLabel_, filterButton_})
        expertLayout->addWidget(w);
    content->addWidget(pageOptions_);
    content->addStretch(1);
    return Column(1, "Set up", content);
}

QWidget* MainWindow::buildDesignColumn() {
    auto* builderBox = new QGroupBox("Menu Builder");
    auto* builderLayout = new QVBoxLayout(builderBox);
    builderLayout->setContentsMargins(4, 4, 4, 4);
    builderLayout->addWidget(builder_);

    // The designer takes the height its preview needs at the column's width;
    // the tree takes the rest.
    auto* content = new QVBoxLayout;
    content->addWidget(designer_);
    content->addWidget(builderBox, 1);
    return Column(2, "Design and build the menus", content);
}

QWidget* MainWindow::buildCommitColumn() {
    auto* content = new QVBoxLayout;

    page_ = new PathBox;
    page_->setObjectName("txtPage");
    page_->setPlaceholderText("Path of the web page");
    page_->setClearButtonEnabled(true);
    // Loading reads the page and runs the generators, and may ask for its
    // category: not at every key, but when typing pauses (without asking) and
    // when the user presses Enter or leaves the box.
    pageTimer_ = new QTimer(this);
    pageTimer_->setSingleShot(true);
    pageTimer_->setInterval(500);
    connect(page_, &QLineEdit::textEdited, pageTimer_, qOverload<>(&QTimer::start));
    connect(pageTimer_, &QTimer::timeout, this, [this] { loadTypedPage(CategoryQuestion::Defer); });
    connect(page_, &QLineEdit::returnPressed, this, [this] { loadTypedPage(CategoryQuestion::AskNow); });
    page_->installEventFilter(this);
    auto* browse = Button("cmdBrowse", "Browse Page");
    connect(browse, &QPushButton::clicked, this, &MainWindow::browsePage);
    content->addWidget(Caption("&Page:", page_));
    content->addWidget(page_);
    content->addWidget(browse, 0, Qt::AlignRight);

    words_ = new QListWidget;
    words_->setObjectName("lstWords");
    content->addWidget(Caption("Keywords", words_));
    content->addWidget(words_, 2);

    description_ = new QPlainTextEdit;
    description_->setObjectName("txtDescription");
    description_->setTabChangesFocus(true);
    connect(description_, &QPlainTextEdit::textChanged, this, &MainWindow::descriptionEdited);
    candidates_ = new QComboBox;
    candidates_->setObjectName("cmbDescription");
    candidates_->setPlaceholderText("Other proposed descriptions");
    candidates_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    candidates_->setMinimumContentsLength(10);
    connect(candidates_, &QComboBox::activated, this, &MainWindow::descriptionChosen);
    content->addWidget(Caption("Description", description_));
    content->addWidget(description_, 1);
    content->addWidget(candidates_);

    auto* commit = Button("cmdCommit", "Commit Changes");
    QFont bold = commit->font();
    bold.setBold(true);
    commit->setFont(bold);
    commit->setMinimumHeight(32);
    connect(commit, &QPushButton::clicked, this, &MainWindow::commitPage);
    content->addWidget(commit);

    siteCommands_ = new QGroupBox("Expert: the whole site");
    auto* siteLayout = new QVBoxLayout(siteCommands_);
    upgrade_ = Button("cmdUpgrade", "Upgrade ALL pages in Entire Web Site");
    remove_ = Button("cmdRemove", "Remove ALL Tollivance Menus From Entire Site");
    connect(upgrade_, &QPushButton::clicked, this, &MainWindow::upgradeSite);
    connect(remove_, &QPushButton::clicked, this, &MainWindow::removeMenus);
    WrappingButton::OneHeight({upgrade_, remove_});
    siteLayout->addWidget(upgrade_);
    siteLayout->addWidget(remove_);
    content->addWidget(siteCommands_);

    auto* help = Button("cmdHelp", "Click HERE for Help using this program");
    connect(help, &QPushButton::clicked, this, &MainWindow::showHelp);
    content->addWidget(help);
    tips_ = new QCheckBox("Show tips at start-up");
    tips_->setObjectName("chkTip");
    connect(tips_, &QCheckBox::toggled, this, [this](bool on) {
        SetTipsShown(ws_, on);
        afterCommand();
    });
    content->addWidget(tips_);
    return Column(3, "Commit", content);
}

void MainWindow::showWorkspace() {
    panels_->showStatus(ws_.status);
    const std::string entries[] = {ws_.status.siteUrl, ws_.status.organisation, ws_.status.author,
                                   ws_.status.copyright, ws_.status.siteRoot};
    for (std::size_t i = 0; i < boilerplate_.size(); ++i) boilerplate_[i]->showText(ShownText(TrimSpaces(entries[i])));
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const QSignalBlocker quiet(options_[i]);
        options_[i]->setChecked(ws_.options.commit[i]);
    }
    {
        const QSignalBlocker quiet(expert_);
        expert_->setChecked(ws_.options.expert);
    }
    anchorLabel_->showText(ShownText(AnchorCaption(ws_.options)));
    filterLabel_->setHint(ShownText(ws_.options.filterTooltip));
    filterLabel_->showText(ShownText(ws_.options.filterCaption));
    showExpertControls();
    showTipsSetting();
    showPage();
}

void MainWindow::showExpertControls() {
    const bool on = ws_.options.expert;
    showExpert_->setChecked(on);
    for (QWidget* w : std::initializer_list<QWidget*>{remove_, anchorButton_, filterButton_, upgrade_}) {
        w->setVisible(on);
        w->setEnabled(on);
    }
    anchorLabel_->setVisible(on);
    filterLabel_->setVisible(on);
    pageOptions_->setVisible(on);
    siteCommands_->setVisible(on);
}

void MainWindow::showPage() {
    // A path still being typed stays as typed.
    if (!pageTimer_->isActive()) ShowQuietly(page_, &QLineEdit::text, &QLineEdit::setText, PathToQt(ws_.page.path));
    words_->clear();
    words_->addItems(ShownTexts(ws_.page.keywordEntries));
    ShowQuietly(description_, &QPlainTextEdit::toPlainText, &QPlainTextEdit::setPlainText,
                ShownText(ws_.page.description));
    candidates_->clear();
    candidates_->addItems(ShownTexts(ws_.page.descriptionCandidates));
    // A sentence wider than the screen is cut in the list; its tooltip holds it whole.
    for (int i = 0; i < candidates_->count(); ++i)
        candidates_->setItemData(i, candidates_->itemText(i), Qt::ToolTipRole);
    candidates_->setEnabled(candidates_->count() > 0);
}

void MainWindow::showMagnifier() {
    const int points = ws_.magnified ? 12 : 8;
    for (QWidget* w : std::initializer_list<QWidget*>{page_, words_, description_}) {
        QFont font = w->font();
        font.setPointSize(points);
        w->setFont(font);
    }
    builder_->setLarge(ws_.magnified);
    magnifier_->setToolTip(ws_.magnified ? "Shrink" : "Magnify");
    magnifier_->setText(ws_.magnified ? "Shrink" : "Magnify");
    magnifier_->setIcon(ToolbarIcon(ws_.magnified ? IconKind::Shrink : IconKind::Magnify));
}

}  // namespace wk::ui
