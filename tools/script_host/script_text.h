// Reading a script file as the engines take it: UTF-16 with a byte-order mark, UTF-8 with one, else the
// ANSI code page (as the system's own host reads a plain script).
#pragma once

#include <optional>
#include <string>

namespace chooser_script {

std::optional<std::wstring> readScript(const std::wstring& path);

}  // namespace chooser_script
