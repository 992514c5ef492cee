#include "ui/help_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QPointer>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/install_layout.h"
#include "assist/help_topics.h"
#include "ui/text_bridge.h"

namespace wk::ui {
namespace {

QString& HelpFolderSetting() {
    static QString folder;
    return folder;
}

constexpr int kTopicRole = Qt::UserRole;
constexpr int kFileRole = Qt::UserRole + 1;

QString PageFile(int topic) { return ShownText(HelpPageFile(topic)); }

QTreeWidgetItem* TopicItem(QTreeWidgetItem* parent, const QString& title, int topic) {
    auto* item = new QTreeWidgetItem(parent, {title});
    item->setData(0, kTopicRole, topic);
    item->setData(0, kFileRole, PageFile(topic));
    return item;
}

// The contents beside the page: the start page and the Topics menu's groups.
void FillContents(QTreeWidget* contents) {
    TopicItem(contents->invisibleRootItem(), "Contents", 0);
    for (std::size_t g = 0; g < kHelpGroups.size(); ++g) {
        auto* group = new QTreeWidgetItem(contents, {ShownText(kHelpGroups[g].caption)});
        group->setFlags(Qt::ItemIsEnabled);
        for (const HelpPage& page : HelpGroupPages(g)) TopicItem(group, ShownText(page.title), page.topic);
    }
    contents->expandAll();
}

QWidget* TopWindow(QWidget* from) {
    QWidget* top = from ? from->window() : nullptr;
    while (top && top->parentWidget()) top = top->parentWidget()->window();
    return top;
}

}  // namespace

QString HelpFolder() {
    if (!HelpFolderSetting().isEmpty()) return HelpFolderSetting();
    return PathToQt(HelpFolderOf(PathFromQt(QCoreApplication::applicationDirPath())));
}

void SetHelpFolder(const QString& folder) { HelpFolderSetting() = folder.endsWith('/') ? folder : folder + '/'; }

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmHelp");
    setWindowTitle("Web Kestrane Help");
    setAttribute(Qt::WA_DeleteOnClose, parent && parent->isModal());

    browser_ = new QTextBrowser;
    browser_->setObjectName("txtHelp");
    browser_->setOpenExternalLinks(true);
    contents_ = new QTreeWidget;
    contents_->setObjectName("lstTopics");
    contents_->header()->hide();
    FillContents(contents_);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && item->data(0, kTopicRole).isValid()) openTopic(item->data(0, kTopicRole).toInt());
    });
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);

    QToolBar* bar = addToolBar("Help");
    bar->setMovable(false);
    QAction* back = bar->addAction("Back", browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction("Forward", browser_, &QTextBrowser::forward);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    bar->addAction("Contents", this, [this] { openTopic(0); });

    auto* split = new QSplitter;
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setSizes({240, 660});
    setCentralWidget(split);
    resize(900, 640);
    AddHelpKey(this, [] { return kHelpWindowHelpTopic; });
}

void HelpWindow::openTopic(int topic) {
    const QString file = HelpFolder() + PageFile(topic);
    if (QFileInfo::exists(file)) {
        browser_->setSource(QUrl::fromLocalFile(file));
        return;
    }
    // Said in the viewer itself, which is where the reader looks.
    browser_->setHtml("<h2>Help page missing</h2><p>The help page " + file.toHtmlEscaped() +
                      " cannot be found. Reinstall Web Kestrane to restore its help folder.</p>");
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

void HelpWindow::pageShown(const QUrl& page) {
    setWindowTitle("Web Kestrane Help - " + browser_->documentTitle());
    // The contents follow the links the reader takes, without opening the page again.
    const QSignalBlocker quiet(contents_);
    for (QTreeWidgetItemIterator it(contents_); *it; ++it)
        if ((*it)->data(0, kFileRole).toString() == page.fileName()) contents_->setCurrentItem(*it);
}

void OpenHelp(QWidget* from, int topic) {
    static QPointer<HelpWindow> shared;
    HelpWindow* help = nullptr;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        help = modal->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!help) help = new HelpWindow(modal);
    } else {
        if (!shared) shared = new HelpWindow(TopWindow(from));
        help = shared;
    }
    help->openTopic(topic);
    help->show();
    help->raise();
    help->activateWindow();
}

void AddHelpKey(QWidget* window, std::function<int()> topic) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [window, topic] { OpenHelp(window, topic()); });
}

}  // namespace wk::ui
