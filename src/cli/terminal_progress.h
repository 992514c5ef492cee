#pragma once
// The progress of a site-wide command on standard error, while that is a
// terminal: one line, redrawn in place. Elsewhere it shows nothing, so a
// script reads only the result lines.
#include <iosfwd>
#include <string>

#include "app/site_operation.h"

namespace wk::cli {

class TerminalProgress : public SiteOperationView {
public:
    explicit TerminalProgress(std::ostream& err);
    ~TerminalProgress() override;  // clears the line
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void showFigures(const SiteFigures& figures) override;
    void showBar(const ProgressBar& bar) override;

private:
    void draw(const std::string& line);

    std::ostream& err_;
    bool shown_;
    std::string last_;
};

}  // namespace wk::cli
