#include "ui/boilerplate_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ground/file_routines.h"
#include "ground/text.h"
#include "app/workspace.h"
#include "assist/help_topics.h"
#include "ui/link_prefix_guard.h"
#include "ui/help_window.h"
#include "ui/text_bridge.h"

namespace wk::ui {

std::string HomePageFilter() {
    static const char* const extensions[] = {"htm",  "html", "xtml",   "dhtm", "xhtm", "dhtml", "sdtml", "shtml",
                                             "xhtml", "sxtml", "php", "asp",  "aspx", "sxhtml", "xml",   "sxml"};
    std::string names, patterns;
    for (const char* stem : {"index.", "default."}) {
        for (const char* extension : extensions) {
            names += (names.empty() ? "" : ", ") + std::string(stem) + extension;
            patterns += (patterns.empty() ? "" : ";") + std::string(stem) + extension;
        }
    }
    return "Web Pages (" + names + ")|" + patterns;
}

BoilerplateDialog::BoilerplateDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setObjectName("Form2");
    setWindowTitle("BoilerPlate");
    setModal(true);
    AddHelpKey(this, [] { return kBoilerplateHelpTopic; });

    url_ = new QLineEdit(this);
    organisation_ = new QLineEdit(this);
    author_ = new QLineEdit(this);
    copyright_ = new QPlainTextEdit(this);
    localSource_ = new QLineEdit(this);
    const QList<QWidget*> boxes = {url_, organisation_, author_, copyright_, localSource_};
    for (int i = 0; i < boxes.size(); ++i) {
        boxes[i]->setObjectName(QString("txtBoil%1").arg(i));
        boxes[i]->installEventFilter(this);
    }
    new LinkPrefixGuard(url_);  // the site address always starts with "www."
    // Clicks land on the viewport of the multi-line box, not on the box itself.
    copyright_->viewport()->installEventFilter(this);
    copyright_->setTabChangesFocus(true);
    copyright_->setFixedHeight(copyright_->fontMetrics().lineSpacing() * 3 + 12);

    auto* browse = new QPushButton("Browse", this);
    browse->setObjectName("cmdBrowse");
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &BoilerplateDialog::browse);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(localSource_, 1);
    sourceRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow("Site URL:", url_);
    form->addRow("Organisation:", organisation_);
    form->addRow("Author:", author_);
    form->addRow("Copyright Notice:", copyright_);
    form->addRow("Local Source:", sourceRow);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    ok->setObjectName("cmdOK");
    cancel->setObjectName("cmdCancel");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &BoilerplateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BoilerplateDialog::reject);

    auto* intro = new QLabel(
        "Tell Web Kestrane about your site. These entries go into every page you commit; "
        "change them at any time by clicking the status bar of the main window.");
    intro->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(480, sizeHint().height());

    showEntries(ReadBoilerplate(ws_.appFolder));
}

BoilerplateDialog::Outcome BoilerplateDialog::run() {
    switch (exec()) {
    case Accepted:
        return Outcome::Saved;
    case kQuitCode:
        return Outcome::Quit;
    default:
        return Outcome::Closed;
    }
}

void BoilerplateDialog::showEntries(const Boilerplate& entries) {
    url_->setText(ShownText(entries[0]));
    organisation_->setText(ShownText(entries[1]));
    author_->setText(ShownText(entries[2]));
    copyright_->setPlainText(ShownText(entries[3]));
    localSource_->setText(PathToQt(entries[4]));
    url_->setCursorPosition(static_cast<int>(url_->text().size()));
}

Boilerplate BoilerplateDialog::entries() const {
    return {TypedText(url_->text()), TypedText(organisation_->text()), TypedText(author_->text()),
            TypedText(copyright_->toPlainText()), PathFromQt(localSource_->text())};
}

void BoilerplateDialog::accept() {
    // The local source names a folder; typed without its final separator it
    // would put the "_" folder beside the site instead of inside it.
    endLocalSourceWithSeparator();
    if (CommitBoilerplate(ws_, entries())) QDialog::accept();
}

void BoilerplateDialog::reject() {
    switch (CancelBoilerplate(ws_)) {
    case CancelAnswer::Close:
        QDialog::reject();
        break;
    case CancelAnswer::Quit:
        done(kQuitCode);
        break;
    case CancelAnswer::Stay:
        break;
    }
}

void BoilerplateDialog::browse() {
    const std::string chosen = ws_.prompt->chooseFile(HomePageFilter(), ws_.status.siteRoot);
    if (chosen.empty() || chosen == ws_.status.siteRoot + "*.*") return;
    localSource_->setText(PathToQt(FolderOfPath(chosen)));
}

void BoilerplateDialog::endLocalSourceWithSeparator() {
    // An empty local source stays empty: a lone separator would name the
    // root of the file system as the site.
    const QString source = localSource_->text();
    if (!source.isEmpty() && !source.endsWith(QChar(kSeparator))) localSource_->setText(source + QChar(kSeparator));
}

bool BoilerplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) endLocalSourceWithSeparator();
    return QDialog::eventFilter(watched, event);
}

}  // namespace wk::ui
