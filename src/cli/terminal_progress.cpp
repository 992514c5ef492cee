#include "cli/terminal_progress.h"

#include <algorithm>
#include <ostream>
#include <unistd.h>

namespace wk::cli {

TerminalProgress::TerminalProgress(std::ostream& err) : err_(err), shown_(::isatty(STDERR_FILENO) == 1) {}

TerminalProgress::~TerminalProgress() {
    if (!last_.empty()) err_ << "\r\033[K" << std::flush;
}

void TerminalProgress::showFigures(const SiteFigures& figures) {
    if (figures.files == 0) return;
    draw("Counting: " + std::to_string(figures.files) + " files, " + std::to_string(figures.bytes) + " bytes");
}

void TerminalProgress::showBar(const ProgressBar& bar) {
    constexpr int kWidth = 30;
    const int filled = static_cast<int>(std::clamp(bar.fraction, 0.0, 1.0) * kWidth + 0.5);
    draw("[" + std::string(filled, '#') + std::string(kWidth - filled, '-') + "] " + bar.text);
}

void TerminalProgress::draw(const std::string& line) {
    if (!shown_ || line == last_) return;
    err_ << "\r\033[K" << line << std::flush;
    last_ = line;
}

}  // namespace wk::cli
