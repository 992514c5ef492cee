#include "ui/link_prefix_guard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/commands_settings.h"

namespace wk::ui {

namespace {
const QString kLinkPrefix = QString::fromLatin1(kUrlPrefix);
}

LinkPrefixGuard::LinkPrefixGuard(QLineEdit* box) : QObject(box), box_(box) {
    // Only keys pass the guard, so pasting by mouse is left out.
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->installEventFilter(this);
}

bool LinkPrefixGuard::EditsText(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return true;
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Undo) ||
        key.matches(QKeySequence::Redo))
        return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool LinkPrefixGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) return false;
    if (event->type() == QEvent::KeyPress) return keyPressed(static_cast<const QKeyEvent&>(*event));
    if (event->type() == QEvent::MouseButtonRelease) {
        // The box places the caret first (a middle click may also paste).
        box_->event(event);
        keepCaretAfterPrefix();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        // Tabbing in selects the whole link, so the first key typed would
        // reset it and be lost; typing goes after the link instead.
        box_->event(event);
        const Qt::FocusReason reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) box_->end(false);
        return true;
    }
    return false;
}

// Answers whether the key was used up.
bool LinkPrefixGuard::keyPressed(const QKeyEvent& key) {
    if (!EditsText(key)) return false;
    const bool selection = box_->hasSelectedText();
    const int caret = selection ? box_->selectionStart() : box_->cursorPosition();
    // Delete inside the prefix would remove part of it just as Backspace after it would.
    const bool deletesPrefix = key.key() == Qt::Key_Delete && caret < kLinkPrefix.size();
    if (!deletesPrefix && !UrlKeyResetsBox(caret, key.key() == Qt::Key_Backspace && !selection)) return false;
    box_->setText(kLinkPrefix);
    box_->setCursorPosition(kLinkPrefix.size());
    return true;
}

void LinkPrefixGuard::keepCaretAfterPrefix() {
    if (!box_->hasSelectedText() && box_->cursorPosition() < kLinkPrefix.size())
        box_->setCursorPosition(kLinkPrefix.size());
}

}  // namespace wk::ui
