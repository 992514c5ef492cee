#include "ui/palette_popup.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "style/palette.h"
#include "ui/packed_color.h"

namespace wk::ui {

namespace {

constexpr int kSwatchWidth = 96;
const char* const kSwatchProperty = "swatch";

QWidget* Swatch(int index, QWidget* parent) {
    auto* swatch = new QWidget(parent);
    swatch->setObjectName(QStringLiteral("Lb%1").arg(index));
    swatch->setProperty(kSwatchProperty, index);
    const QColor color = PackedColor(SwatchColor(index));
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
    swatch->setAutoFillBackground(true);
    swatch->setToolTip(color.name().toUpper());
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->resize(kSwatchWidth, kSwatchHeight);
    return swatch;
}

// A frame round the marked swatch, dark and light so it shows on every colour.
class SwatchMarker : public QWidget {
public:
    explicit SwatchMarker(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(kSwatchWidth, kSwatchHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(rect().adjusted(3, 3, -3, -3));
    }
};

}  // namespace

PalettePopup::PalettePopup(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pbxColor"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);

    swatchArea_ = new QWidget(this);
    swatchArea_->setFixedSize(kSwatchWidth, kVisibleSwatches * kSwatchHeight);
    swatchArea_->installEventFilter(this);
    for (int i = 0; i < kSwatchCount; ++i) Swatch(i, swatchArea_)->installEventFilter(this);

    marker_ = new SwatchMarker(swatchArea_);
    setFocusPolicy(Qt::StrongFocus);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("VScroll1"));
    scrollBar_->setRange(0, kPaletteScrollMax);
    scrollBar_->setPageStep(kVisibleSwatches);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &PalettePopup::scrolled);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(swatchArea_);
    layout->addWidget(scrollBar_);
    setFixedSize(sizeHint());
    showScroll(0);
}

void PalettePopup::showScroll(int scroll) {
    for (QObject* child : swatchArea_->children())
        if (auto* swatch = qobject_cast<QWidget*>(child))
            swatch->move(0, SwatchTop(swatch->property(kSwatchProperty).toInt(), scroll));
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setValue(scroll);
    showMarker();
}

void PalettePopup::startChoosing() {
    marked_ = scrollBar_->value();
    setFocus(Qt::PopupFocusReason);
    showMarker();
}

// The marked swatch stays in view: the palette scrolls as the scroll bar would.
void PalettePopup::mark(int swatch) {
    marked_ = qBound(0, swatch, kSwatchCount - 1);
    const int top = scrollBar_->value();
    if (marked_ < top)
        scrollBar_->setValue(marked_);
    else if (marked_ >= top + kVisibleSwatches)
        scrollBar_->setValue(marked_ - kVisibleSwatches + 1);
    showMarker();
}

void PalettePopup::showMarker() {
    marker_->move(0, SwatchTop(marked_, scrollBar_->value()));
    marker_->raise();
}

void PalettePopup::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: mark(marked_ - 1); break;
    case Qt::Key_Down: mark(marked_ + 1); break;
    case Qt::Key_PageUp: mark(marked_ - kVisibleSwatches); break;
    case Qt::Key_PageDown: mark(marked_ + kVisibleSwatches); break;
    case Qt::Key_Home: mark(0); break;
    case Qt::Key_End: mark(kSwatchCount - 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit swatchPicked(marked_); break;
    case Qt::Key_Escape: emit dismissed(); break;
    default: QFrame::keyPressEvent(event);
    }
}

bool PalettePopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        // The wheel over the swatches turns the scroll bar.
        const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        scrollBar_->setValue(scrollBar_->value() - notches * scrollBar_->singleStep() * 3);
        return true;
    }
    const QVariant swatch = watched->property(kSwatchProperty);
    if (event->type() == QEvent::MouseButtonRelease && swatch.isValid() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit swatchPicked(swatch.toInt());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace wk::ui
