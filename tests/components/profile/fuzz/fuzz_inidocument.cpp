// Feeds arbitrary bytes to the profile-file parser and writer. Besides crashes and sanitizer
// findings it checks what a user relies on: a file rewritten without changes reads as before,
// and a value that was set reads back after writing.

#include "inidocument.h"

#include <QByteArrayList>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    IniDocument document(input);
    const IniDocument rewritten(document.toBytes());

    // Names the input itself suggests, so that lookups hit its sections and keys.
    QByteArrayList sections{"MEUserData"};
    QByteArrayList keys{"Incout"};
    for (const QByteArray& rawLine : input.split('\n').mid(0, 32)) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[') && line.lastIndexOf(']') > 0)
            sections.append(line.mid(1, line.lastIndexOf(']') - 1));
        else if (line.indexOf('=') > 0)
            keys.append(line.left(line.indexOf('=')));
    }
    for (const QByteArray& section : sections) {
        for (const QByteArray& key : keys) {
            if (rewritten.value(section, key) != document.value(section, key))
                std::abort();
        }
    }

    // Line breaks and NULs in a value are written as blanks.
    const QByteArray value = input.left(9);
    QByteArray readBack = value;
    for (char& c : readBack) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    if (document.setValue(sections.last(), keys.last(), value) &&
        IniDocument(document.toBytes()).value(sections.last(), keys.last()) != readBack)
        std::abort();
    return 0;
}
