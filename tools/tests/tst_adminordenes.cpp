#include "CodigoEan13.h"
#include "Configuracion.h"
#include "LineaOrdenes.h"
#include "OrdenesAdmin.h"

#include "EntradaFija.h"
#include <QFile>
#include <QTemporaryDir>

#include <QTest>

using namespace Qt::StringLiterals;

// The administration command without a server: reading its command line, its help texts, the
// EAN-13 check digit, writing the connection into the settings file and the failures that come
// before any connection.
class TstAdminOrdenes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void leerLinea_data();
    void leerLinea();
    void ayudaNombraCadaOpcion();
    void digitoControl_data();
    void digitoControl();
    void configurarEscribeLasClaves();
    void configurarSoloCambiaLoIndicado();
    void configurarSinOpcionesMuestra();
    void falloAntesDeConectar_data();
    void falloAntesDeConectar();

private:
    struct Salida
    {
        int codigo = -1;
        QString texto;
        QString errores;
    };
    Salida ejecutar(const QStringList &argumentos);
    void escribirIni(const QByteArray &contenido);

    std::unique_ptr<QTemporaryDir> carpeta_;
    QString ini_;
};

void TstAdminOrdenes::init()
{
    carpeta_ = std::make_unique<QTemporaryDir>();
    QVERIFY(carpeta_->isValid());
    ini_ = carpeta_->filePath(u"quenvalia.INI"_s);
    qputenv("QUENVALIA_INI", ini_.toLocal8Bit());
}

void TstAdminOrdenes::cleanup()
{
    qunsetenv("QUENVALIA_INI");
    carpeta_.reset();
}

TstAdminOrdenes::Salida TstAdminOrdenes::ejecutar(const QStringList &argumentos)
{
    Salida s;
    QTextStream salida(&s.texto);
    QTextStream errores(&s.errores);
    OrdenesAdmin ordenes(salida, errores);
    EntradaFija entrada({u"Clave€ñ 1"_s});
    ordenes.establecerEntrada(&entrada);
    s.codigo = ordenes.ejecutar(QStringList {u"quenvalia-admin"_s} + argumentos);
    salida.flush();
    errores.flush();
    return s;
}

void TstAdminOrdenes::escribirIni(const QByteArray &contenido)
{
    QFile f(ini_);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

void TstAdminOrdenes::leerLinea_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<bool>("valida");
    QTest::addColumn<int>("orden");
    QTest::addColumn<bool>("ayuda");
    QTest::addColumn<QString>("comprobacion"); // "opcion=valor" or the nick; an error fragment

    using O = LineaOrdenes::Orden;
    QTest::newRow("orden sola") << QStringList {u"comprobar"_s} << true << int(O::Comprobar)
                                << false << QString();
    QTest::newRow("opción antes de la orden")
            << QStringList {u"--bd"_s, u"tienda"_s, u"datos-demo"_s} << true << int(O::DatosDemo)
            << false << u"bd=tienda"_s;
    QTest::newRow("valor con igual") << QStringList {u"comprobar"_s, u"--puerto=3307"_s} << true
                                     << int(O::Comprobar) << false << u"puerto=3307"_s;
    QTest::newRow("valor vacío con igual")
            << QStringList {u"configurar"_s, u"--contrasena="_s} << true << int(O::Configurar)
            << false << u"contrasena="_s;
    QTest::newRow("nick tras las opciones")
            << QStringList {u"crear-usuario"_s, u"--administrador"_s, u"maria"_s} << true
            << int(O::CrearUsuario) << false << u"maria"_s;
    QTest::newRow("contraseña de la entrada")
            << QStringList {u"comprobar"_s, u"--contrasena"_s, u"-"_s} << true << int(O::Comprobar)
            << false << u"contrasena=-"_s;
    QTest::newRow("ayuda general")
            << QStringList {u"--help"_s} << true << int(O::Ninguna) << true << QString();
    QTest::newRow("ayuda de una orden con -h")
            << QStringList {u"crear-bd"_s, u"-h"_s} << true << int(O::CrearBd) << true << QString();
    QTest::newRow("ayuda como orden") << QStringList {u"ayuda"_s, u"crear-usuario"_s} << true
                                      << int(O::CrearUsuario) << true << QString();
    QTest::newRow("ayuda sin orden válida aunque falte el nick")
            << QStringList {u"crear-usuario"_s, u"--help"_s} << true << int(O::CrearUsuario) << true
            << QString();

    QTest::newRow("sin orden") << QStringList {} << false << 0 << false << u"Falta la orden"_s;
    QTest::newRow("orden desconocida")
            << QStringList {u"borrar-bd"_s} << false << 0 << false << u"Orden desconocida"_s;
    QTest::newRow("opción desconocida") << QStringList {u"comprobar"_s, u"--host"_s, u"x"_s}
                                        << false << 0 << false << u"Opción desconocida: --host"_s;
    QTest::newRow("opción corta desconocida") << QStringList {u"comprobar"_s, u"-p"_s} << false << 0
                                              << false << u"Opción desconocida: -p"_s;
    QTest::newRow("opción de otra orden")
            << QStringList {u"comprobar"_s, u"--esquema"_s, u"/tmp"_s} << false << 0 << false
            << u"--esquema no se usa con la orden comprobar"_s;
    QTest::newRow("socket no se guarda")
            << QStringList {u"configurar"_s, u"--socket"_s, u"/tmp/s"_s} << false << 0 << false
            << u"--socket no se usa"_s;
    QTest::newRow("falta el valor") << QStringList {u"comprobar"_s, u"--bd"_s} << false << 0
                                    << false << u"Falta el valor de la opción --bd"_s;
    QTest::newRow("interruptor con valor")
            << QStringList {u"crear-usuario"_s, u"pepe"_s, u"--administrador=S"_s} << false << 0
            << false << u"no lleva valor"_s;
    QTest::newRow("opción repetida")
            << QStringList {u"comprobar"_s, u"--bd"_s, u"a"_s, u"--bd"_s, u"b"_s} << false << 0
            << false << u"repetida"_s;
    QTest::newRow("puerto no numérico") << QStringList {u"comprobar"_s, u"--puerto"_s, u"treinta"_s}
                                        << false << 0 << false << u"puerto"_s;
    QTest::newRow("puerto cero") << QStringList {u"comprobar"_s, u"--puerto"_s, u"0"_s} << false
                                 << 0 << false << u"1 a 65535"_s;
    QTest::newRow("puerto demasiado alto")
            << QStringList {u"comprobar"_s, u"--puerto"_s, u"65536"_s} << false << 0 << false
            << u"1 a 65535"_s;
    QTest::newRow("crear-usuario sin nick")
            << QStringList {u"crear-usuario"_s} << false << 0 << false << u"Falta el nick"_s;
    QTest::newRow("crear-usuario con dos nicks")
            << QStringList {u"crear-usuario"_s, u"ana"_s, u"luis"_s} << false << 0 << false
            << u"Argumento no esperado para la orden crear-usuario: luis"_s;
    QTest::newRow("argumento de más") << QStringList {u"comprobar"_s, u"ya"_s} << false << 0
                                      << false << u"Argumento no esperado"_s;
}

void TstAdminOrdenes::leerLinea()
{
    QFETCH(QStringList, argumentos);
    QFETCH(bool, valida);
    QFETCH(int, orden);
    QFETCH(bool, ayuda);
    QFETCH(QString, comprobacion);

    LineaOrdenes linea;
    QString error;
    const bool leida
            = LineaOrdenes::leer(QStringList {u"quenvalia-admin"_s} + argumentos, linea, error);
    if (!valida) {
        QVERIFY(!leida);
        QVERIFY2(error.contains(comprobacion), qPrintable(error));
        return;
    }
    QVERIFY2(leida, qPrintable(error));
    QCOMPARE(int(linea.orden), orden);
    QCOMPARE(linea.ayuda, ayuda);
    if (comprobacion.contains(u'=')) {
        const QString nombre = comprobacion.section(u'=', 0, 0);
        QVERIFY(linea.tiene(nombre));
        QCOMPARE(linea.valor(nombre), comprobacion.section(u'=', 1));
    } else if (!comprobacion.isEmpty()) {
        QCOMPARE(linea.argumentos, QStringList {comprobacion});
    }
}

void TstAdminOrdenes::ayudaNombraCadaOpcion()
{
    using O = LineaOrdenes::Orden;
    const QString general = LineaOrdenes::textoAyuda(O::Ninguna);
    for (O o : {O::Configurar, O::CrearBd, O::CrearUsuario, O::DatosDemo, O::Comprobar}) {
        const QString nombre = LineaOrdenes::nombreOrden(o);
        QVERIFY2(general.contains(u"  "_s + nombre + u' '), qPrintable(nombre));
        const QString ayuda = LineaOrdenes::textoAyuda(o);
        QVERIFY(ayuda.startsWith(u"Uso: quenvalia-admin "_s + nombre));
        const QStringList opciones = LineaOrdenes::opcionesDe(o);
        QVERIFY(opciones.contains(u"ini"_s));
        for (const QString &opcion : opciones)
            QVERIFY2(ayuda.contains(u"--"_s + opcion + u' ')
                             || ayuda.contains(u"--"_s + opcion + u'\n'),
                     qPrintable(nombre + u": --"_s + opcion));
        for (const QString &l : ayuda.split(u'\n'))
            QVERIFY2(l.size() <= 96, qPrintable(l));
    }

    const Salida s = ejecutar({u"ayuda"_s, u"datos-demo"_s});
    QCOMPARE(s.codigo, 0);
    QCOMPARE(s.texto, LineaOrdenes::textoAyuda(O::DatosDemo));
    QVERIFY(s.errores.isEmpty());
}

void TstAdminOrdenes::digitoControl_data()
{
    QTest::addColumn<QString>("doce");
    QTest::addColumn<int>("digito");

    QTest::newRow("ejemplo con control 1") << u"400638133393"_s << 1;
    QTest::newRow("libro") << u"978020137962"_s << 4;
    QTest::newRow("control 7") << u"590123412345"_s << 7;
    QTest::newRow("control 0") << u"843700100018"_s << 0;
    QTest::newRow("control 9") << u"843700100015"_s << 9;
    QTest::newRow("todo ceros") << u"000000000000"_s << 0;
    QTest::newRow("todo nueves") << u"999999999999"_s << 4;
    QTest::newRow("once dígitos") << u"84370010001"_s << -1;
    QTest::newRow("trece dígitos") << u"8437001000150"_s << -1;
    QTest::newRow("letra") << u"84370010001A"_s << -1;
    QTest::newRow("dígito no ASCII") << u"84370010001٣"_s << -1;
    QTest::newRow("vacío") << QString() << -1;
}

void TstAdminOrdenes::digitoControl()
{
    QFETCH(QString, doce);
    QFETCH(int, digito);
    QCOMPARE(digitoControlEan13(doce), digito);
    QCOMPARE(completarEan13(doce), digito < 0 ? QString() : doce + QString::number(digito));
}

void TstAdminOrdenes::configurarEscribeLasClaves()
{
    const Salida s = ejecutar({u"configurar"_s, u"--servidor"_s, u"127.0.0.1"_s, u"--puerto"_s,
                               u"13306"_s, u"--bd"_s, u"quenvalia"_s, u"--usuario"_s,
                               u"quenvalia"_s, u"--contrasena"_s, u"-"_s});
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));
    const auto seccion = u"Base de datos";
    QCOMPARE(leerIniCadena(seccion, u"Tipo BD MySQL - Servidor"), u"127.0.0.1"_s);
    QCOMPARE(leerIniCadena(seccion, u"Tipo BD MySQL - Puerto"), u"13306"_s);
    QCOMPARE(leerIniCadena(seccion, u"Tipo BD MySQL - Nombre BD"), u"quenvalia"_s);
    QCOMPARE(leerIniCadena(seccion, u"Tipo BD MySQL - Usuario"), u"quenvalia"_s);
    // Stored scrambled, as the login window reads it, never as typed.
    QCOMPARE(leerContrasenaBD(), u"Clave€ñ 1"_s);
    const QString guardada = leerIniCadena(seccion, u"Tipo BD MySQL - Contraseña");
    QVERIFY(guardada.startsWith(u"hex:"_s));
    QVERIFY(!guardada.contains(u"Clave"_s));
}

void TstAdminOrdenes::configurarSoloCambiaLoIndicado()
{
    escribirIni("[Base de datos]\r\nTipo BD MySQL - Servidor=db.local\r\n"
                "Tipo BD MySQL - Nombre BD=tienda\r\nTipo BD MySQL - Usuario=pepe\r\n"
                "Tipo BD MySQL - Contrase\xf1"
                "a=secreto\r\n[Acceso]\r\nUsuario=admin\r\n");
    const Salida s = ejecutar({u"configurar"_s, u"--puerto"_s, u"3307"_s, u"--ini"_s, ini_});
    QVERIFY2(s.codigo == 0, qPrintable(s.errores));
    const auto seccion = u"Base de datos";
    QCOMPARE(leerIniCadena(seccion, u"Tipo BD MySQL - Servidor"), u"db.local"_s);
    QCOMPARE(leerIniCadena(seccion, u"Tipo BD MySQL - Puerto"), u"3307"_s);
    QCOMPARE(leerIniCadena(seccion, u"Tipo BD MySQL - Nombre BD"), u"tienda"_s);
    QCOMPARE(leerContrasenaBD(), u"secreto"_s);
    QCOMPARE(leerIniCadena(u"Acceso", u"Usuario"), u"admin"_s);
}

void TstAdminOrdenes::configurarSinOpcionesMuestra()
{
    const QByteArray contenido = "[Base de datos]\r\nTipo BD MySQL - Servidor=db.local\r\n"
                                 "Tipo BD MySQL - Usuario=pepe\r\n";
    escribirIni(contenido);
    const Salida s = ejecutar({u"configurar"_s});
    QCOMPARE(s.codigo, 0);
    const QStringList lineas = s.texto.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lineas.contains(u"servidor=db.local"_s));
    QVERIFY(lineas.contains(u"puerto=3306"_s));
    QVERIFY(lineas.contains(u"bd="_s));
    QVERIFY(lineas.contains(u"usuario=pepe"_s));
    QVERIFY(lineas.contains(u"fichero="_s + ini_));
    QFile f(ini_);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), contenido);
}

void TstAdminOrdenes::falloAntesDeConectar_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("mensaje");

    const QByteArray completo = "[Base de datos]\r\nTipo BD MySQL - Servidor=127.0.0.1\r\n"
                                "Tipo BD MySQL - Nombre BD=tienda\r\n";
    QTest::newRow("sin fichero ni servidor")
            << QByteArray() << QStringList {u"comprobar"_s} << u"No se sabe a qué servidor"_s;
    QTest::newRow("sin base de datos")
            << QByteArray("[Base de datos]\r\nTipo BD MySQL - Servidor=127.0.0.1\r\n")
            << QStringList {u"datos-demo"_s} << u"No se sabe qué base de datos"_s;
    QTest::newRow("puerto del fichero no válido")
            << QByteArray(completo + "Tipo BD MySQL - Puerto=33o6\r\n")
            << QStringList {u"comprobar"_s} << u"El puerto «33o6»"_s;
    QTest::newRow("servidor que no responde")
            << completo << QStringList {u"comprobar"_s, u"--puerto"_s, u"1"_s}
            << u"No se ha podido conectar con el servidor en 127.0.0.1:1"_s;
    QTest::newRow("esquema que no existe")
            << completo << QStringList {u"crear-bd"_s, u"--esquema"_s, u"/no/existe"_s}
            << u"No se encuentra /no/existe/crear_tablas.sql"_s;
    QTest::newRow("nick demasiado largo")
            << completo << QStringList {u"crear-usuario"_s, u"abcdefghijklmnopqrstu"_s}
            << u"más de 20 caracteres"_s;
    QTest::newRow("nick en blanco") << completo << QStringList {u"crear-usuario"_s, u"  "_s}
                                    << u"El nick no puede estar vacío"_s;
    QTest::newRow("orden desconocida")
            << completo << QStringList {u"crear"_s} << u"Orden desconocida: crear"_s;
}

void TstAdminOrdenes::falloAntesDeConectar()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, argumentos);
    QFETCH(QString, mensaje);
    if (!ini.isEmpty())
        escribirIni(ini);
    const Salida s = ejecutar(argumentos);
    QCOMPARE(s.codigo, 1);
    QVERIFY2(s.errores.startsWith(u"quenvalia-admin: "_s), qPrintable(s.errores));
    QVERIFY2(s.errores.contains(mensaje), qPrintable(s.errores));
    QVERIFY(s.texto.isEmpty());
}

QTEST_GUILESS_MAIN(TstAdminOrdenes)
#include "tst_adminordenes.moc"
