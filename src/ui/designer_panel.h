#pragma once
// The style designer: the preview picture with its five samples and the
// element, font, size, bold, italic and colour controls.
#include <QWidget>

namespace wk {
struct Workspace;
}

namespace wk::ui {

class DesignerPanel : public QWidget {
    Q_OBJECT
public:
    explicit DesignerPanel(Workspace& ws, QWidget* parent = nullptr);

public slots:
    void refresh();  // shows the designer state and style afresh

private:
    Workspace& ws_;
};

}  // namespace wk::ui
