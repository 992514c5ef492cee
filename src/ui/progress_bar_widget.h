#pragma once
// One progress bar of the progress window: the filled part from the left in
// the bar colour, and the text centred, drawn in the bar colour on the
// background and white where the filled part covers it.
#include <QFrame>

#include "site/progress.h"

namespace wk::ui {

class ProgressBarWidget : public QFrame {
    Q_OBJECT
public:
    explicit ProgressBarWidget(QWidget* parent = nullptr);

    // Paints the bar at once, so it shows even before the event loop runs.
    void showBar(const ProgressBar& bar);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressBar bar_;
};

}  // namespace wk::ui
