// Feeds arbitrary bytes to the profile-file parser and writer. Besides crashes and sanitizer
// findings it checks what a user relies on: rewriting a file never changes what it reads as,
// a value that was set reads back, and setting one key leaves every other key as it was.

#include "gb18030codec.h"
#include "inidocument.h"

#include <QByteArrayList>
#include <cstdlib>
#include <vector>

namespace {
struct Probe
{
    QByteArray section;
    QByteArray key;
};

QByteArray foldedName(const QByteArray& name)
{
    QByteArray result = name.trimmed();
    Gb18030Codec::foldCase(result.data(), result.size());
    return result;
}

bool sameKey(const Probe& a, const Probe& b)
{
    return foldedName(a.section) == foldedName(b.section) && foldedName(a.key) == foldedName(b.key);
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Names the input itself suggests, so that lookups hit its sections and keys.
std::vector<Probe> probesOf(const QByteArray& input)
{
    QByteArrayList sections{"MEUserData", "1"};
    QByteArrayList keys{"Incout", "Imis1", "Imis2"};
    for (const QByteArray& rawLine : input.split('\n').mid(0, 64)) {
        const QByteArray line = rawLine.trimmed();
        const qsizetype bracket = line.lastIndexOf(']');
        if (line.startsWith('[') && bracket > 0 && sections.size() < 12)
            sections.append(line.mid(1, bracket - 1));
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && keys.size() < 12)
            keys.append(line.left(equals));
    }
    std::vector<Probe> probes;
    for (const QByteArray& section : sections) {
        for (const QByteArray& key : keys)
            probes.push_back(Probe{section, key});
    }
    return probes;
}

// What reading gives back for a value that was set.
QByteArray readBack(QByteArray value)
{
    for (char& c : value) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    return value;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    IniDocument document(input);
    const std::vector<Probe> probes = probesOf(input);
    std::vector<QByteArray> before;
    for (const Probe& probe : probes)
        before.push_back(document.value(probe.section, probe.key));

    // Rewritten without changes, the file reads the same.
    const IniDocument unchanged(document.toBytes());
    for (size_t i = 0; i < probes.size(); ++i)
        check(unchanged.value(probes[i].section, probes[i].key) == before[i]);

    // Set a few keys, some found in the input, some new, with values taken from the input.
    std::vector<Probe> set;
    std::vector<QByteArray> setValues;
    for (size_t i = 0; i < probes.size() && set.size() < 4; i += 1 + i % 5) {
        const QByteArray value = input.mid(qsizetype(i * 7) % (input.size() + 1), 9);
        if (document.setValue(probes[i].section, probes[i].key, value)) {
            set.push_back(probes[i]);
            setValues.push_back(readBack(value));
        }
    }
    if (document.setValue("new section", "new key", input.left(5))) {
        set.push_back(Probe{"new section", "new key"});
        setValues.push_back(readBack(input.left(5)));
    }

    const IniDocument written(document.toBytes());
    for (size_t i = 0; i < probes.size(); ++i) {
        QByteArray expected = before[i];
        for (size_t s = 0; s < set.size(); ++s) {
            if (sameKey(probes[i], set[s]))
                expected = setValues[s];
        }
        check(document.value(probes[i].section, probes[i].key) == expected);
        check(written.value(probes[i].section, probes[i].key) == expected);
    }
    for (size_t s = 0; s < set.size(); ++s) {
        QByteArray expected = setValues[s]; // the last of several sets of one key wins
        for (size_t later = s + 1; later < set.size(); ++later) {
            if (sameKey(set[s], set[later]))
                expected = setValues[later];
        }
        check(written.value(set[s].section, set[s].key) == expected);
    }

    // A cut never ends inside a character and never exceeds its limit.
    const qsizetype limit = qsizetype(size % 211);
    const qsizetype cut = Gb18030Codec::prefixLength(input, limit);
    check(cut <= limit && cut <= input.size());
    qsizetype at = 0;
    while (at < cut)
        at += Gb18030Codec::charLength(input.constData() + at, input.size() - at);
    check(at == cut);
    return 0;
}
