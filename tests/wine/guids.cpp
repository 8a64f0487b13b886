// Defines the identifiers of the generated header once for the test program.
#include <initguid.h>

#include "chooser10.h"
