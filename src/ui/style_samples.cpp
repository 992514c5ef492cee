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

QRect Rect(const SampleBox& box) { return {box.left, box.top, box.width, box.height}; }

}  // namespace

StyleSample::StyleSample(const StyleSet& style, Element element, QWidget* parent)
    : QWidget(parent), style_(style), element_(element) {
    setToolTip(ShownText(ElementName(element)));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);  // typed keys have nothing to change here
}

// Edges are rounded one by one, so samples that share an edge at full size
// share it at every scale.
void StyleSample::place(const PlacedSample& sample, qreal scale) {
    sample_ = sample;
    setObjectName(ShownText(sample.name));
    const SampleBox& box = sample.box;
    const QPoint topLeft(qRound(box.left * scale), qRound(box.top * scale));
    const QPoint end(qRound(box.right() * scale), qRound(box.bottom() * scale));
    setGeometry(QRect(topLeft, end - QPoint(1, 1)));
    update();
}

void StyleSample::paintEvent(QPaintEvent*) {
    const ElementStyle& style = style_[element_];
    QPainter painter(this);
    painter.fillRect(rect(), PackedColor(style.BackColor));
    // The text is laid out at full size and drawn at the picture's scale.
    painter.scale(qreal(width()) / sample_.box.width, qreal(height()) / sample_.box.height);
    painter.translate(-sample_.box.left, -sample_.box.top);
    painter.setPen(PackedColor(style.ForeColor));
    painter.setFont(ElementFont(style));
    for (const SampleLine& line : sample_.lines)
        painter.drawText(Rect(line.box), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, ShownText(line.text));
}

void StyleSample::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(element_);
}

PreviewPicture::PreviewPicture(const StyleSet& style, QWidget* parent) : QWidget(parent), style_(style) {
    setObjectName(QStringLiteral("Picture1"));
    setMaximumSize(kFullSize);
    // Created in this order so that each highlight lies on its sample and the
    // spine on the menu's left edge.
    for (Element element : kAllElements) {
        auto* widget = new StyleSample(style_, element, this);
        connect(widget, &StyleSample::clicked, this, &PreviewPicture::sampleClicked);
    }
    showStyle();
}

void PreviewPicture::showStyle() {
    layout_ = LayOutSamples([this](Element element, std::string_view text) {
        const QFontMetrics metrics(ElementFont(style_[element]));
        return TextExtent{metrics.horizontalAdvance(ShownText(text)), metrics.height()};
    });
    placeSamples();
    update();
}

void PreviewPicture::placeSamples() {
    const QList<StyleSample*> samples = findChildren<StyleSample*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i]->place(layout_.samples[static_cast<std::size_t>(i)], scale());
}

// The whole layout fits the picture: a larger font draws everything smaller.
qreal PreviewPicture::scale() const {
    return qMin(1.0, qMin(qreal(width()) / layout_.width, qreal(height()) / layout_.height));
}

QSize PreviewPicture::sizeHint() const { return kFullSize; }

QSize PreviewPicture::minimumSizeHint() const { return kFullSize * kLeastScale; }

bool PreviewPicture::hasHeightForWidth() const { return true; }

int PreviewPicture::heightForWidth(int width) const {
    return qRound(qMin(width, kFullSize.width()) * qreal(kFullSize.height()) / kFullSize.width());
}

void PreviewPicture::resizeEvent(QResizeEvent*) { placeSamples(); }

void PreviewPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale(), scale());
    // The background fills the widget, also where the scaled layout leaves room.
    const qreal width = this->width() / scale(), height = this->height() / scale();
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(58, 92, 140));
    sky.setColorAt(0.5, QColor(150, 182, 214));
    sky.setColorAt(1.0, QColor(236, 242, 248));
    painter.fillRect(QRectF(0, 0, width, height), sky);

    // A faint page behind the samples, as the menu would sit on a site.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRoundedRect(QRectF(2, 104, width - 4, height - 106), 6, 6);

    QFont caption = font();
    caption.setPointSize(20);
    caption.setBold(true);
    painter.setFont(caption);
    const QRectF captionBox(14, 10, width - 28, 60);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(captionBox.translated(2, 2), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(kPreviewCaption));
    painter.setPen(Qt::white);
    painter.drawText(captionBox, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(kPreviewCaption));
}

}  // namespace wk::ui
