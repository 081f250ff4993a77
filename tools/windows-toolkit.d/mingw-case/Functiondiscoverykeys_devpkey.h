/* qtmultimedia includes <Functiondiscoverykeys_devpkey.h>; mingw-w64 spells it <functiondiscoverykeys_devpkey.h>. */
#include <functiondiscoverykeys_devpkey.h>
