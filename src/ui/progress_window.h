#pragma once
// The progress window (frmProgress) through which a site-wide operation runs:
// it measures the whole site when it opens, runs its operation on Commit with
// the two bars moving, and shows the outcome before Close.
#include <QDialog>
#include <array>

#include "app/site_operation.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace wk::ui {

class ProgressBarWidget;

class ProgressWindow : public QDialog, private SiteOperationView {
    Q_OBJECT
public:
    // The operation (a SiteOperationCode) starts only on Commit.
    ProgressWindow(Workspace& ws, int code, QWidget* parent = nullptr);

    // Abort, Escape and the close box (which QDialog routes here) do nothing
    // while an operation runs.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each runs on this thread and lets the event loop run after every file,
    // so the window moves and repaints while the buttons stay disabled.
    void showFigures(const SiteFigures& figures) override;
    void showBar(const ProgressBar& bar) override;

    void measure();
    void commit();
    // With the buttons disabled and the figures cleared.
    SiteSummary run(int code);
    // The window grows to show the outcome and Close.
    void finish(const SiteSummary& summary, bool committed);

    Workspace& ws_;
    int code_;
    bool opened_ = false;
    bool running_ = false;
    QLabel* count_;
    QLabel* size_;
    QLabel* index_;
    std::array<ProgressBarWidget*, 2> bars_{};
    QPushButton* abort_;
    QPushButton* commit_;
    QWidget* outcome_;  // out of view until the work is done
    QLabel* error_;
    QLabel* totals_;
    QListWidget* skipped_;
    QPushButton* close_;
};

}  // namespace wk::ui
