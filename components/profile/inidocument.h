#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <vector>

// A profile (INI) file held in memory: the bytes it was read from plus the changes made since.
// Everything works on the file's own bytes (GB18030); names and values are never re-encoded.
//
// Reading follows the Windows profile reader: a UTF-8 byte order mark at the very start is
// skipped, lines end at LF, CR LF or a CR alone, blanks around names and values are ignored, blank
// lines and lines starting with ";" carry nothing, "[name]" opens a section (up to the last "]" on
// the line; "[name" without one opens nothing), a line needs "=" to be a key, section and key
// names match whatever the case of their ASCII letters, the first of two equal sections or keys
// wins, matching quotes around a value are removed, and a value ends at a NUL byte.
//
// Writing changes only what was set: an existing key keeps its line, a new key follows the last
// key of its section, a new section goes to the end of the file. A value written the way it
// already stands changes nothing. Every other line stays byte for byte as it was (a byte order
// mark too); only line ends become CR LF.
class IniDocument final
{
public:
    explicit IniDocument(const QByteArray& source = {});
    IniDocument(IniDocument&&) noexcept = default;
    IniDocument& operator=(IniDocument&&) noexcept = default;
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    // The stored value, blanks and quotes removed; a null QByteArray when the section or the key
    // is missing (an empty value is empty but not null).
    QByteArray value(QByteArrayView section, QByteArrayView key) const;
    // The value's bytes exactly as they stand after "=", only the blanks around them left out;
    // null when the section or the key is missing.
    QByteArray storedValue(QByteArrayView section, QByteArrayView key) const;
    // Sets key in section, adding either where needed. Names are taken without surrounding
    // blanks; false (and nothing changed) for a name that could not be read back: empty, with a
    // line break, a key with "=" or starting with ";" or "[". Line breaks in the value are written
    // as blanks, and a value that would lose blanks or quotes on reading is written in quotes.
    bool setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // Sets key in section to stand exactly as stored (blanks around it are left out, as on
    // reading); false also for a value with a line break (CR or LF).
    bool setStoredValue(QByteArrayView section, QByteArrayView key, QByteArrayView stored);
    // How setValue writes value.
    static QByteArray writtenValue(QByteArrayView value);

    // Counts the sets that changed the document; one that leaves it as it was does not count.
    quint64 editCount() const { return m_edits; }
    const QByteArray& source() const { return m_source; }
    // The whole file as it is to be written.
    QByteArray toBytes() const;

    // Qt's own byte-array hash is built for long, hostile input; names here are a few bytes, and
    // a list of 32767 entries looks up some 100 000 of them per load or save.
    static size_t hashName(QByteArrayView name, size_t seed);

private:
    struct SectionName
    {
        QByteArray name; // folded

        friend bool operator==(const SectionName& a, const SectionName& b)
        {
            return a.name == b.name;
        }
        friend size_t qHash(const SectionName& id, size_t seed = 0)
        {
            return hashName(id.name, seed);
        }
    };
    struct KeyId
    {
        qint32 section;
        QByteArray name; // folded

        friend bool operator==(const KeyId& a, const KeyId& b)
        {
            return a.section == b.section && a.name == b.name;
        }
        friend size_t qHash(const KeyId& id, size_t seed = 0)
        {
            return hashName(id.name, seed ^ (size_t(id.section) * 0x9E3779B97F4A7C15ULL));
        }
    };
    struct KeyState
    {
        qsizetype line = -1; // start of the key's line in the source; -1 for a new key
        qint32 change = -1;  // index into m_changes once set
    };
    struct Section
    {
        qsizetype insertAt = -1; // where new keys go in the source; -1 for a new section
        QByteArray header;       // name as written, for a new section
        std::vector<qint32> added;
    };
    struct Change
    {
        QByteArray name;     // key as written; empty when it replaces a line of the source
        QByteArray value;    // as stored (quoted where needed)
        qsizetype line = -1; // the replaced line, or -1 (also once set back to what it replaced)
    };

    void parse();
    qint32 findSection(QByteArrayView folded) const;
    const KeyState* findKey(QByteArrayView section, QByteArrayView key) const;
    QByteArrayView storedOf(const KeyState& key) const;
    bool set(QByteArrayView section, QByteArrayView key, QByteArray stored);
    QByteArrayView lineValue(qsizetype line) const;
    QByteArrayView lineName(qsizetype line) const;
    void appendLines(QByteArray& out, qsizetype from, qsizetype to) const;
    static void appendKey(QByteArray& out, QByteArrayView name, QByteArrayView value);

    QByteArray m_source;
    QByteArray m_folded; // m_source with names case-folded; index keys point into it
    std::vector<Section> m_sections;
    std::vector<qint32> m_newSections;
    std::vector<Change> m_changes;
    quint64 m_edits = 0;
    QHash<SectionName, qint32> m_sectionIndex;
    QHash<KeyId, KeyState> m_keys;
};
