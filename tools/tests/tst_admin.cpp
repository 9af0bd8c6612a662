#include "BaseDatosPrueba.h"
#include "Configuracion.h"
#include "DescriptorTabla.h"
#include "EjecutorScript.h"
#include "OrdenesAdmin.h"

#include "EntradaFija.h"
#include <QRegularExpression>
#include <QTemporaryDir>

#include <QTest>

using namespace Qt::StringLiterals;

// The administration command on a real server: creating a database, users and the
// demonstration data, and checking an installation, each run as the command line would.
class TstAdmin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void crearBdNueva();
    void crearBdSinEsquemaNoCreaNada();
    void crearUsuario_data();
    void crearUsuario();
    void crearUsuarioRechazado_data();
    void crearUsuarioRechazado();
    void datosDemoDosVeces();
    void datosDemoCoherentes();
    void datosDemoFallidaNoDejaNada();
    void comprobar_data();
    void comprobar();
    void comprobarConElFicheroDeConfiguracion();

private:
    struct Salida
    {
        int codigo = -1;
        QString texto;
        QString errores;
    };
    // Runs the command against the test database (or `otraBd`) with the test server's
    // connection on the command line; `contrasenas` answer the password questions in order.
    Salida ejecutar(const QStringList &argumentos, const QStringList &contrasenas = {},
                    const QString &otraBd = {});
    QStringList conexionServidor() const;
    qint64 contar(const QString &tabla);
    QString texto(const QString &sql, const Parametros &parametros = {});
    QMap<QString, qint64> contarTodas();

    BaseDatosPrueba bd_;
    ParametrosConexion servidor_;
    QTemporaryDir carpeta_;
    QString bdNueva_; // a second database some functions create; dropped in cleanup()
    QString usuarioBd_; // a server account some functions create; dropped in cleanup()
};

namespace {

// Whether the thirteen digits carry a right EAN-13 check digit: the weighted sum of all
// thirteen, check digit included, is a multiple of ten.
bool ean13Valido(const QString &codigo)
{
    static const QRegularExpression trece(u"^[0-9]{13}$"_s);
    if (!trece.match(codigo).hasMatch())
        return false;
    int suma = 0;
    for (int i = 0; i < 13; ++i)
        suma += codigo[i].digitValue() * (i % 2 == 0 ? 1 : 3);
    return suma % 10 == 0;
}

// Whether a Spanish tax code is well formed and its check character right: a company's (A or
// B, seven digits, check digit) or a person's (eight digits, check letter).
bool identificacionValida(const QString &cif)
{
    static const QRegularExpression persona(u"^([0-9]{8})([A-Z])$"_s);
    static const QRegularExpression sociedad(u"^[AB]([0-9]{7})([0-9])$"_s);
    if (const auto m = persona.match(cif); m.hasMatch())
        return u"TRWAGMYFPDXBNJZSQVHLCKE"_s.at(m.captured(1).toInt() % 23) == m.captured(2).at(0);
    const auto m = sociedad.match(cif);
    if (!m.hasMatch())
        return false;
    const QString digitos = m.captured(1);
    int pares = 0;
    int impares = 0;
    for (int i = 0; i < 7; ++i) {
        const int d = digitos[i].digitValue();
        if (i % 2 == 1) {
            pares += d;
        } else {
            const int doble = d * 2;
            impares += doble > 9 ? doble - 9 : doble;
        }
    }
    return (10 - (pares + impares) % 10) % 10 == m.captured(2).toInt();
}

} // namespace

void TstAdmin::initTestCase()
{
    QVERIFY(carpeta_.isValid());
    qputenv("QUENVALIA_INI", carpeta_.filePath(u"quenvalia.INI"_s).toLocal8Bit());
    QUENVALIA_CREAR_BD(bd_, BaseDatosPrueba::Contenido::TablasYDatosIniciales);
    servidor_ = bd_.parametros();
}

void TstAdmin::init()
{
    if (!bd_.conexion().conectada())
        QSKIP("Sin base de datos de pruebas");
    EjecutorScript script(bd_.conexion());
    QVERIFY2(script.ejecutarFichero(BaseDatosPrueba::carpetaEsquema() + u"/crear_tablas.sql"_s),
             qPrintable(script.error().texto));
    QVERIFY(bd_.vaciar());
    qputenv("QUENVALIA_INI", carpeta_.filePath(u"quenvalia.INI"_s).toLocal8Bit());
}

void TstAdmin::cleanup()
{
    if (!bdNueva_.isEmpty()) {
        (void)bd_.conexion().ejecutar(u"DROP DATABASE IF EXISTS `"_s + bdNueva_ + u'`');
        bdNueva_.clear();
    }
    if (!usuarioBd_.isEmpty()) {
        (void)bd_.conexion().ejecutar(u"DROP USER IF EXISTS '"_s + usuarioBd_
                                      + u"'@'localhost', '"_s + usuarioBd_ + u"'@'127.0.0.1'"_s);
        usuarioBd_.clear();
    }
}

QStringList TstAdmin::conexionServidor() const
{
    return {u"--servidor"_s,   servidor_.servidor,
            u"--puerto"_s,     QString::number(servidor_.puerto),
            u"--usuario"_s,    servidor_.usuario,
            u"--contrasena"_s, servidor_.contrasena};
}

TstAdmin::Salida TstAdmin::ejecutar(const QStringList &argumentos, const QStringList &contrasenas,
                                    const QString &otraBd)
{
    Salida s;
    QTextStream salida(&s.texto);
    QTextStream errores(&s.errores);
    OrdenesAdmin ordenes(salida, errores);
    EntradaFija entrada(contrasenas);
    ordenes.establecerEntrada(&entrada);
    QStringList linea {u"quenvalia-admin"_s};
    linea << argumentos << conexionServidor() << u"--bd"_s
          << (otraBd.isEmpty() ? bd_.nombre() : otraBd);
    s.codigo = ordenes.ejecutar(linea);
    salida.flush();
    errores.flush();
    return s;
}

qint64 TstAdmin::contar(const QString &tabla)
{
    TablaResultado r;
    if (!bd_.conexion().consultar(u"SELECT COUNT(*) AS n FROM "_s + tabla, r))
        return -1;
    return r.entero(0, u"n");
}

QString TstAdmin::texto(const QString &sql, const Parametros &parametros)
{
    TablaResultado r;
    if (!bd_.conexion().consultar(sql, parametros, r) || r.vacia())
        return u"<ninguna fila>"_s;
    return r.columna(0).comoTexto(0);
}

QMap<QString, qint64> TstAdmin::contarTodas()
{
    QMap<QString, qint64> filas;
    for (const esquema::Tabla &t : esquema::tablas())
        filas.insert(QString::fromUtf8(t.nombre), contar(QString::fromUtf8(t.nombre)));
    return filas;
}

void TstAdmin::crearBdNueva()
{
    bdNueva_ = bd_.nombre() + u"_nueva"_s;
    (void)bd_.conexion().ejecutar(u"DROP DATABASE IF EXISTS `"_s + bdNueva_ + u'`');
    const QStringList orden {u"crear-bd"_s, u"--esquema"_s, BaseDatosPrueba::carpetaEsquema()};

    Salida s = ejecutar(orden, {}, bdNueva_);
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));
    QVERIFY2(s.texto.contains(u"creada"_s), qPrintable(s.texto));

    const Parametros esta {{u"pBd"_s, bdNueva_}};
    QCOMPARE(texto(u"SELECT DEFAULT_COLLATION_NAME FROM information_schema.SCHEMATA "
                   u"WHERE SCHEMA_NAME = :pBd"_s,
                   esta),
             u"utf8mb4_spanish_ci"_s);
    TablaResultado tablas;
    VERIFICAR_BD(bd_.conexion().consultar(u"SELECT LOWER(TABLE_NAME) AS t FROM "
                                          u"information_schema.TABLES WHERE TABLE_SCHEMA = :pBd"_s,
                                          esta, tablas),
                 bd_.conexion());
    QStringList creadas;
    for (qsizetype i = 0; i < tablas.filas(); ++i)
        creadas.append(tablas.texto(i, u"t"));
    for (const esquema::Tabla &t : esquema::tablas())
        QVERIFY2(creadas.contains(QString::fromUtf8(t.nombre)), t.nombre);
    QCOMPARE(creadas.size(), qsizetype(esquema::tablas().size()));
    const QString tercero = u"`"_s + bdNueva_ + u"`.tercero"_s;
    QCOMPARE(texto(u"SELECT nombre FROM "_s + tercero + u" WHERE codigo = 1"_s),
             u"Indeterminado"_s);
    QCOMPARE(texto(u"SELECT valor FROM `"_s + bdNueva_ + u"`.parametro WHERE nombre = 'version'"_s),
             u"2.6.9.499 (06-01-2011)"_s);

    // Again on the database that now exists: nothing is duplicated, nothing fails.
    s = ejecutar(orden, {}, bdNueva_);
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));
    QVERIFY2(s.texto.contains(u"ya existe"_s), qPrintable(s.texto));
    QVERIFY2(s.texto.contains(u"(0 nuevas)"_s), qPrintable(s.texto));
    QCOMPARE(texto(u"SELECT COUNT(*) FROM "_s + tercero), u"1"_s);
}

void TstAdmin::crearBdSinEsquemaNoCreaNada()
{
    bdNueva_ = bd_.nombre() + u"_nueva"_s;
    (void)bd_.conexion().ejecutar(u"DROP DATABASE IF EXISTS `"_s + bdNueva_ + u'`');
    const Salida s = ejecutar({u"crear-bd"_s, u"--esquema"_s, carpeta_.path()}, {}, bdNueva_);
    QCOMPARE(s.codigo, 1);
    QVERIFY2(s.errores.contains(u"crear_tablas.sql"_s), qPrintable(s.errores));
    QCOMPARE(texto(u"SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = :pBd"_s,
                   {{u"pBd"_s, bdNueva_}}),
             u"0"_s);
}

void TstAdmin::crearUsuario_data()
{
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QStringList>("opciones");
    QTest::addColumn<QString>("contrasena");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("administrador");
    QTest::addColumn<QString>("modificacion");
    QTest::addColumn<QString>("resumen"); // MD5 of the password's Windows-1252 bytes

    QTest::newRow("solo consulta") << u"ana"_s << QStringList {} << u"secreto"_s << u"ana"_s
                                   << u"N"_s << u"N"_s << u"e201994dca9320fc94336603b1cfc970"_s;
    QTest::newRow("administrador")
            << u"luis"_s << QStringList {u"--administrador"_s} << u"secreto"_s << u"luis"_s
            << u"S"_s << u"N"_s << u"e201994dca9320fc94336603b1cfc970"_s;
    QTest::newRow("modificación con nombre")
            << u"marta"_s << QStringList {u"--modificacion"_s, u"--nombre"_s, u"Marta Gómez Ruiz"_s}
            << u"Clave 2024"_s << u"Marta Gómez Ruiz"_s << u"N"_s << u"S"_s
            << u"3a92a171949b4c4dbbb40cd718d30fa9"_s;
    QTest::newRow("todos los permisos")
            << u"admin"_s << QStringList {u"--administrador"_s, u"--modificacion"_s} << u"admin"_s
            << u"admin"_s << u"S"_s << u"S"_s << u"21232f297a57a5a743894a0e4a801fc3"_s;
    QTest::newRow("eñe en la contraseña")
            << u"pepe"_s << QStringList {} << u"contraseña"_s << u"pepe"_s << u"N"_s << u"N"_s
            << u"484ac397cb407ab7aad776f0663f8c85"_s;
    QTest::newRow("euro en la contraseña, un byte en Windows-1252")
            << u"eva"_s << QStringList {} << u"5€"_s << u"eva"_s << u"N"_s << u"N"_s
            << u"61d5fd09ca9546afa83275359ea96960"_s;
    QTest::newRow("nick de veinte caracteres con acento")
            << u"josé.maría.lópez.gil"_s << QStringList {} << u"x"_s << u"josé.maría.lópez.gil"_s
            << u"N"_s << u"N"_s << u"9dd4e461268c8034f5c8564e155c67a6"_s;
}

void TstAdmin::crearUsuario()
{
    QFETCH(QString, nick);
    QFETCH(QStringList, opciones);
    QFETCH(QString, contrasena);
    QFETCH(QString, nombre);
    QFETCH(QString, administrador);
    QFETCH(QString, modificacion);
    QFETCH(QString, resumen);

    const Salida s = ejecutar(QStringList {u"crear-usuario"_s, nick} + opciones, {contrasena});
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));
    QVERIFY(s.errores.isEmpty());

    TablaResultado fila;
    VERIFICAR_BD(bd_.conexion().consultar(
                         u"SELECT nick, nombre, contrasena, administrador, modificacion, "
                         u"accesoweb, fecha, codigo FROM usuario"_s,
                         fila),
                 bd_.conexion());
    QCOMPARE(fila.filas(), 1);
    QCOMPARE(fila.texto(0, u"nick"), nick);
    QCOMPARE(fila.texto(0, u"nombre"), nombre);
    QCOMPARE(fila.texto(0, u"contrasena"), resumen);
    QCOMPARE(fila.texto(0, u"administrador"), administrador);
    QCOMPARE(fila.texto(0, u"modificacion"), modificacion);
    QCOMPARE(fila.texto(0, u"accesoweb"), u"N"_s);
    QVERIFY(qAbs(fila.valor(0, u"fecha").toDateTime().secsTo(QDateTime::currentDateTime())) < 60);
    QVERIFY(s.texto.contains(u"código "_s + QString::number(fila.entero(0, u"codigo"))));
}

void TstAdmin::crearUsuarioRechazado_data()
{
    QTest::addColumn<QStringList>("orden");
    QTest::addColumn<QStringList>("contrasenas");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("mensaje");

    // Every row runs on a database that holds the user "admin" with the password "admin".
    QTest::newRow("nick existente en otras mayúsculas")
            << QStringList {u"crear-usuario"_s, u"ADMIN"_s} << QStringList {u"otra"_s} << 1
            << u"Ya existe un usuario con el nick [admin]"_s;
    QTest::newRow("nick existente con otro acento")
            << QStringList {u"crear-usuario"_s, u"ádmin"_s} << QStringList {u"otra"_s} << 1
            << u"Ya existe un usuario"_s;
    QTest::newRow("nick existente con si-no-existe")
            << QStringList {u"crear-usuario"_s, u"admin"_s, u"--si-no-existe"_s,
                            u"--modificacion"_s}
            << QStringList {u"otra"_s} << 0 << u"No se cambia"_s;
    QTest::newRow("contraseña vacía")
            << QStringList {u"crear-usuario"_s, u"nuevo"_s} << QStringList {QString()} << 1
            << u"La contraseña no puede estar vacía"_s;
    QTest::newRow("sin contraseña en la entrada")
            << QStringList {u"crear-usuario"_s, u"nuevo"_s} << QStringList {} << 1
            << u"No se ha recibido ninguna contraseña"_s;
    QTest::newRow("nombre demasiado largo")
            << QStringList {u"crear-usuario"_s, u"nuevo"_s, u"--nombre"_s, QString(101, u'a')}
            << QStringList {u"otra"_s} << 1 << u"más de 100 caracteres"_s;
}

void TstAdmin::crearUsuarioRechazado()
{
    QFETCH(QStringList, orden);
    QFETCH(QStringList, contrasenas);
    QFETCH(int, codigo);
    QFETCH(QString, mensaje);

    const Salida previo = ejecutar({u"crear-usuario"_s, u"admin"_s}, {u"admin"_s});
    QVERIFY2(previo.codigo == 0, qPrintable(previo.errores));

    const Salida s = ejecutar(orden, contrasenas);
    QCOMPARE(s.codigo, codigo);
    QVERIFY2((codigo == 0 ? s.texto : s.errores).contains(mensaje),
             qPrintable(s.texto + s.errores));
    QCOMPARE(contar(u"usuario"_s), 1);
    QCOMPARE(texto(u"SELECT contrasena FROM usuario"_s), u"21232f297a57a5a743894a0e4a801fc3"_s);
    QCOMPARE(texto(u"SELECT modificacion FROM usuario"_s), u"N"_s);
}

void TstAdmin::datosDemoDosVeces()
{
    const QMap<QString, qint64> antes = contarTodas();
    Salida s = ejecutar({u"datos-demo"_s});
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));
    const QMap<QString, qint64> primera = contarTodas();
    for (const char *tabla : {"tercero", "formapago", "material", "familia", "marca", "modelo",
                              "tecnico", "accion", "serie", "departamento"})
        QVERIFY2(primera.value(QString::fromLatin1(tabla))
                         > antes.value(QString::fromLatin1(tabla)),
                 tabla);
    QVERIFY2(s.texto.contains(u"artículos: 11"_s), qPrintable(s.texto));

    s = ejecutar({u"datos-demo"_s});
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));
    QVERIFY2(s.texto.contains(u"no se ha añadido nada"_s), qPrintable(s.texto));
    QCOMPARE(contarTodas(), primera);
}

void TstAdmin::datosDemoCoherentes()
{
    const Salida s = ejecutar({u"datos-demo"_s});
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));

    TablaResultado articulos;
    VERIFICAR_BD(bd_.conexion().consultar(
                         u"SELECT m.codigobarras, m.preciocompra, m.porcentajebeneficio, "
                         u"m.precioventa, m.stock, t.tipo, f.nombre AS familia, "
                         u"ma.nombre AS marca, mo.nombre AS modelo "
                         u"FROM material m "
                         u"LEFT JOIN tercero t ON t.codigo = m.codigotercero "
                         u"LEFT JOIN familia f ON f.codigo = m.codigofamilia "
                         u"LEFT JOIN marca ma ON ma.codigo = m.codigomarca "
                         u"LEFT JOIN modelo mo ON mo.codigo = m.codigomodelo"_s,
                         articulos),
                 bd_.conexion());
    QVERIFY(articulos.filas() >= 10);
    QSet<QString> codigos;
    for (qsizetype i = 0; i < articulos.filas(); ++i) {
        const QString ean = articulos.texto(i, u"codigobarras");
        QVERIFY2(ean13Valido(ean), qPrintable(ean));
        codigos.insert(ean);
        QCOMPARE(articulos.texto(i, u"tipo"), u"Proveedor"_s);
        QVERIFY(!articulos.texto(i, u"familia").isEmpty());
        QVERIFY(!articulos.texto(i, u"marca").isEmpty());
        QVERIFY(!articulos.texto(i, u"modelo").isEmpty());
        const double venta = articulos.real(i, u"preciocompra")
                * (1 + articulos.real(i, u"porcentajebeneficio") / 100);
        QVERIFY2(qAbs(venta - articulos.real(i, u"precioventa")) < 0.005, qPrintable(ean));
    }
    QCOMPARE(codigos.size(), articulos.filas());

    TablaResultado terceros;
    VERIFICAR_BD(
            bd_.conexion().consultar(u"SELECT t.cif, t.tipo, t.poblacion, t.provincia, t.telefono, "
                                     u"f.dias FROM tercero t LEFT JOIN formapago f "
                                     u"ON f.codigo = t.codigoformapago WHERE t.codigo <> 1"_s,
                                     terceros),
            bd_.conexion());
    QSet<QString> tipos;
    for (qsizetype i = 0; i < terceros.filas(); ++i) {
        QVERIFY2(identificacionValida(terceros.texto(i, u"cif")),
                 qPrintable(terceros.texto(i, u"cif")));
        QVERIFY(!terceros.texto(i, u"poblacion").isEmpty());
        QVERIFY(!terceros.texto(i, u"provincia").isEmpty());
        QVERIFY(!terceros.texto(i, u"telefono").isEmpty());
        QVERIFY(!terceros.columna(terceros.indice(u"dias")).esNulo(i));
        tipos.insert(terceros.texto(i, u"tipo"));
    }
    QCOMPARE(tipos, (QSet<QString> {u"Cliente"_s, u"Proveedor"_s}));

    QCOMPARE(texto(u"SELECT mostrarennumero FROM serie WHERE nombre = 'A' AND tabla = 'factura'"_s),
             u"S"_s);
    QCOMPARE(texto(u"SELECT COUNT(*) FROM tecnico t JOIN departamento d "
                   u"ON d.codigo = t.codigodepartamento"_s),
             texto(u"SELECT COUNT(*) FROM tecnico WHERE codigo <> 1"_s));
}

void TstAdmin::datosDemoFallidaNoDejaNada()
{
    // The technicians come after the payment methods, third parties and articles.
    VERIFICAR_BD(bd_.conexion().ejecutar(u"DROP TABLE tecnico"_s), bd_.conexion());
    const QMap<QString, qint64> antes = contarTodas();
    const Salida s = ejecutar({u"datos-demo"_s});
    QCOMPARE(s.codigo, 1);
    QVERIFY2(s.errores.contains(u"tecnico"_s), qPrintable(s.errores));
    QVERIFY2(s.errores.contains(u"no se ha añadido nada"_s), qPrintable(s.errores));
    QCOMPARE(contarTodas(), antes);
}

void TstAdmin::comprobar_data()
{
    QTest::addColumn<QStringList>("borrar");

    QTest::newRow("completa") << QStringList {};
    QTest::newRow("falta una") << QStringList {u"nota"_s};
    QTest::newRow("faltan la primera y la última")
            << QStringList {u"usuario"_s, u"proyectodetalle"_s};
}

void TstAdmin::comprobar()
{
    QFETCH(QStringList, borrar);
    for (const QString &tabla : borrar)
        VERIFICAR_BD(bd_.conexion().ejecutar(u"DROP TABLE "_s + tabla), bd_.conexion());

    const Salida s = ejecutar({u"comprobar"_s});
    QVERIFY2(s.texto.contains(bd_.conexion().versionServidor()), qPrintable(s.texto));
    QVERIFY(s.texto.contains(bd_.nombre()));
    if (borrar.isEmpty()) {
        QVERIFY2(s.codigo == 0, qPrintable(s.errores));
        QVERIFY(s.texto.contains(u"están las "_s + QString::number(esquema::tablas().size())));
        // Only the demonstration data is missing: no user can log in yet.
        QVERIFY2(s.errores.contains(u"no hay ningún usuario"_s), qPrintable(s.errores));
        return;
    }
    QCOMPARE(s.codigo, 1);
    QVERIFY2(s.errores.contains(u"Faltan "_s + QString::number(borrar.size()) + u" de las "_s),
             qPrintable(s.errores));
    for (const QString &tabla : borrar)
        QVERIFY2(s.errores.contains(tabla), qPrintable(tabla));
    QVERIFY(!s.errores.contains(u"tercero"_s));
}

void TstAdmin::comprobarConElFicheroDeConfiguracion()
{
    // An account with a password that only survives the settings file if its scrambling keeps
    // every Windows-1252 character.
    usuarioBd_ = u"qa"_s + QString::number(QCoreApplication::applicationPid());
    const QString clave = u"Cl€ve ñ'1"_s;
    for (const char *maquina : {"localhost", "127.0.0.1"}) {
        const QString cuenta
                = u"'"_s + usuarioBd_ + u"'@'"_s + QString::fromLatin1(maquina) + u"'"_s;
        VERIFICAR_BD(bd_.conexion().ejecutar(u"CREATE USER "_s + cuenta
                                             + u" IDENTIFIED BY 'Cl€ve ñ''1'"_s),
                     bd_.conexion());
        VERIFICAR_BD(
                bd_.conexion().ejecutar(u"GRANT ALL ON `"_s + bd_.nombre() + u"`.* TO "_s + cuenta),
                bd_.conexion());
    }

    QString texto;
    QString errores;
    QTextStream salida(&texto);
    QTextStream error(&errores);
    OrdenesAdmin ordenes(salida, error);
    EntradaFija entrada({clave});
    ordenes.establecerEntrada(&entrada);
    const QString ini = carpeta_.filePath(u"otro.INI"_s);
    QCOMPARE(ordenes.ejecutar({u"quenvalia-admin"_s, u"configurar"_s, u"--ini"_s, ini,
                               u"--servidor"_s, servidor_.servidor, u"--puerto"_s,
                               QString::number(servidor_.puerto), u"--bd"_s, bd_.nombre(),
                               u"--usuario"_s, usuarioBd_, u"--contrasena"_s, u"-"_s}),
             0);
    const int codigo = ordenes.ejecutar({u"quenvalia-admin"_s, u"comprobar"_s, u"--ini"_s, ini});
    error.flush();
    salida.flush();
    QVERIFY2(codigo == 0, qPrintable(errores));
    QVERIFY2(texto.contains(u"usuario «"_s + usuarioBd_ + u'»'), qPrintable(texto));

    // The same file with a wrong password in it is refused by the server.
    qputenv("QUENVALIA_INI", ini.toLocal8Bit());
    QVERIFY(escribirContrasenaBD(u"Cl€ve ñ'2"_s));
    errores.clear();
    QCOMPARE(ordenes.ejecutar({u"quenvalia-admin"_s, u"comprobar"_s, u"--ini"_s, ini}), 1);
    error.flush();
    QVERIFY2(errores.contains(u"No se ha podido conectar"_s), qPrintable(errores));
    QVERIFY2(errores.contains(u"1045"_s), qPrintable(errores));
}

QTEST_GUILESS_MAIN(TstAdmin)
#include "tst_admin.moc"
