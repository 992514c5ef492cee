#include "ui/palette_popup.h"

#include <QHBoxLayout>
#include <QMouseEvent>
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

}  // namespace

PalettePopup::PalettePopup(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pbxColor"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);

    swatchArea_ = new QWidget(this);
    swatchArea_->setFixedSize(kSwatchWidth, kVisibleSwatches * kSwatchHeight);
    swatchArea_->installEventFilter(this);
    for (int i = 0; i < kSwatchCount; ++i) Swatch(i, swatchArea_)->installEventFilter(this);

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
