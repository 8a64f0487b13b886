// Stands in for the header widl would make from ole_automation_base.idl: the system's own declarations of
// the automation types that our generated interface headers use.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>
