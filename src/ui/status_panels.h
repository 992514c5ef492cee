#pragma once
// The six panels of the main window's status bar: the page category, the
// four boilerplate entries and the credits switch. Each reacts to a click.
#include <QWidget>
#include <array>

#include "ui/elided_label.h"

namespace wk {
struct StatusBar;
}

namespace wk::ui {

// A panel reacts to a click, and to Space or Enter once Tab has brought the
// focus to it, since some of its commands are nowhere else. A long entry is
// cut with "…" and shown whole in the tooltip; an empty one shows its name.
class StatusPanel : public ElidedLabel {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class StatusPanels : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCount = 6;
    explicit StatusPanels(QWidget* parent = nullptr);

    void showStatus(const StatusBar& status);
    // Panel 1 to 6, as the status bar numbers them.
    StatusPanel* panel(int number) const { return panels_[static_cast<std::size_t>(number - 1)]; }

signals:
    void panelClicked(int number);

private:
    std::array<StatusPanel*, kCount> panels_{};
};

// The credits panel's texts.
inline constexpr const char* kCreditsOnText = " Link to Tollivance ";
inline constexpr const char* kCreditsOffText = " Do NOT Link to Tollivance ";

}  // namespace wk::ui
