/* qtmultimedia includes <Wmcodecdsp.h>; mingw-w64 spells it <wmcodecdsp.h>. */
#include <wmcodecdsp.h>
