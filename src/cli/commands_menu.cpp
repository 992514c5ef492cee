#include "cli/cli.h"

namespace wk::cli {

void RegisterMenuCommands(CommandTable&) {}

}  // namespace wk::cli
