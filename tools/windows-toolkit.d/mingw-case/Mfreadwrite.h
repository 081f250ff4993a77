/* qtmultimedia includes <Mfreadwrite.h>; mingw-w64 spells it <mfreadwrite.h>. */
#include <mfreadwrite.h>
