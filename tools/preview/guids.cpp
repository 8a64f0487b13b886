// Defines the GUIDs of chooser_preview.h once for the DLL.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <initguid.h>

#include "chooser_preview.h"
