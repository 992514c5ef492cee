#include "ui/menu_builder_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QMouseEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/commands_menu.h"
#include "app/link_check.h"
#include "ui/icons.h"
#include "ui/node_dialog.h"
#include "ui/text_bridge.h"

namespace wk::ui {

namespace {

constexpr int kNodeIdRole = Qt::UserRole;

QIcon NodeIcon(NodeKind kind) { return BuilderIcon(kind == NodeKind::Menu ? "menu" : "item"); }

NodeId IdOf(const QTreeWidgetItem* item) { return item->data(0, kNodeIdRole).toULongLong(); }

// A node whose link leads into the site but to no page shows a warning, and says why.
QTreeWidgetItem* NodeItem(const MenuTree& tree, NodeId id, const std::set<NodeId>& withoutPage) {
    const MenuNode& node = tree.node(id);
    auto* item = new QTreeWidgetItem(QStringList{ShownText(node.label)});
    item->setData(0, kNodeIdRole, QVariant::fromValue<qulonglong>(id));
    if (!withoutPage.count(id)) {
        item->setIcon(0, NodeIcon(node.kind));
        return item;
    }
    item->setIcon(0, WarningIcon(NodeIcon(node.kind)));
    item->setToolTip(0, "No page of the site at " + ShownText(node.link));
    return item;
}

}  // namespace

MenuBuilderPanel::MenuBuilderPanel(Workspace& ws, QWidget* parent) : QWidget(parent), ws_(ws) {
    tv_ = new QTreeWidget(this);
    tv_->setObjectName(QStringLiteral("TV"));
    tv_->setHeaderHidden(true);
    tv_->setColumnCount(1);
    tv_->setSelectionMode(QAbstractItemView::SingleSelection);
    tv_->setExpandsOnDoubleClick(false);  // a double-click edits the node
    tv_->viewport()->installEventFilter(this);
    connect(tv_, &QTreeWidget::currentItemChanged, this, &MenuBuilderPanel::selectionMoved);
    connect(tv_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { ws_.tree.setExpanded(IdOf(item), true); });
    connect(tv_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { ws_.tree.setExpanded(IdOf(item), false); });

    struct ButtonEntry {
        const char* name;
        const char* icon;
        const char* tooltip;
        void (MenuBuilderPanel::*slot)();
    };
    const ButtonEntry entries[] = {
        {"cmdNew", "new", "Create New Menu or Menu Item", &MenuBuilderPanel::newNode},
        {"cmdOpen", "open", "Edit an existing menu or menu item", &MenuBuilderPanel::editNode},
        {"cmdDelete", "delete", "Incinerate existing menu or menu item", &MenuBuilderPanel::deleteNode},
        {"cmdUp", "up", "Move selected item or menu up", &MenuBuilderPanel::moveUp},
        {"cmdDown", "down", "Move selected item or menu down", &MenuBuilderPanel::moveDown},
    };
    auto* buttons = new QHBoxLayout;
    for (const ButtonEntry& entry : entries) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setIcon(BuilderIcon(QString::fromLatin1(entry.icon)));
        button->setIconSize(QSize(24, 24));
        button->setToolTip(QString::fromLatin1(entry.tooltip));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, entry.slot);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tv_, 1);
    layout->addLayout(buttons);

    setLarge(false);
}

void MenuBuilderPanel::newNode() { runNodeDialog(false); }

void MenuBuilderPanel::editNode() { runNodeDialog(!ws_.tree.empty()); }

void MenuBuilderPanel::runNodeDialog(bool edit) {
    NodeDialog dialog(ws_, edit ? NodeDialog::Mode::Edit : NodeDialog::Mode::Add, this);
    if (dialog.exec() == QDialog::Accepted) showSelectedLink();
    changed();
}

template <typename Command>
void MenuBuilderPanel::run(Command command) {
    command(ws_);
    changed();
}

void MenuBuilderPanel::deleteNode() { run(DeleteSelected); }

void MenuBuilderPanel::moveUp() { run(MoveSelectedUp); }

void MenuBuilderPanel::moveDown() { run(MoveSelectedDown); }

void MenuBuilderPanel::changed() {
    reload();
    emit treeChanged();
}

void MenuBuilderPanel::reload() {
    const QSignalBlocker quiet(tv_);
    tv_->clear();
    const MenuTree& tree = ws_.tree;
    const std::set<NodeId> withoutPage = MenuNodesWithoutPage(ws_);
    QTreeWidgetItem* selected = nullptr;
    for (NodeId menu : tree.menus()) {
        QTreeWidgetItem* menuItem = NodeItem(tree, menu, withoutPage);
        tv_->addTopLevelItem(menuItem);
        if (tree.selected() == menu) selected = menuItem;
        for (NodeId child : tree.items(menu)) {
            QTreeWidgetItem* childItem = NodeItem(tree, child, withoutPage);
            menuItem->addChild(childItem);
            if (tree.selected() == child) selected = childItem;
        }
    }
    for (int i = 0; i < tv_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* menuItem = tv_->topLevelItem(i);
        menuItem->setExpanded(tree.node(IdOf(menuItem)).expanded);
    }
    if (selected) tv_->setCurrentItem(selected);
}

void MenuBuilderPanel::setLarge(bool large) {
    const int pixels = large ? 32 : 16;
    tv_->setIconSize(QSize(pixels, pixels));
    QFont font = tv_->font();
    font.setPointSize(large ? 12 : 8);
    tv_->setFont(font);
    reload();
}

bool MenuBuilderPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tv_->viewport()) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) treeClicked();
        if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            editNode();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A click on an empty tree starts it; otherwise the tree's tooltip names the
// selected node's link.
void MenuBuilderPanel::treeClicked() {
    if (ws_.tree.empty())
        newNode();
    else
        showSelectedLink();
}

void MenuBuilderPanel::selectionMoved(QTreeWidgetItem* current) {
    if (current) ws_.tree.select(IdOf(current));
}

void MenuBuilderPanel::showSelectedLink() {
    if (const std::optional<NodeId> selected = ws_.tree.selected())
        tv_->setToolTip(ShownText(ws_.tree.node(*selected).link));
}

}  // namespace wk::ui
