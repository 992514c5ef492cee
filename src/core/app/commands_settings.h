#pragma once
// Commands that change the page options, the boilerplate and the credits switch.
#include <array>
#include <optional>
#include <string>

#include "app/workspace.h"

namespace wk {

// Anchor tag and extension filter: the answer a user types into the input box.
// An empty answer changes nothing.
void SetAnchor(Workspace& ws, const std::string& answer);
void SetFilter(Workspace& ws, const std::string& answer);
void AskAnchor(Workspace& ws);  // cmdAnchor
void AskFilter(Workspace& ws);  // cmdFilter
// The pattern an answer becomes (not a keyword answer).
std::string FilterPattern(const std::string& answer);

void SetCommitOption(Workspace& ws, int index, bool on);  // writes Options.abn
void SetCommitOptions(Workspace& ws, const CommitOptions& options);
void SetExpertMode(Workspace& ws, bool on);               // writes expert.sgt
void SetCredits(Workspace& ws, bool on);                  // writes credits.sgt
// Writes proposals.sgt and proposes the loaded page's keywords and
// description again the chosen way (a description typed meanwhile goes).
void SetProposalMethod(Workspace& ws, ProposalMethod method);
// Writes keyboard.sgt; the next commit writes the style sheet and capsule to
// match, and the designer points out hard-to-read colours while it is on.
void SetKeyboardMenus(Workspace& ws, bool on);
void ToggleCredits(Workspace& ws);                        // status bar panel 6

// Panel 1 and cmdCat: ask for the category; a non-empty answer replaces it.
void AskCategory(Workspace& ws, const std::string& title, const std::string& promptText);
void ChangeCategory(Workspace& ws);  // cmdCat, panel 1

// The boilerplate: site URL, organisation, author, copyright notice, local source.
using Boilerplate = std::array<std::string, 5>;
inline constexpr const char* kBoilerplateFile = "boilerplate.sgt";
Boilerplate InitialBoilerplate();  // "www." and four empty entries
// The dialog's opening contents: the stored entries where the file has them.
Boilerplate ReadBoilerplate(const std::string& appFolder);
void ApplyBoilerplate(Workspace& ws, const Boilerplate& entries);  // panels 2 to 5 and SiteRoot
// OK: refuses (with the "Boilerplate null data error" message) when an entry
// is empty, then (with the "Local Source not Found" message) when the local
// source is not an existing folder; otherwise stores the entries, shows them
// and answers true. The local source is stored as an absolute folder (see
// AbsoluteFolder); line breaks inside an entry are stored as spaces so the
// file keeps five lines.
bool CommitBoilerplate(Workspace& ws, Boilerplate entries);
// Cancel: Close (a boilerplate exists), Quit (first run, the user said Yes to
// quitting) or Stay (first run, No).
enum class CancelAnswer { Close, Quit, Stay };
CancelAnswer CancelBoilerplate(Workspace& ws);

// Every link, and the site URL, begins with this (see KeepLinkPrefix).
inline constexpr const char* kUrlPrefix = "www.";

}  // namespace wk
