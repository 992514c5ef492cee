#include "markup/menu_removal.h"

#include "ground/text.h"
#include "markup/scan.h"
#include "markup/style_import.h"

namespace wk {

MenuRemoval RemoveMenuFromPage(std::string& page) {
    MenuRemoval removed;
    removed.includes = EraseAllNoCase(page, IncludeDirective());
    removed.imports = EraseAllNoCase(page, kStyleImport);
    return removed;
}

}  // namespace wk
