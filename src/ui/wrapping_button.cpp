#include "ui/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace wk::ui {

namespace {

constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
// A caption wraps onto two lines at the most, so that a narrow column does
// not make its buttons tall.
constexpr int kMostLines = 2;

}  // namespace

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Preferred);
    setSizePolicy(policy);
}

// The style's own padding: what a one-letter button needs beyond its letter.
QSize WrappingButton::padding() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize letter = fontMetrics().size(Qt::TextShowMnemonic, QStringLiteral("X"));
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, letter, this) - letter;
}

QRect WrappingButton::captionBounds(int width) const {
    const int room = qMax(1, width - padding().width());
    return fontMetrics().boundingRect(QRect(0, 0, room, 0), Qt::TextWordWrap, text());
}

QSize WrappingButton::sizeHint() const {
    const QSize oneLine = fontMetrics().size(Qt::TextShowMnemonic, text());
    return oneLine + padding();
}

// The narrowest width that keeps the caption within its lines, found by halving.
QSize WrappingButton::minimumSizeHint() const {
    const int mostHeight = kMostLines * fontMetrics().lineSpacing();
    int fits = sizeHint().width();
    int tooNarrow = padding().width();
    while (fits - tooNarrow > 1) {
        const int middle = (fits + tooNarrow) / 2;
        const QRect bounds = captionBounds(middle);
        const bool withinLines = bounds.height() <= mostHeight && bounds.width() <= middle - padding().width();
        (withinLines ? fits : tooNarrow) = middle;
    }
    return {fits, heightForWidth(fits)};
}

bool WrappingButton::hasHeightForWidth() const { return true; }

void WrappingButton::OneHeight(std::initializer_list<WrappingButton*> group) {
    for (WrappingButton* button : group)
        for (WrappingButton* other : group)
            if (other != button) button->group_ << other;
}

int WrappingButton::ownHeightForWidth(int width) const { return captionBounds(width).height() + padding().height(); }

int WrappingButton::heightForWidth(int width) const {
    int height = ownHeightForWidth(width);
    for (const WrappingButton* other : group_)
        if (other) height = qMax(height, other->ownHeightForWidth(width));
    return height;
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(room, kCaptionFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace wk::ui
