#include "UnidadProcedimientos.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The shared procedures that need no database: the password digest, file sizes, the grid
// layout store and the modem line (over a pseudo-terminal).
class TstProcedimientosLocales : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void calcularMD5_data();
    void calcularMD5();
    void tamanoFichero();
    void borrarConfiguracionGrid_data();
    void borrarConfiguracionGrid();
    void rutaPuertoSerie_data();
    void rutaPuertoSerie();
    void puertoDelEntorno();
    void marcarTelefono();
    void puertoQueNoExiste();

private:
    QSettings ajustes() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Trevanox"_s,
                         u"Quenvalia"_s);
    }

    QTemporaryDir carpeta_;
};

void TstProcedimientosLocales::initTestCase()
{
    QVERIFY(carpeta_.isValid());
    // Never the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, carpeta_.path());
    QVERIFY2(ajustes().fileName().startsWith(carpeta_.path()), qPrintable(ajustes().fileName()));
}

void TstProcedimientosLocales::init()
{
    qunsetenv("QUENVALIA_PUERTO_SERIE");
    ajustes().clear();
}

void TstProcedimientosLocales::cleanup()
{
    colgarTelefono();
    qunsetenv("QUENVALIA_PUERTO_SERIE");
}

void TstProcedimientosLocales::calcularMD5_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("digesto");

    // Expected digests computed apart, e.g. printf 'contraseña' | iconv -t cp1252 | md5sum.
    QTest::newRow("vacío") << QString() << u"D41D8CD98F00B204E9800998ECF8427E"_s;
    QTest::newRow("abc") << u"abc"_s << u"900150983CD24FB0D6963F7D28E17F72"_s;
    QTest::newRow("eñe en Windows-1252")
            << u"contraseña"_s << u"484AC397CB407AB7AAD776F0663F8C85"_s;
    QTest::newRow("euro y acentos") << u"Año 2026 €"_s << u"10001B8D4F1FFE642CB19E248BB59C6F"_s;
    QTest::newRow("fuera de la página de códigos")
            << u"ā"_s << u"D1457B72C3FB323A2671125AEF3EAB5D"_s;
}

void TstProcedimientosLocales::calcularMD5()
{
    QFETCH(QString, texto);
    QFETCH(QString, digesto);
    QCOMPARE(::calcularMD5(texto), digesto);
}

void TstProcedimientosLocales::tamanoFichero()
{
    const QString lleno = carpeta_.filePath(u"cinco.bin"_s);
    const QString vacio = carpeta_.filePath(u"vacío.txt"_s);
    QFile f(lleno);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write("12345"), 5);
    f.close();
    QFile g(vacio);
    QVERIFY(g.open(QIODevice::WriteOnly));
    g.close();

    QCOMPARE(::tamanoFichero(lleno), 5);
    QCOMPARE(::tamanoFichero(vacio), 0);
    QCOMPARE(::tamanoFichero(carpeta_.filePath(u"no-existe"_s)), -1);
    QCOMPARE(::tamanoFichero(carpeta_.path()), -1);
    QCOMPARE(::tamanoFichero(QString()), -1);
}

void TstProcedimientosLocales::borrarConfiguracionGrid_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("borrado");
    QTest::addColumn<QStringList>("quedan");

    const QStringList otras {u"Facturas/Grid/ancho"_s, u"Terceros/GridContactos/ancho"_s,
                             u"Terceros/Otro/ancho"_s};
    QTest::newRow("con subgrupos") << u"Terceros\\Grid"_s << true << otras;
    QTest::newRow("barras al principio y al final") << u"\\Terceros\\Grid\\"_s << true << otras;
    QTest::newRow("no guardada") << u"Terceros\\Nada"_s << false << QStringList {};
    QTest::newRow("nombre vacío") << QString() << false << QStringList {};
    QTest::newRow("solo la barra") << u"\\"_s << false << QStringList {};
}

void TstProcedimientosLocales::borrarConfiguracionGrid()
{
    QFETCH(QString, nombre);
    QFETCH(bool, borrado);
    QFETCH(QStringList, quedan);
    {
        QSettings s = ajustes();
        s.setValue(u"Terceros/Grid/ancho"_s, 120);
        s.setValue(u"Terceros/Grid/Columnas/0/titulo"_s, u"Nombre"_s);
        s.setValue(u"Terceros/GridContactos/ancho"_s, 80);
        s.setValue(u"Terceros/Otro/ancho"_s, 60);
        s.setValue(u"Facturas/Grid/ancho"_s, 90);
    }
    const QStringList antes = ajustes().allKeys();
    QCOMPARE(::borrarConfiguracionGrid(nombre), borrado);
    QStringList despues = ajustes().allKeys();
    despues.sort();
    if (!borrado) {
        QStringList todas = antes;
        todas.sort();
        QCOMPARE(despues, todas);
        return;
    }
    QCOMPARE(despues, quedan);
    // The store on disk says the same, and a second deletion finds nothing.
    QSettings releido(ajustes().fileName(), QSettings::IniFormat);
    QVERIFY(!releido.contains(u"Terceros/Grid/ancho"_s));
    QVERIFY(!::borrarConfiguracionGrid(nombre));
}

void TstProcedimientosLocales::rutaPuertoSerie_data()
{
    QTest::addColumn<QString>("puerto");
    QTest::addColumn<QString>("ruta");

    QTest::newRow("COM1") << u"COM1"_s << u"/dev/ttyS0"_s;
    QTest::newRow("COM3") << u"COM3"_s << u"/dev/ttyS2"_s;
    QTest::newRow("minúsculas") << u"com3"_s << u"/dev/ttyS2"_s;
    QTest::newRow("dos cifras") << u"COM10"_s << u"/dev/ttyS9"_s;
    QTest::newRow("ruta completa") << u"/dev/ttyUSB0"_s << u"/dev/ttyUSB0"_s;
    QTest::newRow("COM0") << u"COM0"_s << QString();
    QTest::newRow("COM sin número") << u"COM"_s << QString();
    QTest::newRow("con blancos") << u"COM 3"_s << QString();
    QTest::newRow("signo") << u"COM+3"_s << QString();
    QTest::newRow("otro nombre") << u"LPT1"_s << QString();
    QTest::newRow("vacío") << QString() << QString();
}

void TstProcedimientosLocales::rutaPuertoSerie()
{
    QFETCH(QString, puerto);
    QFETCH(QString, ruta);
    QCOMPARE(::rutaPuertoSerie(puerto), ruta);
}

void TstProcedimientosLocales::puertoDelEntorno()
{
    qputenv("QUENVALIA_PUERTO_SERIE", "/dev/pts/77");
    QCOMPARE(::rutaPuertoSerie(u"COM3"_s), u"/dev/pts/77"_s);
    QCOMPARE(::rutaPuertoSerie(u"LPT1"_s), u"/dev/pts/77"_s);
    qputenv("QUENVALIA_PUERTO_SERIE", "");
    QCOMPARE(::rutaPuertoSerie(u"COM3"_s), u"/dev/ttyS2"_s);
}

// The modem is a pseudo-terminal: what the program writes to the port arrives at the master.
void TstProcedimientosLocales::marcarTelefono()
{
    const int maestro = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(maestro >= 0);
    const auto cerrar = qScopeGuard([maestro] { ::close(maestro); });
    QVERIFY(::grantpt(maestro) == 0);
    QVERIFY(::unlockpt(maestro) == 0);
    const char *esclavo = ::ptsname(maestro);
    QVERIFY(esclavo);
    qputenv("QUENVALIA_PUERTO_SERIE", esclavo);

    auto leer = [maestro](int milisegundos) {
        QByteArray leido;
        pollfd p {maestro, POLLIN, 0};
        while (::poll(&p, 1, milisegundos) > 0 && (p.revents & POLLIN)) {
            char buffer[256];
            const ssize_t n = ::read(maestro, buffer, sizeof buffer);
            if (n <= 0)
                break;
            leido.append(buffer, n);
            milisegundos = 100;
        }
        return leido;
    };

    QVERIFY(::marcarTelefono(u"912345678"_s, u"COM3"_s));
    QCOMPARE(leer(2000), QByteArray("ATDT 912345678\r\n"));

    // The line stays open: the master sees no hang-up until colgarTelefono().
    pollfd p {maestro, POLLIN, 0};
    QCOMPARE(::poll(&p, 1, 50), 0);
    colgarTelefono();
    p.revents = 0;
    QCOMPARE(::poll(&p, 1, 1000), 1);
    QVERIFY(p.revents & POLLHUP);

    // Dialling again opens the line again.
    QVERIFY(::marcarTelefono(u"600111222"_s, u"COM3"_s));
    QCOMPARE(leer(2000), QByteArray("ATDT 600111222\r\n"));
}

void TstProcedimientosLocales::puertoQueNoExiste()
{
    const QString ruta = carpeta_.filePath(u"ttyS2"_s);
    qputenv("QUENVALIA_PUERTO_SERIE", QFile::encodeName(ruta));
    QVERIFY(!::marcarTelefono(u"912345678"_s, u"COM3"_s));
    QVERIFY2(!QFile::exists(ruta), "el puerto no debe crearse como fichero");
    qunsetenv("QUENVALIA_PUERTO_SERIE");
    QVERIFY(!::marcarTelefono(u"912345678"_s, u"LPT1"_s));
    colgarTelefono(); // nothing open: nothing happens
}

QTEST_GUILESS_MAIN(TstProcedimientosLocales)
#include "tst_procedimientoslocales.moc"
