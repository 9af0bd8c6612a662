#include "Windows1252.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the undefined bytes keep their own C1 code point.
constexpr std::array<char16_t, 32> tabla80a9F = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char16_t caracterDe(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return tabla80a9F[byte - 0x80];
    return byte;
}

// The byte of a BMP character, or '?' when the code page has none.
char byteDe(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < tabla80a9F.size(); ++i) {
        if (tabla80a9F[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray aWindows1252(QStringView texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) {
            // A character beyond the BMP is one character and becomes one "?".
            bytes.append('?');
            ++i;
        } else if (c.isSurrogate()) {
            bytes.append('?');
        } else {
            bytes.append(byteDe(c.unicode()));
        }
    }
    return bytes;
}

QString desdeWindows1252(QByteArrayView bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    QChar *destino = texto.data();
    for (const char byte : bytes)
        *destino++ = QChar(caracterDe(static_cast<unsigned char>(byte)));
    return texto;
}
