#include "ui/node_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "ui/link_prefix_guard.h"
#include "ui/text_bridge.h"

namespace wk::ui {

namespace {

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

QPushButton* PlainButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Enter belongs to the text boxes
    return button;
}

}  // namespace

NodeDialog::NodeDialog(Workspace& ws, Mode mode, QWidget* parent) : QDialog(parent), ws_(ws), mode_(mode) {
    const QString title =
        mode == Mode::Add ? QStringLiteral("Add Menu or Menu Item") : QStringLiteral("Edit Menu or Menu Item");
    setWindowTitle(title);
    setObjectName(mode == Mode::Add ? QStringLiteral("Form3") : QStringLiteral("Form3e"));
    setModal(true);

    optMenu_ = new QRadioButton(QStringLiteral("Menu"), this);
    optMenu_->setObjectName(QStringLiteral("optMenu"));
    optItem_ = new QRadioButton(QStringLiteral("Menu Item"), this);
    optItem_->setObjectName(QStringLiteral("optItem"));
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtURL_ = new QLineEdit(QString::fromLatin1(kUrlPrefix), this);
    txtURL_->setObjectName(QStringLiteral("txtURL"));
    new LinkPrefixGuard(txtURL_);
    auto* cmdBrowse = PlainButton(QStringLiteral("Browse"), QStringLiteral("cmdBrowse"), this);
    auto* cmdOK = PlainButton(QStringLiteral("OK"), QStringLiteral("cmdOK"), this);
    auto* cmdKO = PlainButton(title, QStringLiteral("cmdKO"), this);

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(optMenu_);
    kinds->addWidget(optItem_);
    kinds->addStretch();
    auto* nameLabel = new QLabel(QStringLiteral("Name:"), this);
    nameLabel->setBuddy(txtName_);
    auto* urlLabel = new QLabel(QStringLiteral("URL:"), this);
    urlLabel->setBuddy(txtURL_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdKO);

    auto* grid = new QGridLayout(this);
    grid->addLayout(kinds, 0, 1, 1, 2);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(txtName_, 1, 1, 1, 2);
    grid->addWidget(urlLabel, 2, 0);
    grid->addWidget(txtURL_, 2, 1);
    grid->addWidget(cmdBrowse, 2, 2);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 320);

    connect(cmdOK, &QPushButton::clicked, this, &NodeDialog::performOk);
    connect(cmdKO, &QPushButton::clicked, this, &NodeDialog::performOk);
    connect(cmdBrowse, &QPushButton::clicked, this, &NodeDialog::browse);
    txtName_->installEventFilter(this);
    txtURL_->installEventFilter(this);

    showNodeKind();
    txtName_->setFocus();
}

void NodeDialog::showNodeKind() {
    const std::optional<NodeId> acting = ws_.tree.actingNode();
    if (!acting) {
        // Only a menu can start a tree.
        optMenu_->setChecked(true);
        optMenu_->setEnabled(false);
        optItem_->setEnabled(false);
        return;
    }
    const MenuNode& node = ws_.tree.node(*acting);
    (node.kind == NodeKind::Menu ? optMenu_ : optItem_)->setChecked(true);
    if (mode_ == Mode::Edit) {
        // The kind of an existing node cannot change.
        optMenu_->setEnabled(false);
        optItem_->setEnabled(false);
        txtName_->setText(ShownText(node.label));
        txtURL_->setText(ShownText(node.link));
    }
}

void NodeDialog::performOk() {
    const std::string label = TypedText(txtName_->text());
    const std::string link = TypedText(txtURL_->text());
    const bool applied = mode_ == Mode::Add ? AddNode(ws_, NodeEntry{optMenu_->isChecked(), label, link})
                                            : EditSelectedNode(ws_, label, link);
    if (applied) accept();
}

void NodeDialog::done(int result) {
    CloseNodeDialog(ws_);
    QDialog::done(result);
}

bool NodeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == txtName_) return nameKeyPressed(key);
        if (watched == txtURL_) return urlKeyPressed(key);
    }
    return QDialog::eventFilter(watched, event);
}

// Answers whether the key was used up here.
bool NodeDialog::nameKeyPressed(const QKeyEvent& key) {
    // The width check sees the label as it is before the key takes effect,
    // Enter (and the OK it performs) included.
    if (mode_ == Mode::Add && (IsEnter(key) || LinkPrefixGuard::EditsText(key)) &&
        MenuBarTooWide(ws_, TypedText(txtName_->text()), optMenu_->isChecked()))
        txtName_->setText(ShownText(ConfirmMenuBarWidth(ws_, TypedText(txtName_->text()))));
    if (!IsEnter(key)) return false;
    txtURL_->setFocus();
    txtURL_->selectAll();
    performOk();
    return true;
}

bool NodeDialog::urlKeyPressed(const QKeyEvent& key) {
    if (!IsEnter(key)) return false;
    txtName_->setFocus();
    txtName_->selectAll();
    performOk();
    return true;
}

void NodeDialog::browse() {
    if (const std::optional<std::string> link = BrowseForLink(ws_)) txtURL_->setText(ShownText(*link));
}

}  // namespace wk::ui
