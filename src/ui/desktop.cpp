#include "ui/desktop.h"

#include <QApplication>

#include "app/workspace.h"
#include "ui/main_window.h"
#include "ui/qt_prompt.h"
#include "ui/start_window.h"

namespace wk::ui {

int RunDesktop(int argc, char** argv, const std::string& appFolder) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Web Kestrane");
    QtPrompt prompt;
    Workspace ws(appFolder, prompt);
    std::unique_ptr<MainWindow> window = StartMainWindow(ws);
    if (!window) return 0;
    window->show();
    return QApplication::exec();
}

}  // namespace wk::ui
