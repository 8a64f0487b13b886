// One run of a script file on its language's engine.
#pragma once

#include <string>

namespace chooser_script {

// The process's exit status: 0 after a clean run, 1 when the script failed or could not start.
int runScript(const std::wstring& path, const std::wstring& text);

}  // namespace chooser_script
