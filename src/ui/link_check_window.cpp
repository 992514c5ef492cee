#include "ui/link_check_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "assist/help_topics.h"
#include "ui/help_window.h"
#include "ui/text_bridge.h"

namespace wk::ui {
namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    cell->setToolTip(text);
    return cell;
}

QString SummaryText(const LinkReport& report) {
    if (!report.error.empty()) return "The site could not be checked: " + ShownText(report.error);
    QString text = QString("Pages: %1    Links checked: %2    Broken: %3")
                       .arg(report.pages)
                       .arg(report.links)
                       .arg(report.broken.size());
    for (const std::string& page : report.unreadable) text += "\nNot read: " + PathToQt(page);
    return text;
}

}  // namespace

LinkCheckWindow::LinkCheckWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("frmLinks");
    setWindowTitle("Links in Entire Web Site");
    summary_ = new QLabel;
    summary_->setObjectName("lblLinkSummary");
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    links_ = new QTableWidget(0, 4);
    links_->setObjectName("lstLinks");
    links_->setHorizontalHeaderLabels({"Page", "Line", "Link", "Suggestion"});
    for (int column : {0, 2, 3}) links_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    links_->verticalHeader()->hide();
    // Thousands of rows: one line of text each.
    links_->verticalHeader()->setDefaultSectionSize(links_->fontMetrics().height() + 6);
    links_->setSelectionBehavior(QAbstractItemView::SelectRows);
    links_->setWordWrap(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(links_, 1);
    layout->addWidget(buttons);
    resize(900, 480);
    AddHelpKey(this, [] { return kCheckLinksHelpTopic; });
}

void LinkCheckWindow::showReport(const LinkReport& report) {
    summary_->setText(SummaryText(report));
    links_->setRowCount(static_cast<int>(report.broken.size()));
    int row = 0;
    for (const BrokenLink& broken : report.broken) {
        const bool menu = broken.page == kMenuLinks;
        links_->setItem(row, 0, Cell(menu ? QString("Menu Builder") : PathToQt(broken.page)));
        links_->setItem(row, 1, Cell(QString::number(broken.line)));
        links_->setItem(row, 2, Cell(ShownText(broken.link)));
        links_->setItem(row, 3, Cell(ShownText(broken.suggestion)));
        ++row;
    }
    links_->resizeColumnToContents(1);
}

}  // namespace wk::ui
