#include "ui/progress_bar_widget.h"

#include <QPainter>
#include <algorithm>

#include "ui/text_bridge.h"

namespace wk::ui {
namespace {

QColor Colour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

ProgressBarWidget::ProgressBarWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QFont arial("Arial");
    arial.setStyleHint(QFont::SansSerif);
    setFont(arial);
}

void ProgressBarWidget::showBar(const ProgressBar& bar) {
    bar_ = bar;
    repaint();
}

QSize ProgressBarWidget::sizeHint() const { return {440, fontMetrics().height() + 10}; }

void ProgressBarWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.fillRect(inner, Colour(bar_.background));
    const double share = std::min(bar_.fraction, 1.0);
    const QRect filled(inner.left(), inner.top(), share > 0 ? static_cast<int>(inner.width() * share) : 0,
                       inner.height());
    painter.fillRect(filled, Colour(bar_.colour));
    // Where the filled part covers the text it shows white, as an inverting
    // fill over a white background would leave it.
    const QString text = ShownText(bar_.text);
    const QRect outside(filled.right() + 1, inner.top(), inner.right() - filled.right(), inner.height());
    for (const auto& [clip, pen] : {std::pair{outside, Colour(bar_.colour)}, std::pair{filled, QColor(Qt::white)}}) {
        painter.setClipRect(clip);
        painter.setPen(pen);
        painter.drawText(inner, Qt::AlignCenter, text);
    }
}

}  // namespace wk::ui
