#include "ui/elided_label.h"

#include <QPainter>
#include <QStyle>

namespace wk::ui {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

// One line: a line end kept from a settings file is no second line.
void ElidedLabel::showText(const QString& text) {
    setText(QString(text).replace('\r', ' ').replace('\n', ' '));
    showToolTip();
}

void ElidedLabel::setHint(const QString& hint) {
    hint_ = hint;
    showToolTip();
}

void ElidedLabel::setPlaceholder(const QString& placeholder) {
    placeholder_ = placeholder;
    update();
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode) {
    mode_ = mode;
    update();
}

QRect ElidedLabel::textRoom() const { return contentsRect().adjusted(margin(), margin(), -margin(), -margin()); }

bool ElidedLabel::elided() const { return fontMetrics().horizontalAdvance(text()) > textRoom().width(); }

void ElidedLabel::showToolTip() {
    if (!elided()) setToolTip(hint_);
    else setToolTip(hint_.isEmpty() ? text() : hint_ + ": " + text());
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showToolTip();
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the frame; the text is drawn here
    QPainter painter(this);
    const QRect room = textRoom();
    const bool empty = text().isEmpty();
    const QString shown = fontMetrics().elidedText(empty ? placeholder_ : text(), mode_, room.width());
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shown, empty ? QPalette::PlaceholderText : foregroundRole());
}

}  // namespace wk::ui
