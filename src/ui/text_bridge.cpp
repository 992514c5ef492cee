#include "ui/text_bridge.h"

#include <QByteArray>
#include <QFile>

namespace wk::ui {

QString ShownText(std::string_view bytes) {
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = QString::fromUtf8(raw);
    if (text.toUtf8() != raw) text = QString::fromLatin1(raw);
    return text;
}

std::string TypedText(const QString& text) { return text.toUtf8().toStdString(); }

QString PathToQt(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string PathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace wk::ui
