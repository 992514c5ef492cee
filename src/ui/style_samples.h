#pragma once
// The designer's preview picture: one sample of each menu element, drawn in
// that element's current colours and font. The samples are laid out afresh
// for the fonts of the style (strips and rows grow with their text), and the
// whole is drawn scaled to the room the picture has; a click still lands on
// the sample under it.
#include <QWidget>

#include "style/sample_layout.h"

namespace wk {
struct StyleSet;
}

namespace wk::ui {

class StyleSample : public QWidget {
    Q_OBJECT
public:
    StyleSample(const StyleSet& style, Element element, QWidget* parent);

    // Takes its place and lines in a picture drawn at scale (1 is full size).
    void place(const PlacedSample& sample, qreal scale);

signals:
    void clicked(wk::Element element);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const StyleSet& style_;
    const Element element_;
    PlacedSample sample_;
};

// Picture1: a drawn background with the caption "Menu Designer" and the five
// samples on it. Show it afresh after any change of the style.
class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kFullSize{kPictureWidth, kPictureHeight};

    PreviewPicture(const StyleSet& style, QWidget* parent);

    // Lays the samples out for the style's fonts and repaints.
    void showStyle();
    const SampleLayout& layout() const { return layout_; }
    qreal scale() const;  // of the drawing, at most 1
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

signals:
    void sampleClicked(wk::Element element);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeSamples();

    const StyleSet& style_;
    SampleLayout layout_;
};

}  // namespace wk::ui
