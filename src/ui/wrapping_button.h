#pragma once
// A push button whose caption wraps onto further lines when the button is
// narrower than the caption, so long captions need not widen their column.
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <initializer_list>

namespace wk::ui {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& caption, QWidget* parent = nullptr);

    // Buttons of one group, as wide as each other, take one height: that of
    // the caption needing the most lines.
    static void OneHeight(std::initializer_list<WrappingButton*> group);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize padding() const;  // the room the button's frame takes around the caption
    QRect captionBounds(int width) const;
    int ownHeightForWidth(int width) const;

    QList<QPointer<WrappingButton>> group_;
};

}  // namespace wk::ui
