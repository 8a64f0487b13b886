// Defines the GUIDs of chooser10.h once for the whole DLL (the system's own come from libuuid).
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <initguid.h>

#include "chooser10.h"
