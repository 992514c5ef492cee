#include "ui/desktop.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <exception>
#include <unistd.h>

#include "app/workspace.h"
#include "ui/main_window.h"
#include "ui/qt_prompt.h"
#include "ui/start_window.h"

// Resources of a static library are registered by hand.
static void RegisterAppIcon() { Q_INIT_RESOURCE(app_icon); }

namespace wk::ui {
namespace {

// An exception must not pass through Qt's event loop, which cannot unwind it:
// the command that threw is said to have failed and the program goes on.
class DesktopApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            sayFailed(QString::fromUtf8(e.what()));
        } catch (...) {
            sayFailed(QStringLiteral("an unknown error"));
        }
        return false;
    }

private:
    static void sayFailed(const QString& what) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Web Kestrane"),
                              QStringLiteral("The command stopped: %1").arg(what));
    }
};

// The icon drawn in packaging/, at every size the build rendered from it.
QIcon AppIcon() {
    RegisterAppIcon();
    QIcon icon;
    for (const QString& name : QDir(QStringLiteral(":/app_icon")).entryList()) icon.addFile(":/app_icon/" + name);
    return icon;
}

}  // namespace

int RunDesktop(int argc, char** argv, const std::string& appFolder) {
    // The preview's web engine refuses to start its sandbox as root; for root
    // alone, and before the application exists, it is told to run without.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the web engine asks for it
    DesktopApplication app(argc, argv);
    QApplication::setApplicationName("Web Kestrane");
    // The desktop matches the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(WK_APP_ID));
    QApplication::setWindowIcon(AppIcon());
    QtPrompt prompt;
    Workspace ws(appFolder, prompt);
    std::unique_ptr<MainWindow> window = StartMainWindow(ws);
    if (!window) return 0;
    window->greetOnActivation();
    window->show();
    // bench/run times the start-up to the first shown window: with this set the
    // program quits as soon as the window's show and paint events are handled.
    if (qEnvironmentVariableIsSet("WEBKESTRANE_QUIT_AFTER_SHOW")) QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}

}  // namespace wk::ui
