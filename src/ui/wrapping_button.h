#pragma once
// A push button whose caption wraps onto further lines when the button is
// narrower than the caption, so long captions need not widen their column.
#include <QPushButton>

namespace wk::ui {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize padding() const;  // the room the button's frame takes around the caption
    QRect captionBounds(int width) const;
};

}  // namespace wk::ui
