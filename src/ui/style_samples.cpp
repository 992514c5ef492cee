#include "ui/style_samples.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "style/style_set.h"
#include "ui/packed_color.h"
#include "ui/text_bridge.h"

namespace wk::ui {

namespace {

// The smallest the picture may shrink to: the samples' text stays legible.
constexpr qreal kLeastScale = 0.5;

QFont ElementFont(const ElementStyle& style) {
    QFont font(ShownText(style.FontName));
    font.setPointSizeF(style.FontSize);
    font.setBold(style.FontBold);
    font.setItalic(style.FontItalic);
    font.setUnderline(style.FontUnderline);
    return font;
}

}  // namespace

StyleSample::StyleSample(const StyleSet& style, const DesignerSample& sample, QWidget* parent)
    : QWidget(parent), style_(style), sample_(sample) {
    setObjectName(ShownText(std::string(sample.name)));
    place(1);
    setToolTip(ShownText(std::string(ElementName(sample.element))));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);  // typed keys have nothing to change here
}

// Edges are rounded one by one, so samples that share an edge at full size
// share it at every scale.
void StyleSample::place(qreal scale) {
    const QPoint topLeft(qRound(sample_.left * scale), qRound(sample_.top * scale));
    const QPoint end(qRound((sample_.left + sample_.width) * scale), qRound((sample_.top + sample_.height) * scale));
    setGeometry(QRect(topLeft, end - QPoint(1, 1)));
}

void StyleSample::paintEvent(QPaintEvent*) {
    const ElementStyle& style = style_[sample_.element];
    QPainter painter(this);
    painter.fillRect(rect(), PackedColor(style.BackColor));
    if (sample_.text.empty()) return;
    // The text is laid out at full size and drawn at the picture's scale.
    painter.scale(qreal(width()) / sample_.width, qreal(height()) / sample_.height);
    const QRect full(0, 0, sample_.width, sample_.height);
    painter.setPen(PackedColor(style.ForeColor));
    painter.setFont(ElementFont(style));
    // One line of text sits in the middle of its strip; the drop-down's lines
    // run from the top, as a menu's entries do.
    const bool singleLine = sample_.text.find('\n') == std::string_view::npos;
    const int flags = Qt::AlignLeft | (singleLine ? Qt::AlignVCenter : Qt::AlignTop);
    painter.drawText(full, flags, ShownText(std::string(sample_.text)));
}

void StyleSample::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(sample_.element);
}

PreviewPicture::PreviewPicture(const StyleSet& style, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setMaximumSize(kFullSize);
    // Created in this order so that each highlight lies on its sample and the
    // spine on the menu's left edge.
    for (const DesignerSample& sample : kDesignerSamples) {
        auto* widget = new StyleSample(style, sample, this);
        connect(widget, &StyleSample::clicked, this, &PreviewPicture::sampleClicked);
    }
}

qreal PreviewPicture::scale() const {
    return qMin(1.0, qMin(qreal(width()) / kFullSize.width(), qreal(height()) / kFullSize.height()));
}

QSize PreviewPicture::sizeHint() const { return kFullSize; }

QSize PreviewPicture::minimumSizeHint() const { return kFullSize * kLeastScale; }

bool PreviewPicture::hasHeightForWidth() const { return true; }

int PreviewPicture::heightForWidth(int width) const {
    return qRound(qMin(width, kFullSize.width()) * qreal(kFullSize.height()) / kFullSize.width());
}

void PreviewPicture::resizeEvent(QResizeEvent*) {
    for (StyleSample* sample : findChildren<StyleSample*>(Qt::FindDirectChildrenOnly)) sample->place(scale());
}

void PreviewPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale(), scale());
    const int width = kFullSize.width(), height = kFullSize.height();
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(58, 92, 140));
    sky.setColorAt(0.5, QColor(150, 182, 214));
    sky.setColorAt(1.0, QColor(236, 242, 248));
    painter.fillRect(QRect(QPoint(0, 0), kFullSize), sky);

    // A faint page behind the samples, as the menu would sit on a site.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRoundedRect(QRectF(2, 104, width - 4, height - 106), 6, 6);

    QFont caption = font();
    caption.setPointSize(20);
    caption.setBold(true);
    painter.setFont(caption);
    const QRect captionBox(14, 10, width - 28, 60);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(captionBox.translated(2, 2), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(kPreviewCaption));
    painter.setPen(Qt::white);
    painter.drawText(captionBox, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(kPreviewCaption));
}

}  // namespace wk::ui
