#pragma once

#include <QString>
#include <QStringView>

// Check digit of EAN-13 article numbers (GS1 modulo 10, weights 1 and 3 from the left).

// The check digit (0..9) of the first twelve digits of an EAN-13 code; -1 when `doceDigitos`
// is not exactly twelve ASCII digits.
[[nodiscard]] int digitoControlEan13(QStringView doceDigitos);

// The complete thirteen-digit code: the twelve digits followed by their check digit; "" when
// they are not twelve ASCII digits.
[[nodiscard]] QString completarEan13(QStringView doceDigitos);
