#pragma once
// Keeps "www." at the start of a link box: every user edit (keys, paste by
// keys, menu or middle click, drops) is mended by KeepLinkPrefix, so the
// prefix stays whole and nothing typed is lost. Tabbing in puts the caret
// after the link, and a click never leaves the caret inside the prefix.
#include <QObject>
#include <QString>

class QLineEdit;

namespace wk::ui {

class LinkPrefixGuard : public QObject {
public:
    // Watches box for its whole life.
    explicit LinkPrefixGuard(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remember();
    void edited(const QString& text);
    void keepCaretAfterPrefix();

    QLineEdit* box_;
    // The box as the next edit finds it: its text, and its selection start or caret.
    QString before_;
    int editFrom_ = 0;
};

}  // namespace wk::ui
