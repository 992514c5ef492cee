#pragma once
// Keeps "www." at the start of a link box: a key that would change the prefix
// (typed with the caret inside it, Backspace right after it, or a selection
// starting inside it) resets the box to "www." with the caret after it, and a
// click never leaves the caret inside the prefix.
#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace wk::ui {

class LinkPrefixGuard : public QObject {
public:
    // Watches box for its whole life.
    explicit LinkPrefixGuard(QLineEdit* box);

    // Keys that change a line edit's text; caret movement, focus keys and
    // shortcuts that only copy or select do not.
    static bool EditsText(const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& key);
    void keepCaretAfterPrefix();

    QLineEdit* box_;
};

}  // namespace wk::ui
