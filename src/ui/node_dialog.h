#pragma once
// The menu builder's add and edit dialogs: one window in two modes. Both act
// on the workspace's tree and save it whenever they close; Cancel or the
// close box abandons the entry.
#include <QDialog>

class QLabel;
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

    // cmdOK: applies the entry and closes, or says in the dialog why the
    // entry is refused and stays open.
    void performOk();
    // Every way of closing (OK, Cancel, close box, Escape) ends here.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNodeKind();
    QWidget* buildWidthQuestion();
    void nameEdited();
    void answerWidthQuestion(bool keep);
    void browse();

    Workspace& ws_;
    Mode mode_;
    QRadioButton* optMenu_;
    QRadioButton* optItem_;
    QLineEdit* txtName_;
    QLineEdit* txtURL_;
    QLabel* refusal_;
    QWidget* widthQuestion_;
    bool widthAsked_ = false;  // the add dialog asks about the bar's width once
};

}  // namespace wk::ui
