// The desktop program's entry point in its own module (webkestrane_desktop.so),
// which main.cpp loads only when the program starts without a command.
#include "ui/desktop.h"

extern "C" int wk_run_desktop(int argc, char** argv, const char* appFolder) {
    return wk::ui::RunDesktop(argc, argv, appFolder);
}
