#pragma once
// The designer's preview picture: one sample of each menu element, drawn in
// that element's current colours and font at its fixed place.
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
    PreviewPicture(const StyleSet& style, QWidget* parent);

signals:
    void sampleClicked(wk::Element element);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace wk::ui
