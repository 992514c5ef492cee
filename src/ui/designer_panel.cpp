#include "ui/designer_panel.h"

#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/commands_style.h"
#include "ui/packed_color.h"
#include "ui/palette_popup.h"
#include "ui/text_bridge.h"
#include "ui/style_samples.h"

namespace wk::ui {

namespace {

constexpr int kColorBoxWidth = 56;

// A caption above its controls, switched on and off as one group.
QWidget* CaptionedGroup(const QString& caption, std::initializer_list<QWidget*> controls, QWidget* parent) {
    auto* group = new QWidget(parent);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(new QLabel(caption, group));
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (QWidget* control : controls) {
        control->setParent(group);
        row->addWidget(control);
    }
    column->addLayout(row);
    return group;
}

QStringList Shown(const auto& entries) {
    QStringList shown;
    for (std::string_view entry : entries) shown << ShownText(std::string(entry));
    return shown;
}

// A combo box that tells a choice from its drop-down list, which counts even
// when it repeats the text shown, from the activations Qt also reports when
// typing ends (Enter, the focus leaving), which are no choice.
class ListChoiceBox : public QComboBox {
public:
    std::function<void(const QString&)> onListChoice;

    ListChoiceBox() {
        connect(this, &QComboBox::textActivated, this, [this](const QString& text) {
            if (std::exchange(listChoice_, false) && onListChoice) onListChoice(text);
        });
    }
    // The list closes just before it reports the entry chosen from it.
    void hidePopup() override {
        QComboBox::hidePopup();
        listChoice_ = true;
        QTimer::singleShot(0, this, [this] { listChoice_ = false; });
    }

private:
    bool listChoice_ = false;
};

ListChoiceBox* ListBox(const char* name, const char* hint, bool editable, const QStringList& entries) {
    auto* box = new ListChoiceBox;
    box->addItems(entries);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromLatin1(hint));
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);  // typed texts never join the list
    // Every typed text counts as it stands ("1" on the way to "14"), so
    // nothing may complete it to a list entry.
    if (editable) box->setCompleter(nullptr);
    return box;
}

// chkBold and chkItalic: each caption shows the look its box gives.
QCheckBox* StyleBox(const char* name, const QString& caption, void (QFont::*look)(bool)) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    QFont font = box->font();
    (font.*look)(true);
    box->setFont(font);
    return box;
}

// A colour box shows its colour and takes no typing; a click opens the palette.
QLabel* MakeColorBox(ColorBox box) {
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("txtColor%1").arg(static_cast<int>(box)));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setFixedSize(kColorBoxWidth, 22);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(box == ColorBox::Background ? QStringLiteral("Background colour") : QStringLiteral("Text colour"));
    return label;
}

QToolButton* MakeColorButton(ColorBox box) {
    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("cmdColor%1").arg(static_cast<int>(box)));
    button->setArrowType(Qt::DownArrow);
    button->setFixedSize(18, 22);
    button->setToolTip(box == ColorBox::Background ? QStringLiteral("Choose the background colour")
                                : QStringLiteral("Choose the text colour"));
    return button;
}

// The palette drops down from the bottom-left corner of its colour box; where
// the window ends too soon below the box, it rises from the box's top instead.
QPoint PaletteSpot(const QWidget* box, int paletteHeight, const QWidget* host) {
    const QPoint below = box->mapTo(host, QPoint(0, box->height()));
    const QPoint above = box->mapTo(host, QPoint(0, -paletteHeight));
    const bool roomBelow = below.y() + paletteHeight <= host->height();
    return roomBelow || above.y() < 0 ? below : above;
}

void ShowColor(QLabel* box, std::int32_t packed) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, PackedColor(packed));  // in every state, also when switched off
    box->setPalette(palette);
}

}  // namespace

DesignerPanel::DesignerPanel(Workspace& ws, QWidget* parent) : QWidget(parent), ws_(ws) {
    picture_ = new PreviewPicture(ws_.style, this);
    connect(picture_, &PreviewPicture::sampleClicked, this, [this](Element element) {
        ClickSample(ws_, element);
        changed();
    });

    palette_ = new PalettePopup(this);
    palette_->hide();
    connect(palette_, &PalettePopup::swatchPicked, this, [this](int swatch) {
        PickSwatch(ws_, swatch);
        changed();
    });
    connect(palette_, &PalettePopup::scrolled, this, [this](int value) {
        ScrollPalette(ws_, value);
        changed();
    });
    connect(palette_, &PalettePopup::dismissed, this, [this] {
        // A second opening under the same box closes it.
        if (ws_.designer.paletteUnder) TogglePalette(ws_, *ws_.designer.paletteUnder);
        changed();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 0, Qt::AlignLeft);
    layout->addWidget(buildControls(), 0, Qt::AlignLeft);
    layout->addStretch();
    refresh();
}

DesignerPanel::~DesignerPanel() { delete palette_.data(); }

QWidget* DesignerPanel::buildControls() {
    std::vector<std::string_view> elements;
    for (Element element : kAllElements) elements.push_back(ElementName(element));
    ListChoiceBox* element = ListBox("cmbElement", kElementHint, true, Shown(elements));
    element->onListChoice = onText(SetElementText);
    cmbElement_ = element;
    cmbElement_->setMinimumWidth(150);
    connect(cmbElement_, &QComboBox::editTextChanged, this, onText(SetElementText));
    // The box itself has the focus and takes the keys; its line edit is only drawn in it.
    cmbElement_->installEventFilter(this);

    cmbFont_ = ListBox("cmbFont", kFontHint, false, Shown(kFontEntries));
    cmbFont_->setMinimumWidth(130);
    connect(cmbFont_, &QComboBox::textActivated, this, onText(ApplyFontChoice));
    cmbFont_->installEventFilter(this);

    ListChoiceBox* size = ListBox("cmbSize", kSizeHint, true, Shown(kSizeEntries));
    size->onListChoice = onText(ApplySize);
    cmbSize_ = size;
    cmbSize_->setFixedWidth(64);
    connect(cmbSize_, &QComboBox::editTextChanged, this, onText(ApplySize));
    // Typing ends with Enter or when the focus leaves: then a size the menu cannot use is refused.
    cmbSize_->installEventFilter(this);

    chkBold_ = StyleBox("chkBold", QStringLiteral("B"), &QFont::setBold);
    chkItalic_ = StyleBox("chkItalic", QStringLiteral("I"), &QFont::setItalic);
    for (auto [box, apply] : {std::pair{chkBold_, &ApplyBold}, std::pair{chkItalic_, &ApplyItalic}}) {
        connect(box, &QCheckBox::clicked, this, [this, apply](bool ticked) {
            apply(ws_, ticked);
            changed();
        });
    }

    txtColor1_ = MakeColorBox(ColorBox::Background);
    txtColor0_ = MakeColorBox(ColorBox::Text);
    cmdColor1_ = MakeColorButton(ColorBox::Background);
    cmdColor0_ = MakeColorButton(ColorBox::Text);
    for (ColorBox box : {ColorBox::Text, ColorBox::Background}) {
        colorBox(box)->installEventFilter(this);
        connect(colorButton(box), &QToolButton::clicked, this, [this, box] {
            TogglePalette(ws_, box);
            changed();
        });
    }

    // Two rows, so that the controls fit a column narrower than the picture:
    // what the text looks like, then its colours.
    auto* controls = new QWidget(this);
    auto* grid = new QGridLayout(controls);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    // Made in the order they stand, left to right and row by row, which Tab follows.
    QWidget* elementGroup = CaptionedGroup(QStringLiteral("Display Element:"), {cmbElement_}, controls);
    fontGroup_ = CaptionedGroup(QStringLiteral("Font:"), {cmbFont_}, controls);
    sizeGroup_ = CaptionedGroup(QStringLiteral("Size:"), {cmbSize_}, controls);
    styleGroup_ = CaptionedGroup(QStringLiteral("Style:"), {chkBold_, chkItalic_}, controls);
    // Which colour each box sets is said in its caption, not left to the tooltip.
    color1Group_ = CaptionedGroup(QStringLiteral("Background color:"), {txtColor1_, cmdColor1_}, controls);
    color0Group_ = CaptionedGroup(QStringLiteral("Text color:"), {txtColor0_, cmdColor0_}, controls);
    grid->addWidget(elementGroup, 0, 0);
    grid->addWidget(fontGroup_, 0, 1);
    grid->addWidget(sizeGroup_, 0, 2);
    grid->addWidget(styleGroup_, 0, 3);
    auto* colors = new QHBoxLayout;
    colors->setSpacing(24);
    colors->addWidget(color1Group_);
    colors->addWidget(color0Group_);
    colors->addStretch();
    grid->addLayout(colors, 1, 0, 1, 4);
    lblContrast_ = new QLabel(controls);
    lblContrast_->setObjectName(QStringLiteral("lblContrast"));
    lblContrast_->setWordWrap(true);
    grid->addWidget(lblContrast_, 2, 0, 1, 4);
    return controls;
}

std::function<void(const QString&)> DesignerPanel::onText(void (*command)(Workspace&, const std::string&)) {
    return [this, command](const QString& text) {
        command(ws_, TypedText(text));
        changed();
    };
}

void DesignerPanel::endSizeEntry() {
    EndSizeEntry(ws_);
    changed();
}

void DesignerPanel::changed() {
    refresh();
    emit styleChanged();
}

QLabel* DesignerPanel::colorBox(ColorBox box) const { return box == ColorBox::Background ? txtColor1_ : txtColor0_; }

QToolButton* DesignerPanel::colorButton(ColorBox box) const {
    return box == ColorBox::Background ? cmdColor1_ : cmdColor0_;
}

void DesignerPanel::refresh() {
    showControls();
    showPalette();
    picture_->showStyle();
}

void DesignerPanel::showControls() {
    const DesignerState& d = ws_.designer;
    const QSignalBlocker quietElement(cmbElement_);
    const QSignalBlocker quietFont(cmbFont_);
    const QSignalBlocker quietSize(cmbSize_);
    // Only a different text is put back, so the caret stays where the user types.
    if (cmbElement_->currentText() != ShownText(d.elementText)) cmbElement_->setEditText(ShownText(d.elementText));
    if (cmbSize_->currentText() != ShownText(d.sizeText)) cmbSize_->setEditText(ShownText(d.sizeText));
    // A font name from menu.ufm that is not in the list still shows.
    const int fontIndex = cmbFont_->findText(ShownText(d.fontText), Qt::MatchExactly);
    cmbFont_->setCurrentIndex(fontIndex);
    if (fontIndex < 0) cmbFont_->setPlaceholderText(ShownText(d.fontText));
    chkBold_->setChecked(d.bold);
    chkItalic_->setChecked(d.italic);
    ShowColor(txtColor1_, d.backColor);
    ShowColor(txtColor0_, d.foreColor);

    fontGroup_->setEnabled(d.fontEnabled);
    sizeGroup_->setEnabled(d.sizeStyleEnabled);
    styleGroup_->setEnabled(d.sizeStyleEnabled);
    color1Group_->setEnabled(d.backEnabled);
    color0Group_->setEnabled(d.foreEnabled);
    lblContrast_->setText(ShownText(d.contrastNote));
    lblContrast_->setVisible(!d.contrastNote.empty());
}

void DesignerPanel::showPalette() {
    const DesignerState& d = ws_.designer;
    palette_->showScroll(d.scroll);
    if (!d.paletteUnder) {
        // The keyboard goes back to the button that opened the palette.
        if (palette_->hasFocus()) colorButton(d.colorTarget)->setFocus();
        palette_->hide();
        return;
    }
    QWidget* host = window();
    if (palette_->parentWidget() != host) {
        palette_->setParent(host);
        host->installEventFilter(this);
    }
    QLabel* box = colorBox(*d.paletteUnder);
    palette_->move(PaletteSpot(box, palette_->height(), host));
    const bool opening = palette_->isHidden();
    palette_->show();
    palette_->raise();
    if (opening) palette_->startChoosing();
}

// An open palette follows its box when the panel is resized or moved.
void DesignerPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showPalette();
}

void DesignerPanel::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    showPalette();
}

bool DesignerPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == cmbElement_ && enter) {
            CheckElementEntry(ws_);
            changed();
        }
        if (watched == cmbSize_ && enter) endSizeEntry();
        // The font box changes only by a choice from its list.
        if (watched == cmbFont_ && !key->text().isEmpty() && key->text().at(0).isPrint()) return true;
    }
    if (type == QEvent::MouseButtonRelease && (watched == txtColor0_ || watched == txtColor1_)) {
        TogglePalette(ws_, watched == txtColor1_ ? ColorBox::Background : ColorBox::Text);
        changed();
        return true;
    }
    if (type == QEvent::FocusOut && watched == cmbSize_) {
        // Not when another window or the box's own list takes the focus: typing goes on after.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QTimer::singleShot(0, this, &DesignerPanel::endSizeEntry);  // the message after the focus has moved
    }
    if (type == QEvent::Resize && watched == window()) showPalette();
    return QWidget::eventFilter(watched, event);
}

}  // namespace wk::ui
