#pragma once
// The boilerplate dialog: site URL, organisation, author, copyright notice
// and local source, stored in boilerplate.sgt.
#include <QDialog>
#include <array>

#include "app/commands_settings.h"

class QLineEdit;
class QPlainTextEdit;

namespace wk {
struct Workspace;
}

namespace wk::ui {

class BoilerplateDialog : public QDialog {
    Q_OBJECT
public:
    enum class Outcome { Saved, Closed, Quit };

    explicit BoilerplateDialog(Workspace& ws, QWidget* parent = nullptr);

    // Runs the dialog modally; Quit when the user chose to end the program.
    Outcome run();
    Boilerplate entries() const;

public slots:
    void accept() override;  // OK
    void reject() override;  // Cancel, Escape and the close box
    void browse();           // the local source from the site's home page

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kQuitCode = 2;
    void showEntries(const Boilerplate& entries);
    void endLocalSourceWithSeparator();

    Workspace& ws_;
    QLineEdit* url_;
    QLineEdit* organisation_;
    QLineEdit* author_;
    QPlainTextEdit* copyright_;
    QLineEdit* localSource_;
};

// The file-open filter for the site's home page: index.* and default.* of every web page extension.
std::string HomePageFilter();

}  // namespace wk::ui
