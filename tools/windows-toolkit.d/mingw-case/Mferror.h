/* qtmultimedia includes <Mferror.h>; mingw-w64 spells it <mferror.h>. */
#include <mferror.h>
