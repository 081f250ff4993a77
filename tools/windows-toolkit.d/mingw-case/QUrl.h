/* qtmultimedia 6.4 includes "QUrl.h", which only a file system that ignores case finds. */
#include <QtCore/qurl.h>
