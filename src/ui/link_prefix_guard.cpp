#include "ui/link_prefix_guard.h"

#include <QFocusEvent>
#include <QLineEdit>

#include "app/commands_settings.h"
#include "app/link_entry.h"
#include "ui/text_bridge.h"

namespace wk::ui {

namespace {
const QString kLinkPrefix = QString::fromLatin1(kUrlPrefix);
}

LinkPrefixGuard::LinkPrefixGuard(QLineEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
    // The box reports a user edit (textEdited) before its new text, selection
    // and caret, so these keep the state the edit started from.
    connect(box, &QLineEdit::textChanged, this, &LinkPrefixGuard::remember);
    connect(box, &QLineEdit::selectionChanged, this, &LinkPrefixGuard::remember);
    connect(box, &QLineEdit::cursorPositionChanged, this, &LinkPrefixGuard::remember);
    connect(box, &QLineEdit::textEdited, this, &LinkPrefixGuard::edited);
    remember();
}

void LinkPrefixGuard::remember() {
    before_ = box_->text();
    editFrom_ = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
}

// setText is no user edit, so the mended text does not come back here.
void LinkPrefixGuard::edited(const QString& text) {
    const LinkBoxText made{TypedText(text), TypedText(text.left(box_->cursorPosition())).size()};
    const std::optional<LinkBoxText> kept =
        KeepLinkPrefix(TypedText(before_), TypedText(before_.left(editFrom_)).size(), made);
    if (!kept) return;
    box_->setText(ShownText(kept->text));
    box_->setCursorPosition(static_cast<int>(ShownText(kept->text.substr(0, kept->caret)).size()));
}

bool LinkPrefixGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        // The box places the caret first (a middle click may also paste).
        box_->event(event);
        keepCaretAfterPrefix();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        // Tabbing in selects the whole link, which the first key typed would
        // replace; typing goes after the link instead.
        box_->event(event);
        const Qt::FocusReason reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) box_->end(false);
        return true;
    }
    return false;
}

void LinkPrefixGuard::keepCaretAfterPrefix() {
    if (!box_->hasSelectedText() && box_->cursorPosition() < kLinkPrefix.size())
        box_->setCursorPosition(kLinkPrefix.size());
}

}  // namespace wk::ui
