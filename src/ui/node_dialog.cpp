#include "ui/node_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/commands_menu.h"
#include "app/commands_settings.h"
#include "assist/help_topics.h"
#include "ui/link_prefix_guard.h"
#include "ui/help_window.h"
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
    AddHelpKey(this, [] { return kNodeDialogHelpTopic; });

    optMenu_ = new QRadioButton(QStringLiteral("&Menu"), this);
    optMenu_->setObjectName(QStringLiteral("optMenu"));
    optItem_ = new QRadioButton(QStringLiteral("Menu &Item"), this);
    optItem_->setObjectName(QStringLiteral("optItem"));
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtURL_ = new QLineEdit(QString::fromLatin1(kUrlPrefix), this);
    txtURL_->setObjectName(QStringLiteral("txtURL"));
    new LinkPrefixGuard(txtURL_);
    auto* cmdBrowse = PlainButton(QStringLiteral("&Browse"), QStringLiteral("cmdBrowse"), this);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("lblRefusal"));
    refusal_->setStyleSheet(QStringLiteral("color: #c62828"));
    refusal_->hide();
    widthQuestion_ = buildWidthQuestion();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(optMenu_);
    kinds->addWidget(optItem_);
    kinds->addStretch();
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
    nameLabel->setBuddy(txtName_);
    auto* urlLabel = new QLabel(QStringLiteral("&URL:"), this);
    urlLabel->setBuddy(txtURL_);

    auto* grid = new QGridLayout(this);
    grid->addLayout(kinds, 0, 1, 1, 2);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(txtName_, 1, 1, 1, 2);
    grid->addWidget(urlLabel, 2, 0);
    grid->addWidget(txtURL_, 2, 1);
    grid->addWidget(cmdBrowse, 2, 2);
    grid->addWidget(refusal_, 3, 1, 1, 2);
    grid->addWidget(widthQuestion_, 4, 0, 1, 3);
    grid->addWidget(buttons, 5, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 320);

    connect(buttons, &QDialogButtonBox::accepted, this, &NodeDialog::performOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &NodeDialog::reject);
    connect(cmdBrowse, &QPushButton::clicked, this, &NodeDialog::browse);
    connect(txtName_, &QLineEdit::textEdited, this, &NodeDialog::nameEdited);
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

// The width question shows below the boxes rather than in a message box, so
// that keys typed while it is up go on into the label and answer nothing.
QWidget* NodeDialog::buildWidthQuestion() {
    auto* question = new QFrame(this);
    question->setObjectName(QStringLiteral("fraWidth"));
    question->setFrameShape(QFrame::StyledPanel);
    auto* title = new QLabel(QString::fromLatin1(kMenuBarWarningTitle), question);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* text = new QLabel(QString::fromLatin1(kMenuBarWarningText), question);
    text->setWordWrap(true);
    auto* keep = PlainButton(QStringLiteral("&Yes, keep the label"), QStringLiteral("cmdKeepLabel"), question);
    auto* cut = PlainButton(QStringLiteral("N&o, cut it to %1 characters").arg(kMenuBarLimit),
                            QStringLiteral("cmdCutLabel"), question);
    connect(keep, &QPushButton::clicked, this, [this] { answerWidthQuestion(true); });
    connect(cut, &QPushButton::clicked, this, [this] { answerWidthQuestion(false); });
    auto* answers = new QHBoxLayout;
    answers->addStretch();
    answers->addWidget(keep);
    answers->addWidget(cut);
    auto* layout = new QVBoxLayout(question);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addLayout(answers);
    question->hide();
    return question;
}

// Asked once a dialog, after the edit that first takes the label past the
// room the other menus leave on the bar.
void NodeDialog::nameEdited() {
    if (mode_ != Mode::Add || widthAsked_ || !MenuBarTooWide(ws_, TypedText(txtName_->text()), optMenu_->isChecked()))
        return;
    widthAsked_ = true;
    widthQuestion_->show();
    adjustSize();  // room for the wrapped question
}

void NodeDialog::answerWidthQuestion(bool keep) {
    if (!keep) txtName_->setText(ShownText(CutToBarLimit(TypedText(txtName_->text()))));
    widthQuestion_->hide();
    adjustSize();
    txtName_->setFocus();
}

void NodeDialog::performOk() {
    // A width question still unanswered counts as Yes: the label is kept as typed.
    const NodeEntry entry{optMenu_->isChecked(), TypedText(txtName_->text()), TypedText(txtURL_->text())};
    const std::string refusal = RefusalReason(entry);
    refusal_->setText(ShownText(refusal));
    refusal_->setVisible(!refusal.empty());
    if (!refusal.empty()) return;
    const bool applied = mode_ == Mode::Add ? AddNode(ws_, entry) : EditSelectedNode(ws_, entry.label, entry.link);
    if (applied) accept();
}

void NodeDialog::done(int result) {
    CloseNodeDialog(ws_);
    QDialog::done(result);
}

// Enter in either box moves to the other with its text selected, then
// performs OK: when OK refuses, the user goes on in the other box.
bool NodeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == txtName_ || watched == txtURL_) &&
        IsEnter(static_cast<const QKeyEvent&>(*event))) {
        QLineEdit* other = watched == txtName_ ? txtURL_ : txtName_;
        other->setFocus();
        other->selectAll();
        performOk();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void NodeDialog::browse() {
    if (const std::optional<std::string> link = BrowseForLink(ws_)) txtURL_->setText(ShownText(*link));
}

}  // namespace wk::ui
