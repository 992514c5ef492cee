#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "assist/about.h"
#include "assist/help_topics.h"
#include "ui/help_window.h"
#include "ui/text_bridge.h"

namespace wk::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About Web Kestrane");

    auto* version = new QPlainTextEdit(ShownText(AboutText(ProgramVersion())));
    version->setObjectName("txtAbout");
    version->setReadOnly(true);  // every key typed into it is discarded
    version->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    version->setFixedHeight(version->fontMetrics().lineSpacing() * 5 + 16);
    auto* maker = new QLabel(ShownText(std::string(kAboutMaker)));
    maker->setObjectName("lblMaker");
    maker->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(version);
    layout->addWidget(maker);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    AddHelpKey(this, [] { return kAboutHelpTopic; });
}

}  // namespace wk::ui
