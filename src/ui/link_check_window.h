#pragma once
// The outcome of Check Links in Entire Web Site: the counts, and every broken
// link with its page, line and suggestion.
#include <QDialog>

#include "app/link_check.h"

class QLabel;
class QTableWidget;

namespace wk::ui {

class LinkCheckWindow : public QDialog {
    Q_OBJECT
public:
    explicit LinkCheckWindow(QWidget* parent = nullptr);

    // Shows a check's outcome in place of the last one.
    void showReport(const LinkReport& report);

private:
    QLabel* summary_;
    QTableWidget* links_;
};

}  // namespace wk::ui
