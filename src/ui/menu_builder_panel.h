#pragma once
// The menu builder: the tree of menus and items and its buttons. It holds no
// menu state of its own: every action runs the workspace's command, then the
// tree control is rebuilt from the workspace's tree.
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runNodeDialog(bool edit);
    // Runs a tree command of the workspace, then shows the tree it leaves.
    template <typename Command>
    void run(Command command);
    bool labelCut(const QTreeWidgetItem* item) const;  // the tree shows the label with "…"
    void treeClicked();
    void selectionMoved(QTreeWidgetItem* current);
    void showSelectedLink();
    void changed();

    Workspace& ws_;
    QTreeWidget* tv_;
};

}  // namespace wk::ui
