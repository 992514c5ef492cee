#pragma once
// The designer's preview picture: one sample of each menu element, drawn in
// that element's current colours and font at its fixed place. The picture
// shrinks to the width it is given; samples keep their places in picture
// pixels and are drawn scaled, so a click still lands on the sample under it.
#include <QWidget>

#include "style/designer.h"

namespace wk {
struct StyleSet;
}

namespace wk::ui {

class StyleSample : public QWidget {
    Q_OBJECT
public:
    StyleSample(const StyleSet& style, const DesignerSample& sample, QWidget* parent);

    // Takes its place in a picture drawn at scale (1 is full size).
    void place(qreal scale);

signals:
    void clicked(wk::Element element);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const StyleSet& style_;
    const DesignerSample& sample_;
};

// Picture1: a drawn background with the caption "Menu Designer" and the five
// samples on it. Repaint it after any change of the style.
class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kFullSize{701, 220};  // room for the widest and the lowest sample

    PreviewPicture(const StyleSet& style, QWidget* parent);

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
};

}  // namespace wk::ui
