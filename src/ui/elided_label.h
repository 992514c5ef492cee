#pragma once
// A one-line label that cuts a text too long for it with "…" and then shows
// the whole text in its tooltip; while empty, it shows its placeholder greyed,
// so that it never reads as a box left blank by mistake.
#include <QLabel>

namespace wk::ui {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void showText(const QString& text);
    // The tooltip while the whole text shows; a cut text follows it.
    void setHint(const QString& hint);
    void setPlaceholder(const QString& placeholder);
    // Where the "…" goes: at the end, or in the middle for a path.
    void setElideMode(Qt::TextElideMode mode);
    bool elided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect textRoom() const;
    void showToolTip();

    QString hint_;
    QString placeholder_;
    Qt::TextElideMode mode_ = Qt::ElideRight;
};

}  // namespace wk::ui
