#pragma once
// The menu builder: the tree of menus and items and its buttons.
#include <QWidget>

namespace wk {
struct Workspace;
}

namespace wk::ui {

class MenuBuilderPanel : public QWidget {
    Q_OBJECT
public:
    explicit MenuBuilderPanel(Workspace& ws, QWidget* parent = nullptr);

public slots:
    void newNode();     // cmdNew
    void editNode();    // cmdOpen
    void deleteNode();  // cmdDelete
    void moveUp();      // cmdUp
    void moveDown();    // cmdDown
    void reload();      // shows ws.tree afresh
    void setLarge(bool large);  // the magnifier's display: 12 pt and 32 px icons, or 8 pt and 16 px

signals:
    void treeChanged();

private:
    Workspace& ws_;
};

}  // namespace wk::ui
