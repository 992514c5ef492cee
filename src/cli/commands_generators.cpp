#include "cli/cli.h"

namespace wk::cli {

void RegisterGeneratorCommands(CommandTable&) {}

}  // namespace wk::cli
