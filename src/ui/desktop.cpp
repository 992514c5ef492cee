#include "ui/desktop.h"

#include <QApplication>

namespace wk::ui {

int RunDesktop(int argc, char** argv, const std::string&) {
    QApplication app(argc, argv);
    return 0;
}

}  // namespace wk::ui
