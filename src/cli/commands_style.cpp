#include "cli/cli.h"

namespace wk::cli {

void RegisterStyleCommands(CommandTable&) {}

}  // namespace wk::cli
