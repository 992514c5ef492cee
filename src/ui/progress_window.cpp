#include "ui/progress_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <array>
#include <charconv>

#include "ui/progress_bar_widget.h"
#include "ui/text_bridge.h"

namespace wk::ui {
namespace {

QPushButton* Button(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* Label(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QString Seconds(double seconds) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), seconds, std::chars_format::fixed, 1);
    return QString::fromLatin1(text.data(), written.ptr - text.data());
}

QString Totals(const SiteSummary& summary) {
    QStringList lines{QString("Pages changed: %1").arg(summary.changed.size()),
                      QString("Pages skipped: %1").arg(summary.skipped.size()),
                      QString("Bytes handled: %1").arg(summary.bytes), "Time taken: " + Seconds(summary.seconds) + " s"};
    lines << (summary.backupFolder.empty() ? QString("No backup was made.")
                                           : "Backup folder: " + PathToQt(summary.backupFolder));
    if (!summary.links.empty()) lines << QString("Links updated: %1").arg(summary.links.size());
    if (!summary.linksBackupFolder.empty())
        lines << "Backup before the links were updated: " + PathToQt(summary.linksBackupFolder);
    return lines.join('\n');
}

}  // namespace

ProgressWindow::ProgressWindow(Workspace& ws, int code, QWidget* parent) : QDialog(parent), ws_(ws), code_(code) {
    setObjectName("frmProgress");
    setWindowTitle(ShownText(OperationCaption(code)));
    setModal(true);

    auto* figures = new QGridLayout;
    count_ = Label("lblCount");
    size_ = Label("lblSize");
    index_ = Label("lblSTI");
    const std::pair<const char*, QLabel*> rows[] = {
        {"Site Object Count:", count_}, {"Total Site Space:", size_}, {"Site Task Index:", index_}};
    for (int row = 0; row < 3; ++row) {
        figures->addWidget(new QLabel(rows[row].first), row, 0);
        figures->addWidget(rows[row].second, row, 1);
    }
    figures->setColumnStretch(1, 1);
    QLabel* warning = Label("lblWarning");
    warning->setText("Please ensure that the Site-wide changes you are about to make are correct...");
    for (int i = 0; i < 2; ++i) {
        bars_[i] = new ProgressBarWidget;
        bars_[i]->setObjectName(QString("pBar(%1)").arg(i));
    }
    abort_ = Button("Abort", "cmdAbort");
    commit_ = Button("Commit", "cmdGo");
    connect(abort_, &QPushButton::clicked, this, &QDialog::reject);
    connect(commit_, &QPushButton::clicked, this, &ProgressWindow::commit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(abort_);
    buttons->addWidget(commit_);

    error_ = Label("lblError");
    error_->setStyleSheet("color: #B00000; font-weight: bold;");
    error_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    totals_ = Label("lblSummary");
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    skipped_ = new QListWidget;
    skipped_->setObjectName("lstSkipped");
    skipped_->setMaximumHeight(160);
    close_ = Button("Close", "cmdOK");
    close_->setToolTip("The task you set is complete - Just click this button to close this window.");
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    outcome_ = new QWidget;
    auto* outcome = new QVBoxLayout(outcome_);
    outcome->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{error_, totals_, skipped_}) outcome->addWidget(w);
    outcome->addWidget(close_, 0, Qt::AlignRight);
    outcome_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(figures);
    layout->addWidget(warning);
    layout->addWidget(bars_[0]);
    layout->addWidget(bars_[1]);
    layout->addLayout(buttons);
    layout->addWidget(outcome_);
    // Compact until the work is done; then the outcome and Close come into view.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    abort_->setEnabled(false);
    commit_->setEnabled(false);
}

void ProgressWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Measured once the window is on screen, so the figures are seen growing.
    if (!opened_) QTimer::singleShot(0, this, &ProgressWindow::measure);
    opened_ = true;
}

void ProgressWindow::reject() {
    if (!running_) QDialog::reject();
}

void ProgressWindow::showFigures(const SiteFigures& figures) {
    const bool cleared = figures.files == 0 && figures.bytes == 0;
    count_->setText(cleared ? QString() : QString::number(figures.files));
    size_->setText(cleared ? QString() : QString::number(figures.bytes));
    index_->setText(cleared ? QString() : QString::fromStdString(IndexText(figures.index)));
    QCoreApplication::processEvents();
}

void ProgressWindow::showBar(const ProgressBar& bar) {
    bars_[bar.index == 0 ? 0 : 1]->showBar(bar);
    QCoreApplication::processEvents();
}

SiteSummary ProgressWindow::run(int code) {
    running_ = true;
    abort_->setEnabled(false);
    commit_->setEnabled(false);
    showFigures({});
    SiteSummary summary = RunSiteOperation(ws_, code, *this);
    running_ = false;
    return summary;
}

void ProgressWindow::measure() {
    const SiteSummary summary = run(kAnalyseSite);
    // A site that cannot be measured cannot be changed either: say why, and only Close remains.
    if (summary.stopped) return finish(summary, false);
    abort_->setEnabled(true);
    commit_->setEnabled(true);
    commit_->setFocus();
}

void ProgressWindow::commit() { finish(run(code_), true); }

void ProgressWindow::finish(const SiteSummary& summary, bool committed) {
    error_->setVisible(summary.stopped);
    error_->setText("Stopped: " + ShownText(summary.error));
    totals_->setVisible(committed);
    totals_->setText(Totals(summary));
    skipped_->setVisible(!summary.skipped.empty());
    // Named below the site folder, so the reasons are in view.
    const QDir site(PathToQt(ws_.status.siteRoot));
    for (const PageNote& page : summary.skipped)
        skipped_->addItem(site.relativeFilePath(PathToQt(page.page)) + "  -  " + ShownText(page.note));
    outcome_->show();
    close_->setDefault(true);
    close_->setFocus();
}

}  // namespace wk::ui
