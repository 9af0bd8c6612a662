#include "Formatos.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

// Spanish display formats, reading typed numbers, rounding to cents, dates.
class TstFormatos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatearNumero_data();
    void formatearNumero();
    void analizarNumero_data();
    void analizarNumero();
    void redondear2_data();
    void redondear2();
    void fechasYHoras();
};

void TstFormatos::formatearNumero_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("formato");
    QTest::addColumn<QString>("esperado");

    const QString moneda = u",0.00 €;-,0.00 €"_s;
    QTest::newRow("moneda: cero") << 0.0 << moneda << u"0,00 €"_s;
    QTest::newRow("moneda: redondea a cero") << 0.004 << moneda << u"0,00 €"_s;
    QTest::newRow("moneda: negativo que redondea a cero sin signo")
            << -0.004 << moneda << u"0,00 €"_s;
    QTest::newRow("moneda: resto de una suma")
            << (0.1 + 0.2 - 0.3 - 1e-16) << moneda << u"0,00 €"_s;
    QTest::newRow("moneda: positivo") << 1234.5 << moneda << u"1.234,50 €"_s;
    QTest::newRow("moneda: negativo") << -1234.5 << moneda << u"-1.234,50 €"_s;
    QTest::newRow("moneda: millones") << 1234567.891 << moneda << u"1.234.567,89 €"_s;
    QTest::newRow("moneda: medio céntimo sube") << 0.005 << moneda << u"0,01 €"_s;
    QTest::newRow("moneda: acarreo hasta los miles") << 999.995 << moneda << u"1.000,00 €"_s;
    QTest::newRow("moneda: menos de mil sin punto") << 999.0 << moneda << u"999,00 €"_s;

    const QString listado = u"###,###,###,##0.00;-###,###,###,##0.00;0"_s;
    QTest::newRow("listado: cero") << 0.0 << listado << u"0"_s;
    QTest::newRow("listado: redondea a cero") << 0.004 << listado << u"0"_s;
    QTest::newRow("listado: negativo que redondea a cero") << -0.004 << listado << u"0"_s;
    QTest::newRow("listado: millones") << 1234567.891 << listado << u"1.234.567,89"_s;
    QTest::newRow("listado: negativo") << -1234.5 << listado << u"-1.234,50"_s;
    QTest::newRow("listado: menos de uno") << 0.5 << listado << u"0,50"_s;
    QTest::newRow("listado: más cifras que marcadores")
            << 1234567890123.0 << listado << u"1.234.567.890.123,00"_s;

    QTest::newRow("enteros: redondea hacia arriba") << 1234.5 << u",0"_s << u"1.235"_s;
    QTest::newRow("enteros: negativo") << -1234.5 << u",0"_s << u"-1.235"_s;
    QTest::newRow("enteros: negativo que redondea a cero") << -0.4 << u",0"_s << u"0"_s;
    QTest::newRow("enteros: mil") << 1000.0 << u",0"_s << u"1.000"_s;
    QTest::newRow("enteros: grande") << 1e15 << u",0"_s << u"1.000.000.000.000.000"_s;
    QTest::newRow("dos decimales agrupados") << 1234.5 << u",0.00"_s << u"1.234,50"_s;
    QTest::newRow("dos decimales: negativo pequeño") << -0.001 << u",0.00"_s << u"0,00"_s;
    QTest::newRow("sin agrupar") << 1234.5 << u"0.00"_s << u"1234,50"_s;
    QTest::newRow("2,675 a dos decimales") << 2.675 << u"0.00"_s << u"2,68"_s;
    QTest::newRow("1,005 a dos decimales") << 1.005 << u"0.00"_s << u"1,01"_s;
    QTest::newRow("decimales opcionales") << 1.5 << u"0.##"_s << u"1,5"_s;
    QTest::newRow("decimales opcionales enteros") << 2.0 << u"0.##"_s << u"2"_s;
    QTest::newRow("decimales opcionales redondeados") << 1.256 << u"0.##"_s << u"1,26"_s;
    QTest::newRow("sin cero entero") << 0.5 << u"#.##"_s << u",5"_s;
    QTest::newRow("ceros a la izquierda") << 5.0 << u"000"_s << u"005"_s;
    QTest::newRow("almohadilla sola con cero") << 0.0 << u"#"_s << QString();
    QTest::newRow("porcentaje") << 16.0 << u"0%"_s << u"16%"_s;
    QTest::newRow("texto entre comillas simples") << 3.0 << u"0.00 'kg'"_s << u"3,00 kg"_s;
    QTest::newRow("texto entre comillas dobles") << 7.0 << u"\"Total: \"0"_s << u"Total: 7"_s;
    QTest::newRow("punto y coma entre comillas") << 5.0 << u"'a;b' 0"_s << u"a;b 5"_s;
    QTest::newRow("sección cero con texto") << 0.0 << u"0;-0;'Cero'"_s << u"Cero"_s;
    QTest::newRow("una sección, negativo lleva signo") << -3.0 << u"0.00 €"_s << u"-3,00 €"_s;
    QTest::newRow("sección negativa vacía") << -3.0 << u"0.00;;'nada'"_s << u"-3,00"_s;
    QTest::newRow("dos secciones, cero usa la primera") << 0.0 << u"0.0;(0.0)"_s << u"0,0"_s;
    QTest::newRow("dos secciones, negativo") << -2.5 << u"0.0;(0.0)"_s << u"(2,5)"_s;

    QTest::newRow("general: decimales") << 1234.5 << QString() << u"1234,5"_s;
    QTest::newRow("general: negativo") << -0.1 << QString() << u"-0,1"_s;
    QTest::newRow("general: cero") << 0.0 << QString() << u"0"_s;
    QTest::newRow("general: entero") << 100.0 << QString() << u"100"_s;
    QTest::newRow("general: quince cifras") << 0.1 + 0.2 << QString() << u"0,3"_s;
    QTest::newRow("general: pequeño") << 0.00001 << QString() << u"0,00001"_s;
    QTest::newRow("general: muy pequeño") << 0.000001 << QString() << u"1E-6"_s;
    QTest::newRow("general: muy grande") << 1.5e20 << QString() << u"1,5E20"_s;
    QTest::newRow("no es un número")
            << std::numeric_limits<double>::quiet_NaN() << moneda << u"NAN"_s;
    QTest::newRow("infinito negativo")
            << -std::numeric_limits<double>::infinity() << moneda << u"-INF"_s;
}

void TstFormatos::formatearNumero()
{
    QFETCH(double, valor);
    QFETCH(QString, formato);
    QFETCH(QString, esperado);
    QCOMPARE(::formatearNumero(valor, formato), esperado);
    QCOMPARE(::formatearNumero(valor, formato.toUtf8().constData()), esperado);
}

void TstFormatos::analizarNumero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<std::optional<double>>("esperado");

    QTest::newRow("decimales con coma") << u"1234,5"_s << std::optional(1234.5);
    QTest::newRow("miles agrupados") << u"1.234,5"_s << std::optional(1234.5);
    QTest::newRow("varios grupos") << u"1.234.567"_s << std::optional(1234567.0);
    QTest::newRow("blancos alrededor") << u"  12 "_s << std::optional(12.0);
    QTest::newRow("negativo") << u"-0,25"_s << std::optional(-0.25);
    QTest::newRow("signo más") << u"+3"_s << std::optional(3.0);
    QTest::newRow("sin parte entera") << u",5"_s << std::optional(0.5);
    QTest::newRow("negativo sin parte entera") << u"-,5"_s << std::optional(-0.5);
    QTest::newRow("cero") << u"0"_s << std::optional(0.0);

    QTest::newRow("vacío") << QString() << std::optional<double>();
    QTest::newRow("solo blancos") << u"   "_s << std::optional<double>();
    QTest::newRow("letras") << u"abc"_s << std::optional<double>();
    QTest::newRow("dos comas") << u"1,2,3"_s << std::optional<double>();
    QTest::newRow("letra al final") << u"12a"_s << std::optional<double>();
    QTest::newRow("grupo corto") << u"1.23"_s << std::optional<double>();
    QTest::newRow("grupo largo") << u"1.2345"_s << std::optional<double>();
    QTest::newRow("primer grupo largo") << u"1234.567"_s << std::optional<double>();
    QTest::newRow("punto al final") << u"12."_s << std::optional<double>();
    QTest::newRow("punto al principio") << u".5"_s << std::optional<double>();
    QTest::newRow("coma al final") << u"1,"_s << std::optional<double>();
    QTest::newRow("punto tras la coma") << u"1,234.5"_s << std::optional<double>();
    QTest::newRow("solo signo") << u"-"_s << std::optional<double>();
    QTest::newRow("dos signos") << u"+-1"_s << std::optional<double>();
    QTest::newRow("signo separado") << u"- 1"_s << std::optional<double>();
    QTest::newRow("blanco dentro") << u"1 234"_s << std::optional<double>();
    QTest::newRow("exponente") << u"1e5"_s << std::optional<double>();
    QTest::newRow("cifras de otra escritura") << u"١٢"_s << std::optional<double>();
}

void TstFormatos::analizarNumero()
{
    QFETCH(QString, texto);
    QFETCH(std::optional<double>, esperado);
    QCOMPARE(::analizarNumero(texto), esperado);
}

void TstFormatos::redondear2_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("esperado");

    // Where valor / 0.01 is exactly k + 0.5 the tie goes to the even k.
    QTest::newRow("0,125 empate a par, baja") << 0.125 << 0.12;
    QTest::newRow("0,135 empate a par, sube") << 0.135 << 0.14;
    QTest::newRow("0,025 empate a par, baja") << 0.025 << 0.02;
    QTest::newRow("0,005 empate a par, cero") << 0.005 << 0.0;
    QTest::newRow("-0,125 empate a par") << -0.125 << -0.12;
    QTest::newRow("2,675 cociente exacto, sube a par") << 2.675 << 2.68;
    // Where the binary value puts valor / 0.01 below the half, it goes down.
    QTest::newRow("1,005 queda por debajo") << 1.005 << 1.0;
    QTest::newRow("0,145 queda por debajo") << 0.145 << 0.14;
    QTest::newRow("0,035 queda por encima") << 0.035 << 0.04;
    QTest::newRow("ya redondeado") << 12.34 << 12.34;
    QTest::newRow("negativo") << -7.456 << -7.46;
    QTest::newRow("cero") << 0.0 << 0.0;
}

void TstFormatos::redondear2()
{
    QFETCH(double, valor);
    QFETCH(double, esperado);
    QCOMPARE(::redondear2(valor), esperado);
}

void TstFormatos::fechasYHoras()
{
    QCOMPARE(formatearFecha(QDate(2024, 3, 5)), u"05/03/2024"_s);
    QCOMPARE(formatearFecha(QDate()), QString());
    QCOMPARE(formatearHora(QTime(9, 5, 7)), u"09:05:07"_s);
    QCOMPARE(formatearHora(QTime()), QString());
    QCOMPARE(formatearFechaHora(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58))),
             u"31/12/1999 23:59:58"_s);
    QCOMPARE(formatearFechaHora(QDateTime()), QString());
}

QTEST_GUILESS_MAIN(TstFormatos)
#include "tst_formatos.moc"
