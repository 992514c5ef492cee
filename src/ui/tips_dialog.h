#pragma once
// The tips window: the tip on display, stepping through all tips, "More
// Detail" in the help, and whether tips show at start.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace wk {
struct Workspace;
}

namespace wk::ui {

class TipsDialog : public QDialog {
    Q_OBJECT
public:
    // Opens at the workspace's tip (see OpenTips).
    explicit TipsDialog(Workspace& ws, QWidget* parent = nullptr);

signals:
    // The box under the tip was ticked or unticked: the main window mirrors it.
    void settingChanged();

private:
    void showTip();
    void showSetting();

    Workspace& ws_;
    QLabel* title_;
    QPlainTextEdit* text_;
    QLabel* fact_;
    QCheckBox* show_;
};

}  // namespace wk::ui
