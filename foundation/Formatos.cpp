#include "Formatos.h"

#include <QList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int digitosSignificativos = 15;

// A finite, non-zero magnitude as 15 significant digits: valor = 0.digitos * 10^(exponente + 1).
struct Decimal
{
    QString digitos;
    int exponente = 0;
};

Decimal descomponer(double magnitud)
{
    const QString cientifico = QString::number(magnitud, 'e', digitosSignificativos - 1);
    const qsizetype e = cientifico.indexOf(u'e');
    Decimal d;
    d.digitos = cientifico.first(1) + cientifico.sliced(2, e - 2);
    d.exponente = cientifico.sliced(e + 1).toInt();
    return d;
}

void incrementar(QString &digitos)
{
    for (qsizetype i = digitos.size() - 1; i >= 0; --i) {
        if (digitos[i] != u'9') {
            digitos[i] = QChar(digitos[i].unicode() + 1);
            return;
        }
        digitos[i] = u'0';
    }
    digitos.prepend(u'1');
}

// The integer and decimal digits of the magnitude rounded half away from zero to `decimales`
// places: the integer digits without leading zeros ("" for none), exactly `decimales` decimals.
struct Redondeo
{
    QString enteros;
    QString decimales;
    bool cero = true;
};

Redondeo redondear(double magnitud, int decimales)
{
    QString escalado; // digits of magnitud * 10^decimales, rounded
    if (magnitud != 0) {
        const Decimal d = descomponer(magnitud);
        const int corte = d.exponente + 1 + decimales;
        if (corte < 0) {
            // below half of the last place
        } else if (corte == 0) {
            if (d.digitos[0] >= u'5')
                escalado = u"1"_s;
        } else if (corte >= d.digitos.size()) {
            escalado = d.digitos + QString(corte - d.digitos.size(), u'0');
        } else {
            escalado = d.digitos.first(corte);
            if (d.digitos[corte] >= u'5')
                incrementar(escalado);
        }
    }
    Redondeo r;
    r.cero = escalado.isEmpty();
    if (escalado.size() < decimales)
        escalado.prepend(QString(decimales - escalado.size(), u'0'));
    r.decimales = escalado.last(decimales);
    r.enteros = escalado.first(escalado.size() - decimales);
    return r;
}

QString formaGeneral(double valor)
{
    if (std::isnan(valor))
        return u"NAN"_s;
    if (std::isinf(valor))
        return valor < 0 ? u"-INF"_s : u"INF"_s;
    if (valor == 0)
        return u"0"_s;
    const Decimal d = descomponer(std::fabs(valor));
    QString digitos = d.digitos;
    while (digitos.size() > 1 && digitos.endsWith(u'0'))
        digitos.chop(1);
    QString texto;
    if (d.exponente >= digitosSignificativos || std::fabs(valor) < 0.00001) {
        texto = digitos.first(1);
        if (digitos.size() > 1)
            texto += u',' + digitos.sliced(1);
        texto += u'E' + QString::number(d.exponente);
    } else if (d.exponente < 0) {
        texto = u"0,"_s + QString(-d.exponente - 1, u'0') + digitos;
    } else if (digitos.size() <= d.exponente + 1) {
        texto = digitos + QString(d.exponente + 1 - digitos.size(), u'0');
    } else {
        texto = digitos.first(d.exponente + 1) + u',' + digitos.sliced(d.exponente + 1);
    }
    return valor < 0 ? u'-' + texto : texto;
}

// Splits the format at ";" outside quoted text; at most three sections count.
QList<QStringView> secciones(QStringView formato)
{
    QList<QStringView> lista;
    qsizetype inicio = 0;
    QChar comilla;
    for (qsizetype i = 0; i < formato.size(); ++i) {
        const QChar c = formato[i];
        if (!comilla.isNull()) {
            if (c == comilla)
                comilla = QChar();
        } else if (c == u'\'' || c == u'"') {
            comilla = c;
        } else if (c == u';') {
            lista.append(formato.sliced(inicio, i - inicio));
            inicio = i + 1;
        }
    }
    lista.append(formato.sliced(inicio));
    return lista.first(std::min<qsizetype>(lista.size(), 3));
}

// What a section asks for.
struct Plantilla
{
    int enteros = 0; // digit placeholders before the point
    int minimoEnteros = 0; // integer digits always shown (from the first "0")
    int decimales = 0; // digit placeholders after the point
    int minimoDecimales = 0; // decimals always shown (up to the last "0")
    bool miles = false;
};

Plantilla analizar(QStringView seccion)
{
    Plantilla p;
    bool trasPunto = false;
    int primerCero = -1;
    for (qsizetype i = 0; i < seccion.size(); ++i) {
        const QChar c = seccion[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype cierre = seccion.indexOf(c, i + 1);
            i = cierre < 0 ? seccion.size() : cierre;
        } else if (c == u'0' || c == u'#') {
            if (trasPunto) {
                ++p.decimales;
                if (c == u'0')
                    p.minimoDecimales = p.decimales;
            } else {
                if (c == u'0' && primerCero < 0)
                    primerCero = p.enteros;
                ++p.enteros;
            }
        } else if (c == u'.') {
            trasPunto = true;
        } else if (c == u',') {
            p.miles = true;
        }
    }
    p.minimoEnteros = primerCero < 0 ? 0 : p.enteros - primerCero;
    return p;
}

QString aplicar(QStringView seccion, const Plantilla &p, Redondeo r, bool signo)
{
    QString enteros = r.enteros;
    if (enteros.size() < p.minimoEnteros)
        enteros.prepend(QString(p.minimoEnteros - enteros.size(), u'0'));
    QString decimales = r.decimales;
    while (decimales.size() > p.minimoDecimales && decimales.endsWith(u'0'))
        decimales.chop(1);

    const qsizetype largo = enteros.size();
    QString salida;
    if (signo)
        salida += u'-';
    auto ponerEnteros = [&](qsizetype desde, qsizetype hasta) {
        for (qsizetype j = desde; j < hasta; ++j) {
            salida += enteros[j];
            const qsizetype restantes = largo - 1 - j;
            if (p.miles && restantes > 0 && restantes % 3 == 0)
                salida += u'.';
        }
    };

    int marcador = 0; // integer placeholders seen
    int marcadorDecimal = 0; // decimal placeholders seen
    bool trasPunto = false;
    for (qsizetype i = 0; i < seccion.size(); ++i) {
        const QChar c = seccion[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype cierre = seccion.indexOf(c, i + 1);
            const qsizetype fin = cierre < 0 ? seccion.size() : cierre;
            salida += seccion.sliced(i + 1, fin - i - 1);
            i = fin;
        } else if (c == u'0' || c == u'#') {
            if (trasPunto) {
                if (marcadorDecimal < decimales.size())
                    salida += decimales[marcadorDecimal];
                ++marcadorDecimal;
            } else {
                // Placeholders take the digits right-aligned; the first one also takes every
                // digit that has no placeholder of its own.
                const qsizetype posicion = marcador - (p.enteros - largo);
                if (marcador == 0 && posicion >= 0)
                    ponerEnteros(0, posicion + 1);
                else if (posicion >= 0)
                    ponerEnteros(posicion, posicion + 1);
                ++marcador;
            }
        } else if (c == u'.') {
            if (!trasPunto) {
                trasPunto = true;
                if (p.enteros == 0)
                    ponerEnteros(0, largo);
                if (!decimales.isEmpty())
                    salida += u',';
            }
        } else if (c != u',') {
            salida += c;
        }
    }
    return salida;
}

bool esDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString formatearNumero(double valor, QStringView formato)
{
    if (!std::isfinite(valor))
        return formaGeneral(valor);
    const QList<QStringView> lista = secciones(formato);
    const bool negativo = valor < 0;
    const double magnitud = std::fabs(valor);

    qsizetype indice = negativo && lista.size() >= 2 && !lista[1].isEmpty() ? 1 : 0;
    Plantilla plantilla = analizar(lista[indice]);
    Redondeo redondeo = redondear(magnitud, plantilla.decimales);
    if (redondeo.cero) {
        const qsizetype indiceCero = lista.size() >= 3 && !lista[2].isEmpty() ? 2 : 0;
        if (indiceCero != indice) {
            indice = indiceCero;
            plantilla = analizar(lista[indice]);
            redondeo = redondear(0, plantilla.decimales);
        }
    }
    if (lista[indice].isEmpty())
        return formaGeneral(valor);
    const bool signo = negativo && indice == 0 && !redondeo.cero;
    return aplicar(lista[indice], plantilla, redondeo, signo);
}

QString formatearNumero(double valor, const char *formatoUtf8)
{
    return formatearNumero(valor, QString::fromUtf8(formatoUtf8));
}

std::optional<double> analizarNumero(QStringView texto)
{
    const QStringView t = texto.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;

    QString normalizado = t.first(i).toString();
    // Integer part: plain digits, or groups of three after a first group of one to three.
    const qsizetype inicioEnteros = i;
    while (i < t.size() && esDigito(t[i]))
        normalizado += t[i++];
    const qsizetype primerGrupo = i - inicioEnteros;
    if (i < t.size() && t[i] == u'.') {
        if (primerGrupo < 1 || primerGrupo > 3)
            return std::nullopt;
        while (i < t.size() && t[i] == u'.') {
            ++i;
            qsizetype grupo = 0;
            while (i < t.size() && esDigito(t[i])) {
                normalizado += t[i++];
                ++grupo;
            }
            if (grupo != 3)
                return std::nullopt;
        }
    }
    const bool hayEnteros = primerGrupo > 0;

    bool hayDecimales = false;
    if (i < t.size() && t[i] == u',') {
        ++i;
        normalizado += u'.';
        while (i < t.size() && esDigito(t[i])) {
            normalizado += t[i++];
            hayDecimales = true;
        }
        if (!hayDecimales)
            return std::nullopt;
    }
    if (i != t.size() || (!hayEnteros && !hayDecimales))
        return std::nullopt;

    bool correcto = false;
    const double numero = normalizado.toDouble(&correcto);
    if (!correcto)
        return std::nullopt;
    return numero;
}

double redondear2(double x)
{
    return std::nearbyint(x / 0.01) * 0.01;
}

QString formatearFecha(QDate fecha)
{
    return fecha.isValid() ? fecha.toString(u"dd/MM/yyyy") : QString();
}

QString formatearHora(QTime hora)
{
    return hora.isValid() ? hora.toString(u"hh:mm:ss") : QString();
}

QString formatearFechaHora(const QDateTime &momento)
{
    return momento.isValid() ? momento.toString(u"dd/MM/yyyy hh:mm:ss") : QString();
}
