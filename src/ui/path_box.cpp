#include "ui/path_box.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace wk::ui {

QString PathEnd(const QString& path, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(path) <= width) return path;
    const QString cut = QStringLiteral("\u2026/");
    const QStringList parts = path.split('/');
    QString end = parts.last();
    for (qsizetype i = parts.size() - 2; i > 0; --i) {
        const QString longer = parts[i] + '/' + end;
        if (metrics.horizontalAdvance(cut + longer) > width) break;
        end = longer;
    }
    return metrics.elidedText(cut + end, Qt::ElideMiddle, width);
}

PathBox::PathBox(QWidget* parent) : QLineEdit(parent) {}

// The tooltip is taken from the path when it is asked for, since the path
// is also put in with the box's signals blocked.
bool PathBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) setToolTip(text());
    return QLineEdit::event(event);
}

// The room the box's text takes: inside the frame, left of the clear button.
QRect PathBox::textRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    room.adjust(2, 0, -2, 0);  // the line edit's own margin beside its text
    for (const QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (button->isVisible()) room.setRight(qMin(room.right(), button->x() - 1));
    return room;
}

QString PathBox::shownPath() const { return hasFocus() ? text() : PathEnd(text(), fontMetrics(), textRoom().width()); }

void PathBox::paintEvent(QPaintEvent* event) {
    const QString shown = shownPath();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(textRoom(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

}  // namespace wk::ui
