#pragma once
// Between the core's byte strings and the widgets' text. Settings and what
// the user types are kept as UTF-8; page text that is not valid UTF-8 is
// shown byte for byte as Latin-1, so nothing in it is lost or replaced.
#include <QString>
#include <string>
#include <string_view>

namespace wk::ui {

QString ShownText(std::string_view bytes);
std::string TypedText(const QString& text);
// File paths in the file system's own encoding.
QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);

}  // namespace wk::ui
