#pragma once
// pbxColor: the designer's drop-down colour palette, one column of swatches
// (Lb0 to Lb222) of which twelve show at a time, and the scroll bar VScroll1
// whose value is the top visible swatch. With the focus, the arrow, page,
// Home and End keys move a marked swatch, Enter or Space picks it and Escape
// closes the palette.
#include <QFrame>

class QScrollBar;

namespace wk::ui {

class PalettePopup : public QFrame {
    Q_OBJECT
public:
    explicit PalettePopup(QWidget* parent);

    // Places the swatches with swatch scroll at the top.
    void showScroll(int scroll);
    // Takes the focus with the top visible swatch marked.
    void startChoosing();

signals:
    void swatchPicked(int swatch);
    void scrolled(int value);
    void dismissed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void mark(int swatch);
    void showMarker();

    QWidget* swatchArea_;
    QScrollBar* scrollBar_;
    QWidget* marker_;
    int marked_ = 0;
};

}  // namespace wk::ui
