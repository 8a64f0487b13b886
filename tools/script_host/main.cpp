// chooser-script [//nologo] <script.vbs | script.js>
// Runs the script on the system's VBScript or JScript engine in an OLE apartment of its own thread.
#include <windows.h>
#include <ole2.h>

#include <string>

#include "output.h"
#include "script_run.h"
#include "script_text.h"

int wmain(int argc, wchar_t** argv) {
    std::wstring path;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg.rfind(L"//", 0) == 0) continue;  // the system host's options: nothing to do here
        if (path.empty()) path = arg;
    }
    if (path.empty()) {
        chooser_script::writeLine(STD_ERROR_HANDLE, L"usage: chooser-script [//nologo] <script.vbs | script.js>");
        return 2;
    }
    wchar_t full[MAX_PATH * 4];
    if (GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr) > 0) path = full;
    auto text = chooser_script::readScript(path);
    if (!text) {
        chooser_script::writeLine(STD_ERROR_HANDLE, L"chooser-script: cannot read " + path);
        return 2;
    }
    // OLE rather than plain COM: the folder browser and drag and drop in the dialogs need it.
    if (FAILED(OleInitialize(nullptr))) return 1;
    int status = chooser_script::runScript(path, *text);
    CoFreeUnusedLibraries();
    OleUninitialize();
    return status;
}
