#pragma once
// A workspace on a settings folder of its own, its questions answered from a script.
#include "app/workspace.h"
#include "ground/prompt.h"
#include "temp_folder.h"

namespace wk::test {

struct ScratchWorkspace {
    TempFolder folder;
    ScriptedPrompt prompt;
    Workspace ws{folder.path(), prompt};
};

}  // namespace wk::test
