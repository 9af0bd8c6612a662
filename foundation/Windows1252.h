#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Conversion between Qt text and the single-byte Windows-1252 code page of the settings file.

// The text as Windows-1252 bytes, one byte per character. A character the code page cannot
// hold (including U+0080..U+009F other than the five below) becomes "?", one per code point.
// U+0081, U+008D, U+008F, U+0090 and U+009D give the bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
[[nodiscard]] QByteArray aWindows1252(QStringView texto);

// The text of Windows-1252 bytes. Every byte gives one character; the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give U+0081 etc., so every byte sequence
// survives desdeWindows1252 followed by aWindows1252 unchanged.
[[nodiscard]] QString desdeWindows1252(QByteArrayView bytes);
