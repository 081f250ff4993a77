#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>

// The list file's text encoding. GB18030 gives the same bytes as GBK for every GBK character and
// still encodes everything else (emoji, rare characters), so no remark ever turns into "?".
// One converter pair is reused because opening one costs far more than converting a short value.
class Gb18030Codec final
{
public:
    Gb18030Codec();

    QByteArray encode(QStringView text);
    // Invalid bytes become U+FFFD, one per bad byte or sequence, a cut-off last character too.
    QString decode(QByteArrayView bytes);

    // Length of the character that starts at data[0]: 1, 2 or 4. A byte that starts no valid
    // sequence is a character of its own, so a scan always moves on and resynchronises.
    static int charLength(const char* data, qsizetype available);
    // The longest prefix of at most maxBytes bytes that ends on a character boundary.
    static qsizetype prefixLength(QByteArrayView bytes, qsizetype maxBytes);
    // Lower-cases ASCII letters in place, walking character by character: trail bytes of
    // two-byte characters may look like letters and must stay as they are.
    static void foldCase(char* data, qsizetype size);

private:
    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
};
