#include "app/preview.h"

#include "app/page.h"
#include "ground/file_routines.h"
#include "ground/file_system.h"
#include "ground/text.h"
#include "markup/page_filter.h"
#include "markup/scan.h"
#include "preview/preview_build.h"

namespace wk {

PreviewResult PreviewPage(Workspace& ws, const std::string& pagePath, const std::string& out) {
    PreviewResult result;
    const std::optional<std::string> page = ReadPageFile(pagePath);
    if (!page) {
        ws.prompt->message("Preview Failed", "The page " + pagePath + " cannot be read.", MessageIcon::Critical);
        return result;
    }
    const PreviewText preview =
        BuildPreview(*page, {NormaliseFolder(TrimSpaces(ws.status.siteRoot)), TrimSpaces(ws.status.siteUrl)});
    const std::string target = out.empty() ? FolderOfPath(pagePath) + kPreviewFileName : out;
    if (const WriteOutcome written = WritePageFile(FolderOfPath(target), FileNameOfPath(target), preview.text);
        !written) {
        ws.prompt->message("Preview Failed", written.error, MessageIcon::Critical);
        return result;
    }
    if (!preview.notes.empty()) {
        std::string said;
        for (const std::string& note : preview.notes) said += (said.empty() ? "" : "\n") + note;
        ws.prompt->message("Preview Incomplete", said, MessageIcon::Exclamation);
    }
    result.ok = true;
    result.file = target;
    result.title = ExtractTagContent(*page, "title");
    return result;
}

std::string PageToPreview(Workspace& ws) {
    if (!ws.page.path.empty() && ActiveFileSystem().canRead(ws.page.path)) return ws.page.path;
    const std::string chosen = ws.prompt->chooseFile(PageFilter(), ws.status.siteRoot);
    return chosen.find('*') == std::string::npos ? chosen : std::string{};
}

}  // namespace wk
