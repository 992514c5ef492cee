#include "ui/menu_builder_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QToolTip>
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
    tv_->installEventFilter(this);
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
    if (!selected) return;
    tv_->setCurrentItem(selected);
    tv_->scrollToItem(selected);  // also after the magnifier changed every row's height
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
    // Enter and F2, the keyboard's double-click, edit the node.
    if (watched == tv_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
            editNode();
            return true;
        }
    }
    if (watched == tv_->viewport() && event->type() == QEvent::ToolTip) {
        // A label cut with "…" is shown whole; elsewhere the tree's own tooltip, the selected link.
        const auto* help = static_cast<const QHelpEvent*>(event);
        const QTreeWidgetItem* item = tv_->itemAt(help->pos());
        if (item && labelCut(item)) {
            QToolTip::showText(help->globalPos(), item->text(0), tv_);
            return true;
        }
    }
    const bool click = event->type() == QEvent::MouseButtonRelease, doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (watched == tv_->viewport() && (click || doubleClick) &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (click) treeClicked();
        if (doubleClick) {
            editNode();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool MenuBuilderPanel::labelCut(const QTreeWidgetItem* item) const {
    const QRect room = tv_->visualItemRect(item).intersected(tv_->viewport()->rect());
    // The picture and the gaps beside it and the text.
    const int text = tv_->fontMetrics().horizontalAdvance(item->text(0)) + tv_->iconSize().width() + 12;
    return text > room.width();
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
