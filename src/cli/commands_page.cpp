#include "cli/cli.h"

namespace wk::cli {

void RegisterPageCommands(CommandTable&) {}

}  // namespace wk::cli
