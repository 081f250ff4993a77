/* qtmultimedia includes <InitGuid.h>; mingw-w64 spells it <initguid.h>. */
#include <initguid.h>
