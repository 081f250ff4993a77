// Feeds arbitrary bytes to the profile-file parser and writer. Besides crashes and sanitizer
// findings it checks what a user relies on: a file rewritten without changes reads as before and
// rewrites to the same bytes, values written back as they are stored change nothing, and a value
// that was set reads back after writing.

#include "inidocument.h"

#include <QByteArrayList>
#include <cstdlib>

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// A rewritten file ends every line with CR LF.
bool endsLinesWithCrLf(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return bytes.isEmpty() || bytes.endsWith("\r\n");
}

QByteArray trimmed(QByteArray bytes)
{
    while (!bytes.isEmpty() && isBlank(bytes.back()))
        bytes.chop(1);
    while (!bytes.isEmpty() && isBlank(bytes.front()))
        bytes.remove(0, 1);
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    IniDocument document(input);
    const QByteArray unchanged = document.toBytes();
    const IniDocument rewritten(unchanged);
    check(rewritten.toBytes() == unchanged);
    check(endsLinesWithCrLf(unchanged));

    // Names the input itself suggests, so that lookups hit its sections and keys.
    QByteArrayList sections{"MEUserData"};
    QByteArrayList keys{"Incout"};
    QByteArray lines = input;
    lines.replace('\r', '\n');
    for (const QByteArray& rawLine : lines.split('\n').mid(0, 32)) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[') && line.lastIndexOf(']') > 0)
            sections.append(line.mid(1, line.lastIndexOf(']') - 1));
        else if (line.indexOf('=') > 0)
            keys.append(line.left(line.indexOf('=')));
    }
    for (const QByteArray& section : sections) {
        for (const QByteArray& key : keys) {
            check(rewritten.value(section, key) == document.value(section, key));
            check(rewritten.storedValue(section, key) == document.storedValue(section, key));
        }
    }

    // Every key written back with its stored bytes: nothing changes.
    for (const QByteArray& section : sections) {
        for (const QByteArray& key : keys) {
            const QByteArray stored = document.storedValue(section, key);
            if (!stored.isNull())
                document.setStoredValue(section, key, stored);
        }
    }
    check(document.editCount() == 0);
    check(document.toBytes() == unchanged);

    // Stored bytes read back as written, in memory and from the file; line ends are refused.
    const QByteArray stored = input.mid(9, 24);
    const bool hasLineEnd = stored.contains('\r') || stored.contains('\n');
    const bool set = document.setStoredValue(sections.last(), keys.last(), stored);
    if (hasLineEnd) {
        check(!set);
    } else if (set) {
        check(document.storedValue(sections.last(), keys.last()) == trimmed(stored));
        check(IniDocument(document.toBytes()).storedValue(sections.last(), keys.last()) ==
              trimmed(stored));
    }
    check(endsLinesWithCrLf(document.toBytes()));

    // Line breaks and NULs in a value are written as blanks.
    const QByteArray value = input.left(9);
    QByteArray readBack = value;
    for (char& c : readBack) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    if (document.setValue(sections.last(), keys.last(), value))
        check(IniDocument(document.toBytes()).value(sections.last(), keys.last()) == readBack);
    return 0;
}
