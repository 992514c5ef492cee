#include "ui/tips_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/tips.h"
#include "assist/tips.h"
#include "ui/help_window.h"
#include "ui/text_bridge.h"

namespace wk::ui {
namespace {

QPushButton* Button(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* Wrapped(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

TipsDialog::TipsDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setObjectName("frmTips");
    setWindowTitle("Web Kestrane Tips");
    setModal(true);

    title_ = Wrapped("lbl");
    QFont heading = title_->font();
    heading.setPointSize(heading.pointSize() + 3);
    heading.setBold(true);
    title_->setFont(heading);
    text_ = new QPlainTextEdit;
    text_->setObjectName("txt");
    text_->setReadOnly(true);
    text_->setMinimumSize(460, 170);
    auto* didYouKnow = new QLabel("Did you Know...");
    QFont bold = didYouKnow->font();
    bold.setBold(true);
    didYouKnow->setFont(bold);
    fact_ = Wrapped("CAP");
    QLabel* hint = Wrapped("lblHint");
    hint->setText("For more information about what a button does, just leave the mousepointer above it without "
                  "clicking and an explanation will appear.");
    hint->setForegroundRole(QPalette::PlaceholderText);

    show_ = new QCheckBox;
    show_->setObjectName("chk");
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        SetTipsShown(ws_, on);
        showSetting();
        emit settingChanged();
    });
    QPushButton* previous = Button("< &Previous", "cmdPrevious");
    QPushButton* next = Button("&Next >", "cmdNext");
    QPushButton* more = Button("More &Detail", "cmdMore");
    connect(previous, &QPushButton::clicked, this, [this] {
        ShowPreviousTip(ws_);
        showTip();
    });
    connect(next, &QPushButton::clicked, this, [this] {
        ShowNextTip(ws_);
        showTip();
    });
    connect(more, &QPushButton::clicked, this, [this] { OpenHelp(this, TipHelpTopic(ws_.tips.index)); });
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    close->button(QDialogButtonBox::Close)->setObjectName("cmdOK");
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* steps = new QHBoxLayout;
    steps->addWidget(show_);
    steps->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{more, previous, next, close}) steps->addWidget(w);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(text_, 1);
    layout->addWidget(didYouKnow);
    layout->addWidget(fact_);
    layout->addWidget(hint);
    layout->addLayout(steps);

    AddHelpKey(this, [this] { return TipHelpTopic(ws_.tips.index); });
    showTip();
    showSetting();
    // Enter steps on through the tour; Escape closes the window.
    next->setDefault(true);
    next->setFocus();
}

void TipsDialog::showTip() {
    const Tip& tip = kTips[static_cast<std::size_t>(ws_.tips.index)];
    title_->setText(ShownText(tip.title));
    text_->setPlainText(ShownText(tip.text));
    fact_->setText(ShownText(tip.fact));
}

void TipsDialog::showSetting() {
    const bool on = ws_.tips.setting == TipsSetting::On;
    const QSignalBlocker quiet(show_);
    show_->setChecked(on);
    show_->setText(on ? "Show   Tips" : "No    Tips");
}

}  // namespace wk::ui
