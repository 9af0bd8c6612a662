#include "MensajesGrabados.h"
#include "Numeracion.h"

#include <QTest>

#include <array>

using namespace Qt::StringLiterals;

using Posiciones = std::array<int, 3>;
Q_DECLARE_METATYPE(Posiciones)

// Invoice numbers composed from counter, series and year, and the padding they use; no database.
class TstComponerNumero : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void componer_data();
    void componer();
    void rellenar_data();
    void rellenar();
    void facturaClienteSinSerie_data();
    void facturaClienteSinSerie();
};

void TstComponerNumero::componer_data()
{
    QTest::addColumn<qint64>("contador");
    QTest::addColumn<QString>("serie");
    QTest::addColumn<QString>("anio");
    QTest::addColumn<qsizetype>("ancho");
    QTest::addColumn<Posiciones>("posiciones");
    QTest::addColumn<QString>("numero");

    const QString anio = u"/2026"_s;
    const Posiciones normal {1, 2, 3};
    QTest::newRow("por defecto") << qint64(7) << u"A"_s << anio << qsizetype(4) << normal
                                 << u"0007A/2026"_s;
    QTest::newRow("contador más ancho que el relleno")
            << qint64(12345) << u"A"_s << anio << qsizetype(4) << normal << u"12345A/2026"_s;
    QTest::newRow("contador justo del ancho")
            << qint64(1234) << u"A"_s << anio << qsizetype(4) << normal << u"1234A/2026"_s;
    QTest::newRow("orden invertido") << qint64(7) << u"A"_s << anio << qsizetype(4)
                                     << Posiciones {3, 2, 1} << u"/2026A0007"_s;
    QTest::newRow("año en medio") << qint64(7) << u"A"_s << anio << qsizetype(4)
                                  << Posiciones {1, 3, 2} << u"0007/2026A"_s;
    QTest::newRow("serie no mostrada")
            << qint64(7) << QString() << anio << qsizetype(4) << normal << u"0007/2026"_s;
    QTest::newRow("serie de dos letras")
            << qint64(7) << u"AB"_s << anio << qsizetype(4) << normal << u"0007AB/2026"_s;
    QTest::newRow("sin ancho") << qint64(7) << u"A"_s << anio << qsizetype(0) << normal
                               << u"7A/2026"_s;
    QTest::newRow("año vacío") << qint64(7) << u"A"_s << QString() << qsizetype(4) << normal
                               << u"0007A"_s;
    QTest::newRow("posición vacía") << qint64(7) << u"A"_s << anio << qsizetype(4)
                                    << Posiciones {1, 0, 3} << u"0007/2026"_s;
    QTest::newRow("posición fuera de 1 a 3")
            << qint64(7) << u"A"_s << anio << qsizetype(4) << Posiciones {1, 2, 4} << u"0007A"_s;
    QTest::newRow("ninguna posición")
            << qint64(7) << u"A"_s << anio << qsizetype(4) << Posiciones {} << QString();
}

void TstComponerNumero::componer()
{
    QFETCH(qint64, contador);
    QFETCH(QString, serie);
    QFETCH(QString, anio);
    QFETCH(qsizetype, ancho);
    QFETCH(Posiciones, posiciones);
    QFETCH(QString, numero);
    QCOMPARE(componerNumeroFactura(contador, serie, anio, ancho, posiciones), numero);
}

void TstComponerNumero::rellenar_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qsizetype>("longitud");
    QTest::addColumn<QChar>("caracter");
    QTest::addColumn<bool>("derecha");
    QTest::addColumn<QString>("resultado");

    QTest::newRow("izquierda") << u"7"_s << qsizetype(4) << QChar(u'0') << false << u"0007"_s;
    QTest::newRow("derecha") << u"7"_s << qsizetype(4) << QChar(u'0') << true << u"7000"_s;
    QTest::newRow("blancos a la derecha")
            << u"ab"_s << qsizetype(5) << QChar(u' ') << true << u"ab   "_s;
    QTest::newRow("texto vacío") << QString() << qsizetype(3) << QChar(u'*') << false << u"***"_s;
    QTest::newRow("ya tiene la longitud")
            << u"1234"_s << qsizetype(4) << QChar(u'0') << false << u"1234"_s;
    QTest::newRow("más largo no se corta")
            << u"12345"_s << qsizetype(4) << QChar(u'0') << true << u"12345"_s;
    QTest::newRow("longitud cero") << u"ab"_s << qsizetype(0) << QChar(u'0') << false << u"ab"_s;
    QTest::newRow("longitud negativa")
            << u"ab"_s << qsizetype(-3) << QChar(u'0') << false << u"ab"_s;
    QTest::newRow("carácter no ASCII")
            << u"a"_s << qsizetype(3) << QChar(u'ñ') << false << u"ñña"_s;
}

void TstComponerNumero::rellenar()
{
    QFETCH(QString, texto);
    QFETCH(qsizetype, longitud);
    QFETCH(QChar, caracter);
    QFETCH(bool, derecha);
    QFETCH(QString, resultado);
    QCOMPARE(rellenarCadena(texto, longitud, caracter, derecha), resultado);
}

void TstComponerNumero::facturaClienteSinSerie_data()
{
    QTest::addColumn<QString>("serie");
    QTest::newRow("vacía") << QString();
    QTest::newRow("solo blancos") << u"  "_s;
}

// Refused before any counter is drawn, so no database is needed.
void TstComponerNumero::facturaClienteSinSerie()
{
    QFETCH(QString, serie);
    MensajesGrabados mensajes;
    QCOMPARE(numeroFacturaCliente(serie), QString());
    QCOMPARE(mensajes.registros(),
             (QList<MensajesGrabados::Registro> {
                     {Mensajes::Tipo::Aviso, u"La serie de la factura debe tener un valor."_s}}));
}

QTEST_GUILESS_MAIN(TstComponerNumero)
#include "tst_componernumero.moc"
