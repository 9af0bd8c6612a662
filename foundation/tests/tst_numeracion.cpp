#include "BaseDatosPrueba.h"
#include "Configuracion.h"
#include "MensajesGrabados.h"
#include "Numeracion.h"
#include "UnidadModuloDatos.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

using Posiciones = std::array<int, 3>;
Q_DECLARE_METATYPE(Posiciones)

// Counters and series against a real server: first numbers, rows holding 0 or NULL, the
// per-table counter beside the per-series ones, failures, and draws from several connections.
class TstNumeracion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void primerNumeroCreaLaFila_data();
    void primerNumeroCreaLaFila();
    void filaExistente_data();
    void filaExistente();
    void contadorPorTablaNoTocaLasSeries();
    void fallos_data();
    void fallos();
    void conexionesIntercaladas();
    void hilosConConexionPropia();
    void filaCreadaPorOtroPuestoEntreMedias();

    void serieMostrarEnNumero_data();
    void serieMostrarEnNumero();
    void obtenerSeries_data();
    void obtenerSeries();
    void numeroFacturaCliente_data();
    void numeroFacturaCliente();
    void generarNumeroFactura();

private:
    // The contador rows of a table name as "serie=valor" (NULL as "serie=nulo"), by serie.
    QStringList filasContador(const QString &tabla);
    void ponerContador(const QString &tabla, const QString &serie, const QVariant &valor);
    void ponerSerie(const QString &nombre, const QString &tabla, const QVariant &mostrar);
    std::unique_ptr<Conexion> nuevaConexion();

    BaseDatosPrueba bd_;
    MensajesGrabados mensajes_;
};

void TstNumeracion::initTestCase()
{
    QUENVALIA_CREAR_BD(bd_, BaseDatosPrueba::Contenido::Tablas);
    VERIFICAR_BD(md().bd.conectar(bd_.parametros()), md().bd);
}

void TstNumeracion::init()
{
    Conexion &c = bd_.conexion();
    VERIFICAR_BD(c.ejecutar(u"TRUNCATE TABLE contador"), c);
    VERIFICAR_BD(c.ejecutar(u"TRUNCATE TABLE serie"), c);
    DatosConfiguracion &conf = datosConfiguracion();
    conf.cantidadCaracteresNumeroFactura = 4;
    conf.anio = u"/2026"_s;
    conf.serie = u"A"_s;
    conf.posiciones = {1, 2, 3};
    mensajes_.limpiar();
}

// A draw that went wrong without the test noticing would have shown an error.
void TstNumeracion::cleanup()
{
    QVERIFY2(mensajes_.registros().isEmpty(),
             qPrintable(u"Mensajes inesperados: "_s
                        + mensajes_.textos(Mensajes::Tipo::Error).join(u" | "_s)));
}

QStringList TstNumeracion::filasContador(const QString &tabla)
{
    TablaResultado r;
    if (!bd_.conexion().consultar(
                u"SELECT serie, contador FROM contador WHERE tabla = :pTabla ORDER BY serie",
                {{u"pTabla"_s, tabla}}, r))
        return {u"error: "_s + bd_.conexion().ultimoError().texto};
    QStringList filas;
    for (qsizetype i = 0; i < r.filas(); ++i) {
        const QString valor
                = r.columna(1).esNulo(i) ? u"nulo"_s : QString::number(r.entero(i, u"contador"));
        filas.append(r.texto(i, u"serie") + u'=' + valor);
    }
    return filas;
}

void TstNumeracion::ponerContador(const QString &tabla, const QString &serie, const QVariant &valor)
{
    VERIFICAR_BD(bd_.conexion().ejecutar(
                         u"INSERT INTO contador (tabla, serie, contador) VALUES (:t, :s, :v)",
                         {{u"t"_s, tabla}, {u"s"_s, serie}, {u"v"_s, valor}}),
                 bd_.conexion());
}

void TstNumeracion::ponerSerie(const QString &nombre, const QString &tabla, const QVariant &mostrar)
{
    VERIFICAR_BD(bd_.conexion().ejecutar(
                         u"INSERT INTO serie (nombre, tabla, mostrarennumero) VALUES (:n, :t, :m)",
                         {{u"n"_s, nombre}, {u"t"_s, tabla}, {u"m"_s, mostrar}}),
                 bd_.conexion());
}

std::unique_ptr<Conexion> TstNumeracion::nuevaConexion()
{
    auto c = std::make_unique<Conexion>();
    if (!c->conectar(bd_.parametros()))
        return nullptr;
    return c;
}

void TstNumeracion::primerNumeroCreaLaFila_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("serie"); // null: the per-table counter
    QTest::addColumn<QString>("fila");

    QTest::newRow("por serie") << u"factura"_s << u"B"_s << u"B="_s;
    QTest::newRow("por tabla") << u"partetrabajo"_s << QString() << u"="_s;
}

void TstNumeracion::primerNumeroCreaLaFila()
{
    QFETCH(QString, tabla);
    QFETCH(QString, serie);
    QFETCH(QString, fila);
    auto sacar = [&] {
        return serie.isNull() ? obtenerContador(tabla) : obtenerContadorSerie(serie, tabla);
    };
    QCOMPARE(sacar(), 1);
    QCOMPARE(filasContador(tabla), QStringList {fila + u'1'});
    QCOMPARE(sacar(), 2);
    QCOMPARE(sacar(), 3);
    QCOMPARE(filasContador(tabla), QStringList {fila + u'3'});
}

void TstNumeracion::filaExistente_data()
{
    QTest::addColumn<QString>("serieFila");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QString>("serie"); // as the caller gives it; null: per-table counter
    QTest::addColumn<qint64>("primero");

    QTest::newRow("cero") << u"A"_s << QVariant(0) << u"A"_s << qint64(1);
    QTest::newRow("nulo") << u"A"_s << QVariant() << u"A"_s << qint64(1);
    QTest::newRow("cero por tabla") << QString(u""_s) << QVariant(0) << QString() << qint64(1);
    QTest::newRow("nulo por tabla") << QString(u""_s) << QVariant() << QString() << qint64(1);
    QTest::newRow("con valor") << u"A"_s << QVariant(41) << u"A"_s << qint64(42);
    QTest::newRow("serie en otra caja") << u"A"_s << QVariant(41) << u"a"_s << qint64(42);
}

// A row that exists is never inserted again, whatever it holds.
void TstNumeracion::filaExistente()
{
    QFETCH(QString, serieFila);
    QFETCH(QVariant, valor);
    QFETCH(QString, serie);
    QFETCH(qint64, primero);
    ponerContador(u"factura"_s, serieFila, valor);
    auto sacar = [&] {
        return serie.isNull() ? obtenerContador(u"factura"_s)
                              : obtenerContadorSerie(serie, u"factura"_s);
    };
    QCOMPARE(sacar(), primero);
    QCOMPARE(sacar(), primero + 1);
    QCOMPARE(filasContador(u"factura"_s),
             QStringList {serieFila + u'=' + QString::number(primero + 1)});
}

void TstNumeracion::contadorPorTablaNoTocaLasSeries()
{
    ponerContador(u"factura"_s, u"A"_s, 10);
    ponerContador(u"factura"_s, u"B"_s, 20);
    QCOMPARE(obtenerContador(u"factura"_s), 1);
    QCOMPARE(obtenerContador(u"factura"_s), 2);
    QCOMPARE(obtenerContadorSerie(u"A"_s, u"factura"_s), 11);
    QCOMPARE(filasContador(u"factura"_s), (QStringList {u"=2"_s, u"A=11"_s, u"B=20"_s}));
}

void TstNumeracion::fallos_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("serie"); // null: per-table counter
    QTest::addColumn<bool>("sinTabla");
    QTest::addColumn<QString>("mensaje");

    const QString noGenerado = u"El código no ha podido generarse automáticamente."_s;
    const QString noGuardado = u"El contador no se ha guardado correctamente."_s;
    QTest::newRow("sin tabla contador, por serie") << u"factura"_s << u"A"_s << true << noGenerado;
    QTest::newRow("sin tabla contador, por tabla")
            << u"partetrabajo"_s << QString() << true << noGenerado;
    // The increment finds no row and the insert is refused (longer than the column).
    QTest::newRow("serie demasiado larga") << u"factura"_s << u"ABC"_s << false << noGuardado;
    QTest::newRow("tabla demasiado larga")
            << QString(101, u't') << QString() << false << noGuardado;
}

void TstNumeracion::fallos()
{
    QFETCH(QString, tabla);
    QFETCH(QString, serie);
    QFETCH(bool, sinTabla);
    QFETCH(QString, mensaje);
    Conexion &c = bd_.conexion();
    ponerContador(u"factura"_s, u"A"_s, 5);
    if (sinTabla)
        VERIFICAR_BD(c.ejecutar(u"RENAME TABLE contador TO contador_aparte"), c);
    auto restaurar = qScopeGuard([&] {
        if (sinTabla)
            (void)c.ejecutar(u"RENAME TABLE contador_aparte TO contador");
    });

    const qint64 numero
            = serie.isNull() ? obtenerContador(tabla) : obtenerContadorSerie(serie, tabla);
    QCOMPARE(numero, 1);
    QCOMPARE(mensajes_.registros(),
             (QList<MensajesGrabados::Registro> {{Mensajes::Tipo::Error, mensaje}}));
    mensajes_.limpiar();
    restaurar.dismiss();
    if (sinTabla)
        VERIFICAR_BD(c.ejecutar(u"RENAME TABLE contador_aparte TO contador"), c);
    // Nothing was stored.
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT tabla, serie, contador FROM contador", r), c);
    QCOMPARE(r.filas(), 1);
    QCOMPARE(r.entero(0, u"contador"), 5);
}

void TstNumeracion::conexionesIntercaladas()
{
    std::vector<std::unique_ptr<Conexion>> puestos;
    for (int i = 0; i < 3; ++i) {
        puestos.push_back(nuevaConexion());
        QVERIFY(puestos.back());
    }
    const int orden[] = {0, 1, 0, 2, 2, 1, 0, 1};
    qint64 esperado = 0;
    for (const int p : orden)
        QCOMPARE(obtenerContadorSerie(*puestos[static_cast<size_t>(p)], u"A"_s, u"factura"_s),
                 ++esperado);
    QCOMPARE(obtenerContadorSerie(u"A"_s, u"factura"_s), ++esperado);
    QCOMPARE(filasContador(u"factura"_s), QStringList {u"A="_s + QString::number(esperado)});
}

// Workstations drawing at the same moment, the first draws racing to create the row.
void TstNumeracion::hilosConConexionPropia()
{
    constexpr int hilos = 8;
    constexpr int porHilo = 40;
    std::vector<std::unique_ptr<Conexion>> conexiones;
    for (int i = 0; i < hilos; ++i) {
        conexiones.push_back(nuevaConexion());
        QVERIFY(conexiones.back());
    }
    std::vector<std::vector<qint64>> numeros(hilos);
    {
        std::vector<std::jthread> trabajadores;
        for (int i = 0; i < hilos; ++i) {
            trabajadores.emplace_back([&, i] {
                for (int n = 0; n < porHilo; ++n)
                    numeros[static_cast<size_t>(i)].push_back(obtenerContadorSerie(
                            *conexiones[static_cast<size_t>(i)], u"C"_s, u"factura"_s));
            });
        }
    }
    std::vector<qint64> todos;
    for (const auto &deUnHilo : numeros) {
        // Each workstation sees its own numbers grow.
        QVERIFY(std::is_sorted(deUnHilo.begin(), deUnHilo.end()));
        todos.insert(todos.end(), deUnHilo.begin(), deUnHilo.end());
    }
    std::sort(todos.begin(), todos.end());
    std::vector<qint64> esperados(hilos * porHilo);
    std::iota(esperados.begin(), esperados.end(), 1);
    QCOMPARE(todos, esperados);
    QCOMPARE(filasContador(u"factura"_s), QStringList {u"C="_s + QString::number(hilos * porHilo)});
}

// Another workstation creates the row after our increment found none and before our insert:
// the insert meets the duplicate key and the increment, run again, takes the next number.
void TstNumeracion::filaCreadaPorOtroPuestoEntreMedias()
{
    std::unique_ptr<Conexion> otro = nuevaConexion();
    std::unique_ptr<Conexion> puesto = nuevaConexion();
    QVERIFY(otro && puesto);
    // A test that goes wrong must not wait for the server's default of 50 seconds.
    VERIFICAR_BD(puesto->ejecutar(u"SET SESSION innodb_lock_wait_timeout = 10"), *puesto);
    Conexion &vigia = bd_.conexion();
    // The other workstation's lock on the empty key range holds our insert back (not our
    // increment, which only reads the range).
    VERIFICAR_BD(otro->iniciarTransaccion(), *otro);
    TablaResultado r;
    VERIFICAR_BD(otro->consultar(u"SELECT * FROM contador WHERE tabla = 'factura' AND serie = 'D' "
                                 "FOR UPDATE",
                                 r),
                 *otro);
    qint64 numero = 0;
    std::jthread hilo([&] { numero = obtenerContadorSerie(*puesto, u"D"_s, u"factura"_s); });

    bool esperando = false;
    QElapsedTimer reloj;
    reloj.start();
    while (!esperando && reloj.elapsed() < 20000) {
        QThread::msleep(20);
        if (vigia.consultar(u"SELECT COUNT(*) FROM information_schema.innodb_trx "
                            "WHERE trx_state = 'LOCK WAIT'",
                            r))
            esperando = r.columna(0).entero(0) > 0;
    }
    const bool creada = otro->ejecutar(
            u"INSERT INTO contador (tabla, serie, contador) VALUES ('factura', 'D', 5)");
    VERIFICAR_BD(otro->confirmarTransaccion(), *otro);
    hilo.join();
    QVERIFY2(esperando, "el alta del contador no llegó a esperar");
    QVERIFY(creada);
    QCOMPARE(numero, 6);
    QCOMPARE(filasContador(u"factura"_s), QStringList {u"D=6"_s});
}

void TstNumeracion::serieMostrarEnNumero_data()
{
    QTest::addColumn<bool>("hayFila"); // the serie row ("A", "factura")
    QTest::addColumn<QVariant>("mostrar"); // its mostrarennumero; invalid for NULL
    QTest::addColumn<QString>("serie");
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<bool>("resultado");

    QTest::newRow("S") << true << QVariant(u"S"_s) << u"A"_s << u"factura"_s << true;
    QTest::newRow("N") << true << QVariant(u"N"_s) << u"A"_s << u"factura"_s << false;
    QTest::newRow("nulo") << true << QVariant() << u"A"_s << u"factura"_s << false;
    QTest::newRow("s minúscula") << true << QVariant(u"s"_s) << u"A"_s << u"factura"_s << false;
    QTest::newRow("sin fila") << false << QVariant() << u"A"_s << u"factura"_s << false;
    QTest::newRow("otra caja") << true << QVariant(u"S"_s) << u"a"_s << u"FACTURA"_s << true;
    QTest::newRow("otra tabla") << true << QVariant(u"S"_s) << u"A"_s << u"albaran"_s << false;
}

void TstNumeracion::serieMostrarEnNumero()
{
    QFETCH(bool, hayFila);
    QFETCH(QVariant, mostrar);
    QFETCH(QString, serie);
    QFETCH(QString, tabla);
    QFETCH(bool, resultado);
    if (hayFila)
        ponerSerie(u"A"_s, u"factura"_s, mostrar);
    QCOMPARE(::serieMostrarEnNumero(serie, tabla), resultado);
}

void TstNumeracion::obtenerSeries_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QStringList>("series");

    QTest::newRow("todas las tablas, cada nombre una vez")
            << QString() << QStringList {u"A"_s, u"B"_s, u"C"_s};
    QTest::newRow("una tabla") << u"factura"_s << QStringList {u"A"_s, u"B"_s};
    QTest::newRow("tabla sin series") << u"albaranproveedor"_s << QStringList {};
}

void TstNumeracion::obtenerSeries()
{
    QFETCH(QString, tabla);
    QFETCH(QStringList, series);
    ponerSerie(u"A"_s, u"factura"_s, u"S"_s);
    ponerSerie(u"B"_s, u"factura"_s, u"N"_s);
    ponerSerie(u"A"_s, u"partetrabajo"_s, u"S"_s);
    ponerSerie(u"C"_s, u"partetrabajo"_s, u"S"_s);
    QStringList obtenidas = ::obtenerSeries(tabla);
    obtenidas.sort(); // the server's order is not fixed
    QCOMPARE(obtenidas, series);
}

void TstNumeracion::numeroFacturaCliente_data()
{
    QTest::addColumn<QVariant>("mostrar"); // invalid: no serie row
    QTest::addColumn<Posiciones>("posiciones");
    QTest::addColumn<QString>("numero");

    QTest::newRow("serie mostrada") << QVariant(u"S"_s) << Posiciones {1, 2, 3} << u"0007A/2026"_s;
    QTest::newRow("serie no mostrada")
            << QVariant(u"N"_s) << Posiciones {1, 2, 3} << u"0007/2026"_s;
    QTest::newRow("serie sin fila") << QVariant() << Posiciones {1, 2, 3} << u"0007/2026"_s;
    QTest::newRow("orden invertido") << QVariant(u"S"_s) << Posiciones {3, 2, 1} << u"/2026A0007"_s;
}

void TstNumeracion::numeroFacturaCliente()
{
    QFETCH(QVariant, mostrar);
    QFETCH(Posiciones, posiciones);
    QFETCH(QString, numero);
    if (mostrar.isValid())
        ponerSerie(u"A"_s, u"factura"_s, mostrar);
    ponerContador(u"factura"_s, u"A"_s, 6);
    datosConfiguracion().posiciones = posiciones;
    QCOMPARE(::numeroFacturaCliente(u"A"_s), numero);
    QCOMPARE(filasContador(u"factura"_s), QStringList {u"A=7"_s});
}

// The supplier-invoice fallback has its own counter and always shows the "Serie" setting.
void TstNumeracion::generarNumeroFactura()
{
    ponerSerie(u"B"_s, u"factura"_s, u"N"_s);
    ponerContador(u"factura"_s, u"A"_s, 6);
    datosConfiguracion().serie = u"B"_s;
    QCOMPARE(::generarNumeroFactura(), u"0001B/2026"_s);
    QCOMPARE(::generarNumeroFactura(), u"0002B/2026"_s);
    QCOMPARE(filasContador(u"factura"_s), (QStringList {u"=2"_s, u"A=6"_s}));
}

QTEST_GUILESS_MAIN(TstNumeracion)
#include "tst_numeracion.moc"
