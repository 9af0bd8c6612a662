#include "BaseDatosPrueba.h"
#include "MensajesGrabados.h"
#include "UnidadModuloDatos.h"
#include "UnidadProcedimientos.h"

#include <QDateTime>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

// The shared procedures against a real server: lookups by code, stock and cost-price updates,
// invoiced work orders, duplicate checks, parameters and the table list.
class TstProcedimientos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void obtenerNombre_data();
    void obtenerNombre();
    void obtenerCampo_data();
    void obtenerCampo();
    void errorDeLecturaLlegaAlLlamador();
    void obtenerDiasFormaPago_data();
    void obtenerDiasFormaPago();
    void obtenerPrecioVentaArticulo();
    void obtenerPreciosTercero();
    void obtenerEmailTecnicoUsuario();
    void obtenerEmailContacto_data();
    void obtenerEmailContacto();
    void actualizarStock_data();
    void actualizarStock();
    void actualizarPrecioCompra_data();
    void actualizarPrecioCompra();
    void marcarParteFacturado();
    void existeValor_data();
    void existeValor();
    void obtenerParametro();
    void obtenerTablas();
    void obtenerTablasDeOtraConexion();

private:
    qint64 insertar(const QString &sql, const Parametros &parametros = {});
    TablaResultado leer(const QString &sql, qint64 codigo);

    BaseDatosPrueba bd_;
    MensajesGrabados mensajes_;
};

void TstProcedimientos::initTestCase()
{
    QUENVALIA_CREAR_BD(bd_, BaseDatosPrueba::Contenido::TablasYDatosIniciales);
    VERIFICAR_BD(md().bd.conectar(bd_.parametros()), md().bd);
}

void TstProcedimientos::init()
{
    Conexion &c = bd_.conexion();
    for (const QStringView tabla : {u"material", u"tercero", u"formapago", u"usuario", u"tecnico",
                                    u"contacto", u"partetrabajo"})
        VERIFICAR_BD(c.ejecutar(u"TRUNCATE TABLE "_s + tabla), c);
    mensajes_.limpiar();
}

// None of these procedures talks to the user.
void TstProcedimientos::cleanup()
{
    QVERIFY(mensajes_.registros().isEmpty());
    QVERIFY(md().tc.conexion() == &md().bd);
}

qint64 TstProcedimientos::insertar(const QString &sql, const Parametros &parametros)
{
    ResultadoEjecucion r;
    if (!bd_.conexion().ejecutar(sql, parametros, &r)) {
        QTest::qFail(qPrintable(bd_.conexion().ultimoError().texto), __FILE__, __LINE__);
        return -1;
    }
    return static_cast<qint64>(r.nuevoCodigo);
}

TablaResultado TstProcedimientos::leer(const QString &sql, qint64 codigo)
{
    TablaResultado r;
    if (!bd_.conexion().consultar(sql, {{u"pCodigo"_s, codigo}}, r))
        QTest::qFail(qPrintable(bd_.conexion().ultimoError().texto), __FILE__, __LINE__);
    return r;
}

void TstProcedimientos::obtenerNombre_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QString>("nombre");

    QTest::newRow("tercero") << u"tercero"_s << true << u"Peña Hermanos"_s;
    QTest::newRow("forma de pago") << u"formapago"_s << true << u"Contado"_s;
    QTest::newRow("código que no existe") << u"tercero"_s << false << QString();
}

void TstProcedimientos::obtenerNombre()
{
    QFETCH(QString, tabla);
    QFETCH(bool, existe);
    QFETCH(QString, nombre);
    qint64 codigo = 999;
    if (existe)
        codigo = insertar(u"INSERT INTO "_s + tabla + u" (nombre) VALUES (:n)"_s,
                          {{u"n"_s, nombre}});
    const ResultadoBD<QString> r = ::obtenerNombre(codigo, tabla);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, nombre);
}

void TstProcedimientos::obtenerCampo_data()
{
    QTest::addColumn<QString>("columna");
    QTest::addColumn<QString>("valor");

    QTest::newRow("texto") << u"descripcion"_s << u"A treinta días"_s;
    QTest::newRow("número") << u"dias"_s << u"30"_s;
    QTest::newRow("nulo") << u"codusuarioa"_s << QString();
}

void TstProcedimientos::obtenerCampo()
{
    QFETCH(QString, columna);
    QFETCH(QString, valor);
    const qint64 codigo = insertar(
            u"INSERT INTO formapago (nombre, descripcion, dias) VALUES ('30', 'A treinta días', 30)"_s);
    ResultadoBD<QString> r = ::obtenerCampo(codigo, u"formapago"_s, columna);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, valor);
    r = ::obtenerCampo(codigo + 1, u"formapago"_s, columna);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, QString());
}

// The procedures whose failure is the caller's to show hand over the server's error.
void TstProcedimientos::errorDeLecturaLlegaAlLlamador()
{
    const ResultadoBD<QString> nombre = ::obtenerNombre(1, u"no_existe"_s);
    QVERIFY(!nombre.ok());
    QCOMPARE(nombre.error.numero, 1146u);
    QVERIFY(nombre.error.sentencia.contains(u"no_existe"));
    QCOMPARE(nombre.valor, QString());

    const ResultadoBD<QString> campo = ::obtenerCampo(1, u"tercero"_s, u"no_existe"_s);
    QCOMPARE(campo.error.numero, 1054u);

    const ResultadoBD<bool> duplicado = ::existeValor(u"x"_s, u"material"_s, u"no_existe"_s);
    QCOMPARE(duplicado.error.numero, 1054u);
    QVERIFY(!duplicado.valor);

    Conexion &c = bd_.conexion();
    VERIFICAR_BD(c.ejecutar(u"RENAME TABLE formapago TO formapago_aparte"), c);
    const ResultadoBD<qint64> dias = ::obtenerDiasFormaPago(1);
    VERIFICAR_BD(c.ejecutar(u"RENAME TABLE formapago_aparte TO formapago"), c);
    QCOMPARE(dias.error.numero, 1146u);
    QCOMPARE(dias.valor, 0);
}

void TstProcedimientos::obtenerDiasFormaPago_data()
{
    QTest::addColumn<bool>("hayTercero");
    QTest::addColumn<bool>("conForma");
    QTest::addColumn<QVariant>("dias");
    QTest::addColumn<qint64>("resultado");

    QTest::newRow("treinta días") << true << true << QVariant(30) << qint64(30);
    QTest::newRow("sin forma de pago") << true << false << QVariant() << qint64(0);
    QTest::newRow("forma sin días") << true << true << QVariant() << qint64(0);
    QTest::newRow("tercero que no existe") << false << false << QVariant() << qint64(0);
}

void TstProcedimientos::obtenerDiasFormaPago()
{
    QFETCH(bool, hayTercero);
    QFETCH(bool, conForma);
    QFETCH(QVariant, dias);
    QFETCH(qint64, resultado);
    const qint64 forma = insertar(u"INSERT INTO formapago (nombre, dias) VALUES ('f', :d)"_s,
                                  {{u"d"_s, dias}});
    qint64 tercero = 999;
    if (hayTercero)
        tercero = insertar(u"INSERT INTO tercero (nombre, codigoformapago) VALUES ('t', :f)"_s,
                           {{u"f"_s, conForma ? QVariant(forma) : QVariant()}});
    const ResultadoBD<qint64> r = ::obtenerDiasFormaPago(tercero);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, resultado);
}

void TstProcedimientos::obtenerPrecioVentaArticulo()
{
    const qint64 codigo
            = insertar(u"INSERT INTO material (nombre, precioventa) VALUES ('Cable HDMI', 12.5)"_s);
    QString nombre = u"anterior"_s;
    QCOMPARE(::obtenerPrecioVentaArticulo(codigo, nombre), 12.5);
    QCOMPARE(nombre, u"Cable HDMI"_s);
    QCOMPARE(::obtenerPrecioVentaArticulo(codigo + 1, nombre), 0.0);
    QCOMPARE(nombre, QString());
}

void TstProcedimientos::obtenerPreciosTercero()
{
    const qint64 codigo = insertar(
            u"INSERT INTO tercero (nombre, preciohora, porcentajedto, preciodesplazamiento) "
            "VALUES ('t', 30, 5, 12)"_s);
    const qint64 sinPrecios = insertar(u"INSERT INTO tercero (nombre) VALUES ('vacío')"_s);
    double dto = -1;
    double desplazamiento = -1;
    QCOMPARE(::obtenerPreciosTercero(codigo, dto, desplazamiento), 30.0);
    QCOMPARE(dto, 5.0);
    QCOMPARE(desplazamiento, 12.0);
    QCOMPARE(::obtenerPreciosTercero(sinPrecios, dto, desplazamiento), 0.0);
    QCOMPARE(dto, 0.0);
    QCOMPARE(desplazamiento, 0.0);
    dto = desplazamiento = -1;
    QCOMPARE(::obtenerPreciosTercero(sinPrecios + 1, dto, desplazamiento), 0.0);
    QCOMPARE(dto, 0.0);
    QCOMPARE(desplazamiento, 0.0);
}

void TstProcedimientos::obtenerEmailTecnicoUsuario()
{
    const qint64 tecnico = insertar(
            u"INSERT INTO tecnico (nombre, email1, email2) VALUES ('Ana', 'ana@x.es', 'b@x.es')"_s);
    const qint64 conTecnico = insertar(
            u"INSERT INTO usuario (nick, codigotecnico) VALUES ('ana', :t)"_s, {{u"t"_s, tecnico}});
    const qint64 sinTecnico = insertar(u"INSERT INTO usuario (nick) VALUES ('luis')"_s);
    QString email;
    QString nombre;
    QVERIFY(::obtenerEmailTecnicoUsuario(conTecnico, email, nombre));
    QCOMPARE(email, u"ana@x.es"_s);
    QCOMPARE(nombre, u"Ana"_s);
    email = nombre = u"sin tocar"_s;
    QVERIFY(!::obtenerEmailTecnicoUsuario(sinTecnico, email, nombre));
    QVERIFY(!::obtenerEmailTecnicoUsuario(sinTecnico + 1, email, nombre));
    QCOMPARE(email, u"sin tocar"_s);
    QCOMPARE(nombre, u"sin tocar"_s);
}

void TstProcedimientos::obtenerEmailContacto_data()
{
    QTest::addColumn<QVariantList>("direcciones"); // empresa1, empresa2, particular1, particular2
    QTest::addColumn<QString>("email");

    const QVariant nulo;
    QTest::newRow("empresa 1 primero")
            << QVariantList {u"e1@x.es"_s, u"e2@x.es"_s, u"p1@x.es"_s, u"p2@x.es"_s}
            << u"e1@x.es"_s;
    QTest::newRow("empresa 2") << QVariantList {nulo, u"e2@x.es"_s, u"p1@x.es"_s, nulo}
                               << u"e2@x.es"_s;
    QTest::newRow("vacío no cuenta")
            << QVariantList {u""_s, u""_s, u"p1@x.es"_s, nulo} << u"p1@x.es"_s;
    QTest::newRow("solo particular 2")
            << QVariantList {nulo, nulo, nulo, u"p2@x.es"_s} << u"p2@x.es"_s;
    QTest::newRow("ninguna") << QVariantList {nulo, u""_s, nulo, u""_s} << QString();
}

void TstProcedimientos::obtenerEmailContacto()
{
    QFETCH(QVariantList, direcciones);
    QFETCH(QString, email);
    // emailempresa3 and emailparticular3 are not among the four looked at.
    const qint64 codigo = insertar(
            u"INSERT INTO contacto (nombre, emailempresa1, emailempresa2, emailparticular1, "
            "emailparticular2, emailempresa3, emailparticular3) "
            "VALUES ('c', :e1, :e2, :p1, :p2, 'e3@x.es', 'p3@x.es')"_s,
            {{u"e1"_s, direcciones[0]},
             {u"e2"_s, direcciones[1]},
             {u"p1"_s, direcciones[2]},
             {u"p2"_s, direcciones[3]}});
    QCOMPARE(::obtenerEmailContacto(codigo), email);
    QCOMPARE(::obtenerEmailContacto(codigo + 1), QString());
}

void TstProcedimientos::actualizarStock_data()
{
    QTest::addColumn<QVariant>("stock");
    QTest::addColumn<bool>("sumar");
    QTest::addColumn<double>("cantidad");
    QTest::addColumn<double>("resultado");

    QTest::newRow("sumar") << QVariant(10.0) << true << 2.5 << 12.5;
    QTest::newRow("restar") << QVariant(10.0) << false << 3.0 << 7.0;
    QTest::newRow("restar por debajo de cero") << QVariant(1.0) << false << 3.0 << -2.0;
    QTest::newRow("sumar a vacío") << QVariant() << true << 5.0 << 5.0;
    QTest::newRow("restar de vacío") << QVariant() << false << 2.0 << -2.0;
}

void TstProcedimientos::actualizarStock()
{
    QFETCH(QVariant, stock);
    QFETCH(bool, sumar);
    QFETCH(double, cantidad);
    QFETCH(double, resultado);
    const qint64 codigo = insertar(u"INSERT INTO material (nombre, stock) VALUES ('a', :s)"_s,
                                   {{u"s"_s, stock}});
    const qint64 otro = insertar(u"INSERT INTO material (nombre, stock) VALUES ('b', 100)"_s);
    ResultadoBD<bool> r = ::actualizarStock(sumar, codigo, cantidad);
    QVERIFY(r.ok());
    QVERIFY(r.valor);
    QCOMPARE(
            leer(u"SELECT stock FROM material WHERE codigo = :pCodigo"_s, codigo).real(0, u"stock"),
            resultado);
    // Movements add up.
    r = ::actualizarStock(sumar, codigo, cantidad);
    QVERIFY(r.ok());
    QCOMPARE(
            leer(u"SELECT stock FROM material WHERE codigo = :pCodigo"_s, codigo).real(0, u"stock"),
            resultado + (sumar ? cantidad : -cantidad));
    QCOMPARE(leer(u"SELECT stock FROM material WHERE codigo = :pCodigo"_s, otro).real(0, u"stock"),
             100.0);
    r = ::actualizarStock(sumar, otro + 1, cantidad);
    QVERIFY(r.ok());
    QVERIFY(!r.valor);
}

void TstProcedimientos::actualizarPrecioCompra_data()
{
    QTest::addColumn<QVariant>("costeAnterior");
    QTest::addColumn<QVariant>("beneficio");
    QTest::addColumn<double>("coste");
    QTest::addColumn<bool>("cambia");
    QTest::addColumn<double>("venta");

    QTest::newRow("beneficio 25") << QVariant(6.0) << QVariant(25.0) << 8.0 << true << 10.0;
    QTest::newRow("coste sin cambio") << QVariant(8.0) << QVariant(25.0) << 8.0 << false << 99.0;
    QTest::newRow("coste anterior vacío") << QVariant() << QVariant(50.0) << 8.0 << true << 12.0;
    QTest::newRow("beneficio vacío") << QVariant(6.0) << QVariant() << 8.0 << true << 8.0;
    QTest::newRow("coste cero") << QVariant(6.0) << QVariant(25.0) << 0.0 << true << 0.0;
}

void TstProcedimientos::actualizarPrecioCompra()
{
    QFETCH(QVariant, costeAnterior);
    QFETCH(QVariant, beneficio);
    QFETCH(double, coste);
    QFETCH(bool, cambia);
    QFETCH(double, venta);
    const QDateTime antes(QDate(2020, 1, 2), QTime(3, 4, 5));
    const qint64 codigo = insertar(
            u"INSERT INTO material (nombre, preciocompra, porcentajebeneficio, precioventa, "
            "fechamodprecio) VALUES ('a', :c, :b, 99, :f)"_s,
            {{u"c"_s, costeAnterior}, {u"b"_s, beneficio}, {u"f"_s, antes}});
    const QDateTime llamada = QDateTime::currentDateTime().addSecs(-1);
    const ResultadoBD<bool> r = ::actualizarPrecioCompra(codigo, coste);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, cambia);
    const TablaResultado fila = leer(
            u"SELECT preciocompra, precioventa, fechamodprecio FROM material WHERE codigo = :pCodigo"_s,
            codigo);
    QCOMPARE(fila.real(0, u"precioventa"), venta);
    QCOMPARE(fila.real(0, u"preciocompra"), cambia ? coste : costeAnterior.toDouble());
    const QDateTime fecha = fila.valor(0, u"fechamodprecio").toDateTime();
    if (cambia)
        QVERIFY2(fecha >= llamada && fecha <= QDateTime::currentDateTime(),
                 qPrintable(fecha.toString(Qt::ISODate)));
    else
        QCOMPARE(fecha, antes);
}

void TstProcedimientos::marcarParteFacturado()
{
    const qint64 parte
            = insertar(u"INSERT INTO partetrabajo (numero, facturado) VALUES (1, 'N')"_s);
    QVERIFY(::marcarParteFacturado(parte, u"S"_s, u"0007A/2026"_s, 44));
    TablaResultado fila = leer(
            u"SELECT facturado, numfactura, codigofactura FROM partetrabajo WHERE codigo = :pCodigo"_s,
            parte);
    QCOMPARE(fila.texto(0, u"facturado"), u"S"_s);
    QCOMPARE(fila.texto(0, u"numfactura"), u"0007A/2026"_s);
    QCOMPARE(fila.entero(0, u"codigofactura"), 44);
    // Already marked with the same values: the work order is still found.
    QVERIFY(::marcarParteFacturado(parte, u"S"_s, u"0007A/2026"_s, 44));
    QVERIFY(!::marcarParteFacturado(parte + 1, u"S"_s, u"0007A/2026"_s, 44));
    // A refused statement (a number longer than the column) gives false without a message.
    QVERIFY(!::marcarParteFacturado(parte, u"S"_s, QString(16, u'9'), 45));
    fila = leer(u"SELECT codigofactura FROM partetrabajo WHERE codigo = :pCodigo"_s, parte);
    QCOMPARE(fila.entero(0, u"codigofactura"), 44);
}

void TstProcedimientos::existeValor_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<bool>("existe");

    QTest::newRow("igual") << u"84ABC123"_s << true;
    QTest::newRow("en minúsculas") << u"84abc123"_s << true;
    QTest::newRow("acentos en minúsculas") << u"ñandú-7"_s << true;
    QTest::newRow("otro") << u"84ABC124"_s << false;
    QTest::newRow("parte del valor") << u"84ABC"_s << false;
    QTest::newRow("vacío") << QString() << false;
}

void TstProcedimientos::existeValor()
{
    QFETCH(QString, valor);
    QFETCH(bool, existe);
    insertar(u"INSERT INTO material (nombre, codigobarras) VALUES ('a', '84ABC123')"_s);
    insertar(u"INSERT INTO material (nombre, codigobarras) VALUES ('b', 'ÑANDÚ-7')"_s);
    insertar(u"INSERT INTO material (nombre, codigobarras) VALUES ('c', NULL)"_s);
    const ResultadoBD<bool> r = ::existeValor(valor, u"material"_s, u"codigobarras"_s);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, existe);
}

void TstProcedimientos::obtenerParametro()
{
    ResultadoBD<QString> r = ::obtenerParametro(u"version"_s);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, u"2.6.9.499 (06-01-2011)"_s);
    r = ::obtenerParametro(u"arrancar_si_version_distinta"_s);
    QVERIFY(r.ok());
    QCOMPARE(r.valor, QString());

    Conexion &c = bd_.conexion();
    VERIFICAR_BD(c.ejecutar(u"RENAME TABLE parametro TO parametro_aparte"), c);
    r = ::obtenerParametro(u"version"_s);
    VERIFICAR_BD(c.ejecutar(u"RENAME TABLE parametro_aparte TO parametro"), c);
    QCOMPARE(r.error.numero, 1146u);
    QCOMPARE(r.valor, QString());
}

void TstProcedimientos::obtenerTablas()
{
    TablaResultado r;
    VERIFICAR_BD(bd_.conexion().consultar(u"SELECT COUNT(*) FROM information_schema.tables "
                                          "WHERE table_schema = DATABASE()",
                                          r),
                 bd_.conexion());
    const QStringList tablas = ::obtenerTablas();
    QCOMPARE(tablas.size(), r.columna(0).entero(0));
    for (const QString &tabla : {u"contador"_s, u"tercero"_s, u"parametro"_s})
        QVERIFY2(tablas.contains(tabla), qPrintable(tabla));
}

// The login window points the scratch query at the address server to list its tables.
void TstProcedimientos::obtenerTablasDeOtraConexion()
{
    Conexion &c = bd_.conexion();
    const QString otra = bd_.nombre() + u"_otra"_s;
    VERIFICAR_BD(c.ejecutar(u"CREATE DATABASE `"_s + otra + u'`'), c);
    const auto borrar = qScopeGuard([&] {
        md().tc.establecerConexion(&md().bd);
        (void)c.ejecutar(u"DROP DATABASE IF EXISTS `"_s + otra + u'`');
    });
    VERIFICAR_BD(c.ejecutar(u"CREATE TABLE `"_s + otra + u"`.ip (usuario varchar(20))"_s), c);
    ParametrosConexion parametros = bd_.parametros();
    parametros.baseDatos = otra;
    Conexion servidorIp;
    VERIFICAR_BD(servidorIp.conectar(parametros), servidorIp);

    md().tc.establecerConexion(&servidorIp);
    QCOMPARE(::obtenerTablas(), QStringList {u"ip"_s});
    servidorIp.desconectar();
    QCOMPARE(::obtenerTablas(), QStringList());
}

QTEST_GUILESS_MAIN(TstProcedimientos)
#include "tst_procedimientos.moc"
