#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

// Spanish presentation of numbers, dates and times, and the reading of typed numbers.

// The value in a display format of the kind "positive;negative;zero" (Spanish separators):
//  - "0" a digit or 0, "#" a digit or nothing; integer digits beyond the placeholders are all
//    shown; decimals are rounded to the placeholders after the point, "#" decimals drop
//    trailing zeros;
//  - "." the decimal point, shown as ","; only the first counts;
//  - "," anywhere in the section: the integer part is grouped by thousands with ".";
//  - text in '...' or "..." and any other character (" €", "%", "-") are shown as they stand.
// Sections: with one, negative values are shown with "-" in front; with two or three, the
// second shows negative values (it carries its own sign) and the third the zero. The section
// is chosen by the value rounded to the section's decimals: a value that rounds to zero is
// shown by the zero section, or by the positive one without sign when there is none, so a
// tiny negative leftover never shows as "-0,00". An empty second or third section means the
// first. The value is first taken to 15 significant digits and then rounded half away from
// zero (1234.5 with ",0" gives "1.235", 2.675 with "0.00" gives "2,68"). Scientific notation
// ("E+00") is not supported: "E" is plain text.
// An empty format (or empty chosen section) gives the general form: up to 15 significant
// digits with "," as decimal separator, trailing zeros dropped, and an exponent ("1,5E20",
// "1E-6") when the value has more than 15 integer digits or is below 0.00001. NaN and
// infinities give "NAN", "INF" and "-INF".
[[nodiscard]] QString formatearNumero(double valor, QStringView formato);
// The same for a UTF-8 format such as the table descriptors carry (",0.00 €;-,0.00 €").
[[nodiscard]] QString formatearNumero(double valor, const char *formatoUtf8);

// A number typed the Spanish way: optional blanks around, optional "+" or "-" right before the
// digits, an integer part either plain ("1234") or grouped by "." in threes ("1.234.567"), and
// optionally "," followed by decimals (",5" is 0.5). Anything else, including "", a sign with
// no digits, "1,2,3", "12a", "1.23", "1e5" or a trailing ",", gives nullopt; callers decide
// what an empty field means.
[[nodiscard]] std::optional<double> analizarNumero(QStringView texto);

// The amount rounded to cents: nearbyint(x / 0.01) * 0.01, halves to even in the default
// rounding mode. The one rounding helper for amounts.
[[nodiscard]] double redondear2(double x);

// "dd/MM/yyyy"; "" for an invalid date.
[[nodiscard]] QString formatearFecha(QDate fecha);
// "hh:mm:ss"; "" for an invalid time.
[[nodiscard]] QString formatearHora(QTime hora);
// "dd/MM/yyyy hh:mm:ss"; "" for an invalid moment.
[[nodiscard]] QString formatearFechaHora(const QDateTime &momento);
