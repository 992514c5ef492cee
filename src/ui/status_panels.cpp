#include "ui/status_panels.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "app/workspace.h"
#include "ui/text_bridge.h"

namespace wk::ui {

StatusPanel::StatusPanel(QWidget* parent) : ElidedLabel(parent) { setFocusPolicy(Qt::TabFocus); }

void StatusPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    ElidedLabel::mouseReleaseEvent(event);
}

void StatusPanel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        emit clicked();
    else
        ElidedLabel::keyPressEvent(event);
}

// The focus shows as the style's focus frame inside the panel's bevel.
void StatusPanel::paintEvent(QPaintEvent* event) {
    ElidedLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    static const char* const tooltips[kCount] = {"Page Category", "Web Site URL", "Organisation",
                                                 "Author",        "Copyright",    "To Credit or Not to Credit the Menu Design...?"};
    // The category and the site address get more room than the other entries.
    static const int stretches[kCount] = {2, 3, 2, 2, 3, 0};
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    for (int i = 0; i < kCount; ++i) {
        auto* label = new StatusPanel(this);
        label->setObjectName(QString("SBPanel%1").arg(i + 1));
        label->setHint(tooltips[i]);
        label->setPlaceholder(tooltips[i]);
        label->setCursor(Qt::PointingHandCursor);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMargin(1);
        // Long entries are cut at the panel's edge rather than widening the window.
        if (stretches[i] > 0) label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setMinimumWidth(40);
        layout->addWidget(label, stretches[i]);
        connect(label, &StatusPanel::clicked, this, [this, i] { emit panelClicked(i + 1); });
        panels_[static_cast<std::size_t>(i)] = label;
    }
}

void StatusPanels::showStatus(const StatusBar& status) {
    const std::string* texts[] = {&status.category, &status.siteUrl, &status.organisation, &status.author,
                                  &status.copyright};
    for (int i = 0; i < 5; ++i) panels_[static_cast<std::size_t>(i)]->showText(ShownText(*texts[i]));
    StatusPanel* credits = panels_[5];
    credits->showText(status.credits ? kCreditsOnText : kCreditsOffText);
    credits->setFrameShadow(status.credits ? QFrame::Raised : QFrame::Sunken);
}

}  // namespace wk::ui
