/* qtmultimedia includes <Mfidl.h>; mingw-w64 spells it <mfidl.h>. */
#include <mfidl.h>
