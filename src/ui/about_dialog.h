#pragma once
// The about box: the version information and who the maker is. It does not
// block the main window.
#include <QDialog>

namespace wk::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace wk::ui
