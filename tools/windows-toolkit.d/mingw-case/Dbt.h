/* qtmultimedia includes <Dbt.h>; mingw-w64 spells it <dbt.h>. */
#include <dbt.h>
