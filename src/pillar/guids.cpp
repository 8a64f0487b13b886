// Defines the GUIDs of zqpillar10.h once for the whole DLL (the system's own come from libuuid).
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <initguid.h>

#include "zqpillar10.h"
