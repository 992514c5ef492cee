#pragma once
// pbxColor: the designer's drop-down colour palette, one column of swatches
// (Lb0 to Lb222) of which twelve show at a time, and the scroll bar VScroll1
// whose value is the top visible swatch.
#include <QFrame>

class QScrollBar;

namespace wk::ui {

class PalettePopup : public QFrame {
    Q_OBJECT
public:
    explicit PalettePopup(QWidget* parent);

    // Places the swatches with swatch scroll at the top.
    void showScroll(int scroll);

signals:
    void swatchPicked(int swatch);
    void scrolled(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* swatchArea_;
    QScrollBar* scrollBar_;
};

}  // namespace wk::ui
