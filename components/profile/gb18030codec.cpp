#include "gb18030codec.h"

namespace {
bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

bool isLead(uchar b)
{
    return b >= 0x81 && b <= 0xFE;
}
} // namespace

// Stateless: every call converts one whole value, nothing may leak into the next one.
Gb18030Codec::Gb18030Codec()
    : m_encoder("GB18030", QStringConverter::Flag::Stateless),
      m_decoder("GB18030", QStringConverter::Flag::Stateless)
{}

QByteArray Gb18030Codec::encode(QStringView text)
{
    // Names and numbers are ASCII, and ASCII is the same in both encodings.
    if (isAscii(text))
        return text.toLatin1();
    return m_encoder.encode(text);
}

QString Gb18030Codec::decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text = m_decoder.decode(bytes);
    // A stateless decoder silently drops a lead byte at the very end; show it like any other
    // damaged byte instead.
    qsizetype at = 0;
    qsizetype last = 0;
    while (at < bytes.size()) {
        last = at;
        at += charLength(bytes.data() + at, bytes.size() - at);
    }
    if (!bytes.isEmpty() && at - last == 1 && isLead(uchar(bytes.at(last))))
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

int Gb18030Codec::charLength(const char* data, qsizetype available)
{
    const uchar lead = uchar(data[0]);
    if (!isLead(lead) || available < 2)
        return 1;
    const uchar second = uchar(data[1]);
    if (second >= 0x40 && second <= 0xFE && second != 0x7F)
        return 2;
    if (second >= 0x30 && second <= 0x39 && available >= 4 && isLead(uchar(data[2])) &&
        uchar(data[3]) >= 0x30 && uchar(data[3]) <= 0x39)
        return 4;
    return 1;
}

qsizetype Gb18030Codec::prefixLength(QByteArrayView bytes, qsizetype maxBytes)
{
    if (maxBytes >= bytes.size())
        return bytes.size();
    qsizetype at = 0;
    while (at < maxBytes) {
        const int length = charLength(bytes.data() + at, bytes.size() - at);
        if (at + length > maxBytes)
            break;
        at += length;
    }
    return at;
}

void Gb18030Codec::foldCase(char* data, qsizetype size)
{
    qsizetype at = 0;
    while (at < size) {
        const char c = data[at];
        if (c >= 'A' && c <= 'Z') {
            data[at] = char(c - 'A' + 'a');
            ++at;
        } else if (uchar(c) < 0x80) {
            ++at;
        } else {
            at += charLength(data + at, size - at);
        }
    }
}
