#include "inidocument.h"

#include "gb18030codec.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

namespace {
// What the Windows reader takes for blanks; CR and LF end the line before they get here.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// The last "]" of [from, to), walking characters: "]" is also a valid trail byte.
qsizetype lastBracket(const char* data, qsizetype from, qsizetype to)
{
    qsizetype found = -1;
    qsizetype at = from;
    while (at < to) {
        if (data[at] == ']') {
            found = at;
            ++at;
        } else {
            at += Gb18030Codec::charLength(data + at, to - at);
        }
    }
    return found;
}

enum class LineKind { Other, Header, Key };

struct LineParts
{
    LineKind kind = LineKind::Other;
    qsizetype nameBegin = 0;
    qsizetype nameEnd = 0;
    qsizetype valueBegin = 0;
    qsizetype valueEnd = 0;
};

// Splits the line [begin, end) (without its LF) the way the reader sees it.
LineParts splitLine(const char* data, qsizetype begin, qsizetype end)
{
    LineParts parts;
    while (end > begin && isBlank(data[end - 1]))
        --end;
    while (begin < end && isBlank(data[begin]))
        ++begin;
    if (begin == end || data[begin] == ';')
        return parts;
    if (data[begin] == '[') {
        const qsizetype bracket = lastBracket(data, begin + 1, end);
        if (bracket >= 0) {
            parts.kind = LineKind::Header;
            parts.nameBegin = begin + 1;
            parts.nameEnd = bracket;
            while (parts.nameBegin < parts.nameEnd && isBlank(data[parts.nameBegin]))
                ++parts.nameBegin;
            while (parts.nameEnd > parts.nameBegin && isBlank(data[parts.nameEnd - 1]))
                --parts.nameEnd;
            return parts;
        }
    }
    // "=" never occurs inside a multi-byte character, so a plain byte search is safe.
    const void* equals = std::memchr(data + begin, '=', size_t(end - begin));
    if (!equals)
        return parts;
    parts.kind = LineKind::Key;
    parts.nameBegin = begin;
    parts.nameEnd = static_cast<const char*>(equals) - data;
    parts.valueBegin = parts.nameEnd + 1;
    parts.valueEnd = end;
    while (parts.nameEnd > parts.nameBegin && isBlank(data[parts.nameEnd - 1]))
        --parts.nameEnd;
    while (parts.valueBegin < parts.valueEnd && isBlank(data[parts.valueBegin]))
        ++parts.valueBegin;
    return parts;
}

struct LineBounds
{
    qsizetype end;  // where the line's text ends
    qsizetype next; // where the next line starts
};

// Finds where lines end, front to back: at LF, CR LF or a CR alone, or where the data ends. The
// next LF and the next CR are each found with memchr and kept until passed, so a file with one
// kind of line end is searched for the other kind only once.
class LineScanner
{
public:
    LineScanner(const char* data, qsizetype size) : m_data(data), m_size(size) {}

    LineBounds next(qsizetype from)
    {
        if (m_lf < from)
            m_lf = find('\n', from);
        if (m_cr < from)
            m_cr = find('\r', from);
        if (m_cr < m_lf)
            return {m_cr, m_cr + 1 == m_lf && m_lf < m_size ? m_lf + 1 : m_cr + 1};
        return {m_lf, m_lf < m_size ? m_lf + 1 : m_size};
    }

private:
    qsizetype find(char c, qsizetype from) const
    {
        const void* found = std::memchr(m_data + from, c, size_t(m_size - from));
        return found ? static_cast<const char*>(found) - m_data : m_size;
    }

    const char* m_data;
    qsizetype m_size;
    qsizetype m_lf = -1;
    qsizetype m_cr = -1;
};

// The one line that starts at from.
LineBounds lineBounds(const char* data, qsizetype from, qsizetype size)
{
    return LineScanner(data, size).next(from);
}

// Notepad starts UTF-8 files with it: reading skips it, writing keeps it.
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr qsizetype ByteOrderMarkSize = sizeof(ByteOrderMark) - 1;

// A copy that is never null, so that an empty value stays apart from a missing one.
QByteArray bytesOf(QByteArrayView bytes)
{
    return QByteArray(bytes.isEmpty() ? "" : bytes.data(), bytes.size());
}

// A lookup key for name without allocating: folded into buffer, which must outlive the result.
QByteArray foldedView(QByteArrayView name, QVarLengthArray<char, 64>& buffer)
{
    buffer.resize(name.size());
    std::memcpy(buffer.data(), name.data(), size_t(name.size()));
    Gb18030Codec::foldCase(buffer.data(), buffer.size());
    return QByteArray::fromRawData(buffer.constData(), buffer.size());
}

QByteArray folded(QByteArrayView name)
{
    QByteArray result = name.toByteArray();
    Gb18030Codec::foldCase(result.data(), result.size());
    return result;
}

// What a reader gets from the text after "=": up to a NUL, without one pair of matching quotes.
QByteArray readValue(QByteArrayView written)
{
    if (written.isEmpty())
        return bytesOf(written);
    if (const void* nul = std::memchr(written.data(), '\0', size_t(written.size())))
        written = written.first(static_cast<const char*>(nul) - written.data());
    const qsizetype size = written.size();
    if (size >= 2 && (written[0] == '"' || written[0] == '\'') && written[size - 1] == written[0])
        written = written.sliced(1, size - 2);
    return bytesOf(written);
}

bool hasLineBreak(QByteArrayView name)
{
    for (const char c : name) {
        if (c == '\r' || c == '\n' || c == '\0')
            return true;
    }
    return false;
}

bool hasLineEnd(QByteArrayView value)
{
    for (const char c : value) {
        if (c == '\r' || c == '\n')
            return true;
    }
    return false;
}
} // namespace

// The value as it has to stand in the file so that readValue gives it back unchanged.
QByteArray IniDocument::writtenValue(QByteArrayView value)
{
    QByteArray result = bytesOf(value);
    // One value is one line; the characters that would end or cut it become blanks.
    std::replace_if(
        result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; },
        ' ');
    const qsizetype size = result.size();
    if (size == 0)
        return result;
    const char first = result[0];
    const char last = result[size - 1];
    const bool quoted = size >= 2 && (first == '"' || first == '\'') && last == first;
    if (isBlank(first) || isBlank(last) || quoted)
        return '"' + result + '"';
    return result;
}

size_t IniDocument::hashName(QByteArrayView name, size_t seed)
{
    // FNV-1a over the bytes, then a final mix so that the low bits QHash uses vary well.
    quint64 hash = 0xCBF29CE484222325ULL ^ quint64(seed);
    for (const char c : name) {
        hash ^= uchar(c);
        hash *= 0x100000001B3ULL;
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDULL;
    hash ^= hash >> 33;
    return size_t(hash);
}

IniDocument::IniDocument(const QByteArray& source) : m_source(source)
{
    parse();
}

void IniDocument::parse()
{
    const char* data = m_source.constData();
    const qsizetype size = m_source.size();
    m_folded = QByteArray(data, size);
    Gb18030Codec::foldCase(m_folded.data(), size);
    const char* foldedData = m_folded.constData();

    qint32 current = -1; // keys before any section, or in a repeated one, are never found
    LineScanner lines(data, size);
    qsizetype at = m_source.startsWith(ByteOrderMark) ? ByteOrderMarkSize : 0;
    while (at < size) {
        const auto [end, next] = lines.next(at);
        const LineParts parts = splitLine(data, at, end);
        if (parts.kind == LineKind::Header) {
            const SectionName name{QByteArray::fromRawData(foldedData + parts.nameBegin,
                                                           parts.nameEnd - parts.nameBegin)};
            // One hash lookup whether the name is new or not: a new entry grows the index.
            const qsizetype known = m_sectionIndex.size();
            qint32& index = m_sectionIndex[name];
            if (m_sectionIndex.size() == known) {
                current = -1;
            } else {
                current = index = qint32(m_sections.size());
                m_sections.push_back(Section{next, {}, {}});
            }
        } else if (parts.kind == LineKind::Key && current >= 0) {
            m_sections[size_t(current)].insertAt = next;
            if (parts.nameEnd > parts.nameBegin) {
                KeyId id{current, QByteArray::fromRawData(foldedData + parts.nameBegin,
                                                          parts.nameEnd - parts.nameBegin)};
                const qsizetype known = m_keys.size();
                KeyState& key = m_keys[id];
                if (m_keys.size() != known)
                    key.line = at;
            }
        }
        at = next;
    }
}

qint32 IniDocument::findSection(QByteArrayView folded) const
{
    const auto it = m_sectionIndex.constFind(
        SectionName{QByteArray::fromRawData(folded.data(), folded.size())});
    return it == m_sectionIndex.constEnd() ? -1 : it.value();
}

QByteArrayView IniDocument::lineValue(qsizetype line) const
{
    const char* data = m_source.constData();
    const LineParts parts = splitLine(data, line, lineBounds(data, line, m_source.size()).end);
    return QByteArrayView(m_source).sliced(parts.valueBegin, parts.valueEnd - parts.valueBegin);
}

QByteArrayView IniDocument::lineName(qsizetype line) const
{
    const char* data = m_source.constData();
    const LineParts parts = splitLine(data, line, lineBounds(data, line, m_source.size()).end);
    return QByteArrayView(m_source).sliced(parts.nameBegin, parts.nameEnd - parts.nameBegin);
}

const IniDocument::KeyState* IniDocument::findKey(QByteArrayView section, QByteArrayView key) const
{
    section = trimmed(section);
    key = trimmed(key);
    if (section.isEmpty() || key.isEmpty())
        return nullptr;
    QVarLengthArray<char, 64> sectionBuffer;
    const qint32 index = findSection(foldedView(section, sectionBuffer));
    if (index < 0)
        return nullptr;
    QVarLengthArray<char, 64> keyBuffer;
    const auto it = m_keys.constFind(KeyId{index, foldedView(key, keyBuffer)});
    return it == m_keys.constEnd() ? nullptr : &it.value();
}

QByteArrayView IniDocument::storedOf(const KeyState& key) const
{
    if (key.change >= 0)
        return m_changes[size_t(key.change)].value;
    return lineValue(key.line);
}

QByteArray IniDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const KeyState* found = findKey(section, key);
    return found ? readValue(storedOf(*found)) : QByteArray();
}

QByteArray IniDocument::storedValue(QByteArrayView section, QByteArrayView key) const
{
    const KeyState* found = findKey(section, key);
    return found ? bytesOf(storedOf(*found)) : QByteArray();
}

bool IniDocument::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    return set(section, key, writtenValue(value));
}

bool IniDocument::setStoredValue(QByteArrayView section, QByteArrayView key, QByteArrayView stored)
{
    if (hasLineEnd(stored))
        return false;
    return set(section, key, bytesOf(trimmed(stored)));
}

bool IniDocument::set(QByteArrayView section, QByteArrayView key, QByteArray stored)
{
    section = trimmed(section);
    key = trimmed(key);
    if (section.isEmpty() || hasLineBreak(section))
        return false;
    // A name ending in a broken character would swallow the closing bracket.
    QVarLengthArray<char, 64> header(section.size() + 1);
    std::memcpy(header.data(), section.data(), size_t(section.size()));
    header[section.size()] = ']';
    if (lastBracket(header.constData(), 0, header.size()) != section.size())
        return false;
    if (key.isEmpty() || hasLineBreak(key) || key.contains('=') || key[0] == ';' || key[0] == '[')
        return false;

    QVarLengthArray<char, 64> sectionBuffer;
    const QByteArray sectionLookup = foldedView(section, sectionBuffer);
    qint32 index = findSection(sectionLookup);
    if (index < 0) {
        index = qint32(m_sections.size());
        m_sections.push_back(Section{-1, section.toByteArray(), {}});
        m_sectionIndex.insert(SectionName{folded(section)}, index);
        m_newSections.push_back(index);
    }
    QVarLengthArray<char, 64> keyBuffer;
    const auto it = m_keys.find(KeyId{index, foldedView(key, keyBuffer)});
    if (it == m_keys.end()) {
        const qint32 change = qint32(m_changes.size());
        m_changes.push_back(Change{key.toByteArray(), std::move(stored), -1});
        m_keys.insert(KeyId{index, folded(key)}, KeyState{-1, change});
        m_sections[size_t(index)].added.push_back(change);
    } else if (it->change >= 0) {
        Change& change = m_changes[size_t(it->change)];
        if (change.value == stored)
            return true;
        if (change.line >= 0 && lineValue(change.line) == QByteArrayView(stored)) {
            // Back to what the line holds: the line is written as it stands again.
            change = Change{};
            it->change = -1;
        } else {
            change.value = std::move(stored);
        }
    } else {
        if (lineValue(it->line) == QByteArrayView(stored))
            return true;
        it->change = qint32(m_changes.size());
        m_changes.push_back(Change{{}, std::move(stored), it->line});
    }
    ++m_edits;
    return true;
}

void IniDocument::appendKey(QByteArray& out, QByteArrayView name, QByteArrayView value)
{
    out.append(name);
    out.append('=');
    out.append(value);
    out.append("\r\n", 2);
}

void IniDocument::appendLines(QByteArray& out, qsizetype from, qsizetype to) const
{
    const char* data = m_source.constData();
    LineScanner lines(data, to);
    while (from < to) {
        const LineBounds line = lines.next(from);
        if (line.next == line.end + 2) {
            out.append(data + from, line.next - from); // already ends in CR LF
        } else {
            out.append(data + from, line.end - from);
            out.append("\r\n", 2);
        }
        from = line.next;
    }
}

QByteArray IniDocument::toBytes() const
{
    struct Edit
    {
        qsizetype at;
        bool replaces; // a changed line of the source; otherwise keys added to a section
        qint32 index;
    };
    std::vector<Edit> edits;
    qsizetype extra = 0;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (m_sections[i].insertAt >= 0 && !m_sections[i].added.empty())
            edits.push_back(Edit{m_sections[i].insertAt, false, qint32(i)});
        extra += m_sections[i].header.size() + 4;
    }
    for (size_t i = 0; i < m_changes.size(); ++i) {
        if (m_changes[i].line >= 0)
            edits.push_back(Edit{m_changes[i].line, true, qint32(i)});
        extra += m_changes[i].name.size() + m_changes[i].value.size() + 3;
    }
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.at != b.at ? a.at < b.at : a.replaces < b.replaces;
    });

    QByteArray out;
    out.reserve(m_source.size() + m_source.size() / 8 + extra + 64);
    qsizetype at = 0;
    for (const Edit& edit : edits) {
        if (edit.at > at)
            appendLines(out, at, edit.at);
        at = std::max(at, edit.at);
        if (edit.replaces) {
            const Change& change = m_changes[size_t(edit.index)];
            appendKey(out, lineName(change.line), change.value);
            at = lineBounds(m_source.constData(), change.line, m_source.size()).next;
        } else {
            for (const qint32 change : m_sections[size_t(edit.index)].added)
                appendKey(out, m_changes[size_t(change)].name, m_changes[size_t(change)].value);
        }
    }
    appendLines(out, at, m_source.size());
    for (const qint32 index : m_newSections) {
        const Section& section = m_sections[size_t(index)];
        out.append('[');
        out.append(section.header);
        out.append("]\r\n", 3);
        for (const qint32 change : section.added)
            appendKey(out, m_changes[size_t(change)].name, m_changes[size_t(change)].value);
    }
    return out;
}
