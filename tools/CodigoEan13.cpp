#include "CodigoEan13.h"

int digitoControlEan13(QStringView doceDigitos)
{
    if (doceDigitos.size() != 12)
        return -1;
    int suma = 0;
    for (qsizetype i = 0; i < doceDigitos.size(); ++i) {
        const char16_t c = doceDigitos[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        suma += (c - u'0') * (i % 2 == 0 ? 1 : 3);
    }
    return (10 - suma % 10) % 10;
}

QString completarEan13(QStringView doceDigitos)
{
    const int digito = digitoControlEan13(doceDigitos);
    if (digito < 0)
        return {};
    return doceDigitos.toString() + QChar(u'0' + digito);
}
