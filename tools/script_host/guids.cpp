// Defines the script engine interfaces' GUIDs once for the program (libuuid does not carry them).
#include <windows.h>
#include <ole2.h>

#include <initguid.h>

#include <activscp.h>
