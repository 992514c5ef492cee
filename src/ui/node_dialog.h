#pragma once
// The menu builder's add and edit dialogs: one window in two modes. Both act
// on the workspace's tree and save it whenever they close; neither has a
// cancel button, so closing the window abandons the entry.
#include <QDialog>

class QKeyEvent;
class QLineEdit;
class QRadioButton;

namespace wk {
struct Workspace;
}

namespace wk::ui {

class NodeDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };
    NodeDialog(Workspace& ws, Mode mode, QWidget* parent = nullptr);

    // cmdOK and cmdKO: applies the entry and closes, or leaves the dialog open
    // when the entry is refused.
    void performOk();
    // Every way of closing (OK, close box, Escape) ends here.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNodeKind();
    bool nameKeyPressed(const QKeyEvent& key);
    bool urlKeyPressed(const QKeyEvent& key);
    void browse();

    Workspace& ws_;
    Mode mode_;
    QRadioButton* optMenu_;
    QRadioButton* optItem_;
    QLineEdit* txtName_;
    QLineEdit* txtURL_;
};

}  // namespace wk::ui
