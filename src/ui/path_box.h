#pragma once
// The page box: a line edit holding a path. While the user works in it, it
// is an ordinary line edit showing the whole path; once the focus has left
// and the path is too long for it, it draws "…/" and the path's end (the file
// name after as many of its folders as fit) instead. Only the drawing
// changes, never the text, the caret or the selection, so a key typed the
// moment the box takes the focus lands in the path as it stands. The tooltip
// always holds the whole path.
#include <QLineEdit>

namespace wk::ui {

class PathBox : public QLineEdit {
    Q_OBJECT
public:
    explicit PathBox(QWidget* parent = nullptr);

    // What the box shows while it does not have the focus.
    QString shownPath() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRoom() const;
};

// The end of a path that fits width: the whole path, else "…/" and the file
// name after as many of its last folders as fit, else the file name cut in the middle.
QString PathEnd(const QString& path, const QFontMetrics& metrics, int width);

}  // namespace wk::ui
