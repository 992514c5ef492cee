#include "ui/preview_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <algorithm>

#include "assist/help_topics.h"
#include "ground/file_system.h"
#include "ui/help_window.h"
#include "ui/text_bridge.h"

namespace wk::ui {

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("PView");
    browser_ = new QWebEngineView(this);
    browser_->setObjectName("WebB");
    // The page has loaded far enough to report its title: the window grows to show it whole.
    connect(browser_, &QWebEngineView::titleChanged, this, &QWidget::showMaximized);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(1000, 700);
    AddHelpKey(this, [] { return kPreviewHelpTopic; });
}

PreviewWindow::~PreviewWindow() { deletePreviews(); }

void PreviewWindow::showPreview(const std::string& file, const std::string& title) {
    // Pages of different folders leave one copy each: every one goes at closing.
    if (std::find(previews_.begin(), previews_.end(), file) == previews_.end()) previews_.push_back(file);
    const QString path = PathToQt(file);
    setWindowTitle(title.empty() ? QFileInfo(path).fileName() : ShownText(title));
    browser_->load(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    deletePreviews();
    QWidget::closeEvent(event);
}

void PreviewWindow::deletePreviews() {
    for (const std::string& file : previews_) ActiveFileSystem().remove(file);
    previews_.clear();
}

}  // namespace wk::ui
