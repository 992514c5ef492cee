#include "ui/qt_prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "ui/text_bridge.h"

namespace wk::ui {
namespace {

// The window a question belongs to: the open modal dialog, else the active window.
QWidget* Owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = ShownText(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ') + ")";
    if (parts.size() % 2 == 1 && !parts.last().isEmpty()) filters << parts.last();
    return filters.join(";;");
}

void QtPrompt::message(const std::string& title, const std::string& text, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), ShownText(title), ShownText(text), QMessageBox::Ok, Owner());
    box.exec();
}

bool QtPrompt::askYesNo(const std::string& title, const std::string& text) {
    return QMessageBox::question(Owner(), ShownText(title), ShownText(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPrompt::inputBox(const std::string& title, const std::string& prompt) {
    bool ok = false;
    const QString answer = QInputDialog::getText(Owner(), ShownText(title), ShownText(prompt), QLineEdit::Normal, {}, &ok);
    if (!ok) return std::nullopt;
    return TypedText(answer);
}

std::string QtPrompt::chooseFile(const std::string& filter, const std::string& initialFolder) {
    return PathFromQt(
        QFileDialog::getOpenFileName(Owner(), QString(), PathToQt(initialFolder), QtFileFilter(filter)));
}

}  // namespace wk::ui
