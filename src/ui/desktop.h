#pragma once
#include <string>

namespace wk::ui {

// Runs the desktop program on the settings in appFolder; returns its exit status.
int RunDesktop(int argc, char** argv, const std::string& appFolder);

}  // namespace wk::ui
