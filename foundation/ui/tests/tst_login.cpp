#include "BaseDatosPrueba.h"
#include "Configuracion.h"
#include "DatosSesion.h"
#include "MensajesGrabados.h"
#include "UnidadLogin.h"
#include "UnidadModuloDatos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

using Tipo = Mensajes::Tipo;

namespace {

const QString prefijoFalloConexion
        = u"No se ha podido conectar con el servidor: [127.0.0.1]. Compruebe que el servicio de "
          u"MySQL está iniciado y que ha escrito correctamente el nombre/ip del servidor.\n\n"
          u"A continuación la descripción completa del error:\nErrorConexion\n"_s;

const QString avisoFaltanDatosIP
        = u"Faltan datos para obtener la IP desde un servidor de base de datos."_s;

// A parameter without its row in `parametro`.
const QString sinFila = u"(sin fila)"_s;

// The offscreen platform warns about every fixed-size window; the rest goes through.
QtMessageHandler manejadorAnterior = nullptr;
void filtrarMensajes(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (texto == u"This plugin does not support propagateSizeHints()")
        return;
    manejadorAnterior(tipo, contexto, texto);
}

} // namespace

// The login window against the test server: who gets in, what is written to `sesion` and to
// the settings file, the version check, the connection failures and the address lookup.
class TstLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void ventanaInicial();
    void opcionesMuestranYOcultan();
    void focoInicial_data();
    void focoInicial();
    void iniciaConNickEnOtraMayuscula();
    void rechazos_data();
    void rechazos();
    void faltanDatos_data();
    void faltanDatos();
    void versiones_data();
    void versiones();
    void intro_data();
    void intro();
    void puertoNoNumerico_data();
    void puertoNoNumerico();
    void servidorQueNoResponde();
    void configuracionEscritaAntesDeConectar();
    void leerPuerto_data();
    void leerPuerto();
    void textoLibreria_data();
    void textoLibreria();
    void obtenerIP_data();
    void obtenerIP();
    void obtenerIPFaltanDatos_data();
    void obtenerIPFaltanDatos();
    void obtenerIPAutomatica_data();
    void obtenerIPAutomatica();
    void probar();
    void bannerAbreLaWeb();
    void cerrarDevuelveLaConsulta_data();
    void cerrarDevuelveLaConsulta();

private:
    // A new window over the current settings file, shown when asked.
    std::unique_ptr<TformInicioSesion> nuevaVentana(bool mostrar = true);
    // Fills the main connection with the test database and the nick and password.
    void rellenarAcceso(TformInicioSesion &v, const QString &nick, const QString &contrasena);
    // Fills the address server's page with the test server and its address-server user.
    void rellenarServidorIP(TformInicioSesion &v, const QString &tabla);
    template<typename T>
    static T *control(TformInicioSesion &v, const QString &nombre);
    static QLineEdit *campo(TformInicioSesion &v, const QString &nombre)
    {
        return control<QLineEdit>(v, nombre);
    }
    qint64 filasSesion();
    // Sets the parameter's row, or deletes it for sinFila.
    void ponerParametro(const QString &nombre, const QString &valor);

    BaseDatosPrueba bd_;
    QTemporaryDir carpeta_;
    QString rutaIni_;
    QString bdIP_; // the address server's database, on the test server
    QString usuarioIP_;
    const QString contrasenaIP_ = u"clave-ip"_s;
    std::optional<MensajesGrabados> mensajes_;
    QUrl webAbierta_;
};

void TstLogin::initTestCase()
{
    manejadorAnterior = qInstallMessageHandler(filtrarMensajes);
    QVERIFY(carpeta_.isValid());
    rutaIni_ = carpeta_.filePath(u"quenvalia.INI"_s);
    qputenv("QUENVALIA_INI", rutaIni_.toLocal8Bit());

    QUENVALIA_CREAR_BD(bd_);
    Conexion &c = bd_.conexion();

    // The test server is also the address server, with the entries in a database of their own
    // (emptying the test database between tests leaves them alone).
    bdIP_ = bd_.nombre() + u"_ip";
    VERIFICAR_BD(c.ejecutar(u"DROP DATABASE IF EXISTS `"_s + bdIP_ + u"`"), c);
    VERIFICAR_BD(c.ejecutar(u"CREATE DATABASE `"_s + bdIP_ + u"`"), c);
    const QString campos = u" (USUARIO varchar(30), CONTRASENA varchar(30), IPACTUAL varchar(30), "
                           u"FECHACAMBIO varchar(30), NOMBRECOMPLETO varchar(100))"_s;
    VERIFICAR_BD(c.ejecutar(u"CREATE TABLE `"_s + bdIP_ + u"`.ip" + campos), c);
    VERIFICAR_BD(c.ejecutar(u"CREATE TABLE `"_s + bdIP_ + u"`.`ip``x`" + campos), c);
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO `"_s + bdIP_
                            + u"`.ip VALUES "
                              u"('OFICINA', 'Clave-1', '88.12.34.56', '2024-03-01', "
                              u"'Oficina central de Madrid'), "
                              u"('SEDE', 'Clave-2', '127.0.0.1', '2024-03-02', 'Sede')"),
                 c);
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO `"_s + bdIP_
                            + u"`.`ip``x` VALUES "
                              u"('OFICINA', 'Clave-1', '10.0.0.9', '2024-04-01', 'Otra tabla')"),
                 c);

    // The address lookup refuses an empty password: a user of its own for it.
    usuarioIP_ = u"qip_"_s + QString::number(QCoreApplication::applicationPid());
    for (const QString &host : {u"localhost"_s, u"127.0.0.1"_s}) {
        const QString cuenta = u"'"_s + usuarioIP_ + u"'@'" + host + u"'";
        VERIFICAR_BD(c.ejecutar(u"CREATE OR REPLACE USER "_s + cuenta + u" IDENTIFIED BY '"
                                + contrasenaIP_ + u"'"),
                     c);
        VERIFICAR_BD(c.ejecutar(u"GRANT SELECT ON `"_s + bdIP_ + u"`.* TO " + cuenta), c);
    }
}

void TstLogin::cleanupTestCase()
{
    if (!bdIP_.isEmpty() && !bd_.conexion().ejecutar(u"DROP DATABASE IF EXISTS `"_s + bdIP_ + u"`"))
        qWarning("%s", qPrintable(bd_.conexion().ultimoError().texto));
    if (usuarioIP_.isEmpty())
        return;
    for (const QString &host : {u"localhost"_s, u"127.0.0.1"_s}) {
        if (!bd_.conexion().ejecutar(u"DROP USER IF EXISTS '"_s + usuarioIP_ + u"'@'" + host
                                     + u"'"))
            qWarning("%s", qPrintable(bd_.conexion().ultimoError().texto));
    }
}

void TstLogin::init()
{
    if (!bd_.conexion().conectada())
        QSKIP("sin base de datos");
    QVERIFY(bd_.vaciar());
    Conexion &c = bd_.conexion();
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO usuario (nick, contrasena, nombre, administrador, "
                            u"modificacion) VALUES "
                            u"('Ana', LOWER(MD5('secreta')), 'Ana Belén Ruiz', 'S', 'N'), "
                            u"('Luis', LOWER(MD5('clave')), 'Luis Gómez', 'N', 'S')"),
                 c);

    QFile::remove(rutaIni_);
    md().bd.desconectar();
    md().bdIP.desconectar();
    md().tc.cerrar();
    md().tc.establecerConexion(&md().bd);
    datosSesion() = DatosSesion {};
    datosSesion().versionPrograma = QString::fromUtf8(versionPrograma);
    webAbierta_.clear();
    mensajes_.emplace();
}

void TstLogin::cleanup()
{
    mensajes_.reset();
    md().bd.desconectar();
    md().bdIP.desconectar();
}

std::unique_ptr<TformInicioSesion> TstLogin::nuevaVentana(bool mostrar)
{
    auto v = std::make_unique<TformInicioSesion>();
    v->establecerAbridorWeb([this](const QUrl &url) { webAbierta_ = url; });
    if (mostrar)
        v->show();
    return v;
}

template<typename T>
T *TstLogin::control(TformInicioSesion &v, const QString &nombre)
{
    T *c = v.findChild<T *>(nombre);
    if (!c)
        qFatal("No existe el control %s", qPrintable(nombre));
    return c;
}

void TstLogin::rellenarAcceso(TformInicioSesion &v, const QString &nick, const QString &contrasena)
{
    campo(v, u"txtUsuarioBD"_s)->setText(bd_.parametros().usuario);
    campo(v, u"txtContrasenaBD"_s)->setText(bd_.parametros().contrasena);
    campo(v, u"txtServidor"_s)->setText(u"127.0.0.1"_s);
    campo(v, u"txtPuerto"_s)->setText(QString::number(bd_.parametros().puerto));
    campo(v, u"txtBD"_s)->setText(bd_.nombre());
    campo(v, u"txtUsuario"_s)->setText(nick);
    campo(v, u"txtContrasena"_s)->setText(contrasena);
}

void TstLogin::rellenarServidorIP(TformInicioSesion &v, const QString &tabla)
{
    campo(v, u"txtServidorIP"_s)->setText(u"127.0.0.1"_s);
    campo(v, u"txtPuertoIP"_s)->setText(QString::number(bd_.parametros().puerto));
    campo(v, u"txtUsuarioBDIP"_s)->setText(usuarioIP_);
    campo(v, u"txtContrasenaBDIP"_s)->setText(contrasenaIP_);
    campo(v, u"txtBDIP"_s)->setText(bdIP_);
    control<QComboBox>(v, u"cbTabla"_s)->setEditText(tabla);
    control<QComboBox>(v, u"cbProtocoloIP"_s)->setCurrentText(u"mysql-4.1"_s);
}

qint64 TstLogin::filasSesion()
{
    TablaResultado t;
    if (!bd_.conexion().consultar(u"SELECT COUNT(*) FROM sesion", t))
        return -1;
    return t.columna(0).entero(0);
}

void TstLogin::ponerParametro(const QString &nombre, const QString &valor)
{
    Conexion &c = bd_.conexion();
    if (valor == sinFila) {
        QVERIFY(c.ejecutar(u"DELETE FROM parametro WHERE nombre = :n", {{u"n"_s, nombre}}));
        return;
    }
    QVERIFY(c.ejecutar(u"REPLACE INTO parametro (nombre, valor) VALUES (:n, :v)",
                       {{u"n"_s, nombre}, {u"v"_s, valor}}));
}

void TstLogin::ventanaInicial()
{
    datosSesion().nickUsuario = u"Anterior"_s;
    datosSesion().esAdministrador = true;
    datosSesion().puedeModificar = true;
    auto v = nuevaVentana(false);

    QCOMPARE(v->windowTitle(), u"Trevanox Quenvalia v. 2.6.9.499 (06-01-2011)"_s);
    QVERIFY(datosSesion().nickUsuario.isEmpty());
    QVERIFY(!datosSesion().esAdministrador);
    QVERIFY(!datosSesion().puedeModificar);

    // Without a settings file: the defaults of the ports and protocols.
    QCOMPARE(campo(*v, u"txtPuerto"_s)->text(), u"3306"_s);
    QCOMPARE(control<QComboBox>(*v, u"cbProtocolo"_s)->currentText(), u"mysql-4.1"_s);
    QCOMPARE(campo(*v, u"txtPuertoIP"_s)->text(), u"3306"_s);
    QCOMPARE(control<QComboBox>(*v, u"cbProtocoloIP"_s)->currentText(), QString());
    QCOMPARE(control<QLabel>(*v, u"lblProtocolo"_s)->text(), u"Protocolo desconocido"_s);
    QCOMPARE(campo(*v, u"txtContrasena"_s)->echoMode(), QLineEdit::Password);
    QCOMPARE(campo(*v, u"txtContrasenaBD"_s)->echoMode(), QLineEdit::Password);
    QCOMPARE(campo(*v, u"txtContrasenaIP"_s)->echoMode(), QLineEdit::Password);
    QCOMPARE(campo(*v, u"txtContrasenaBDIP"_s)->echoMode(), QLineEdit::Password);
    QCOMPARE(campo(*v, u"txtIP"_s)->maxLength(), 15);

    const QStringList protocolos {u"mysql-4.1"_s, u"mysql-4.0"_s, u"mysql-3.23"_s, u"mysql-3.20"_s};
    for (const QString &nombre : {u"cbProtocolo"_s, u"cbProtocoloIP"_s}) {
        auto *cb = control<QComboBox>(*v, nombre);
        QStringList opciones;
        for (int i = 0; i < cb->count(); ++i)
            opciones << cb->itemText(i);
        QCOMPARE(opciones, protocolos);
    }

    auto *pc = control<QTabWidget>(*v, u"pcOpciones"_s);
    QCOMPARE(pc->count(), 2);
    QCOMPARE(pc->tabText(0), u"Base de datos"_s);
    QCOMPARE(pc->tabText(1), u"Dirección servidor BD IP"_s);

    const QString ayudaIP
            = u"Obtiene la IP del usuario seleccionado en el servidor de bases de datos "
              u"especificado"_s;
    const QList<std::pair<QString, QString>> ayudas {
            {u"BIniciar"_s, u"Inicia la aplicación con el usuario especificado"_s},
            {u"BCancelar"_s, u"Cancela el inicio de sesión"_s},
            {u"BOpciones"_s, u"Muestra opciones avanzadas para acceso a base de datos"_s},
            {u"BObtenerIP"_s, ayudaIP},
            {u"BIrServidorIP"_s, ayudaIP},
            {u"cbTabla"_s,
             u"Pulse en \"Probar\" para mostrar todas las tablas (en este desplegable)"_s},
    };
    for (const auto &[nombre, ayuda] : ayudas) {
        auto *w = control<QWidget>(*v, nombre);
        QCOMPARE(w->toolTip(), ayuda);
        QCOMPARE(w->statusTip(), ayuda);
    }

    // ">>" only turns the page.
    control<QPushButton>(*v, u"BIrServidorIP"_s)->click();
    QCOMPARE(pc->currentIndex(), 1);
    QVERIFY(mensajes_->registros().isEmpty());
    QVERIFY(!md().bdIP.conectada());
}

void TstLogin::opcionesMuestranYOcultan()
{
    auto v = nuevaVentana(false);
    auto *boton = control<QPushButton>(*v, u"BOpciones"_s);
    QVERIFY(!v->opcionesVisibles());
    QCOMPARE(boton->text(), u"&Opciones >>"_s);

    boton->click();
    QVERIFY(v->opcionesVisibles());
    QCOMPARE(boton->text(), u"&Opciones <<"_s);

    boton->click();
    QVERIFY(!v->opcionesVisibles());
    QCOMPARE(boton->text(), u"&Opciones >>"_s);
}

void TstLogin::focoInicial_data()
{
    QTest::addColumn<QString>("usuarioBD");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("foco");
    QTest::addColumn<bool>("opciones");

    QTest::newRow("sin usuario de BD") << QString() << u"Ana"_s << u"txtUsuarioBD"_s << true;
    QTest::newRow("sin nick") << u"root"_s << QString() << u"txtUsuario"_s << false;
    QTest::newRow("todo relleno") << u"root"_s << u"Ana"_s << u"txtContrasena"_s << false;
}

void TstLogin::focoInicial()
{
    QFETCH(QString, usuarioBD);
    QFETCH(QString, nick);
    QFETCH(QString, foco);
    QFETCH(bool, opciones);

    QVERIFY(escribirIniCadena(u"Base de datos", u"Tipo BD MySQL - Usuario", usuarioBD));
    QVERIFY(escribirIniCadena(u"Acceso", u"Usuario", nick));
    auto v = nuevaVentana(false);
    auto *pc = control<QTabWidget>(*v, u"pcOpciones"_s);
    pc->setCurrentIndex(1);
    v->show();
    QVERIFY(QTest::qWaitForWindowExposed(v.get()));

    QVERIFY(v->focusWidget());
    QCOMPARE(v->focusWidget()->objectName(), foco);
    QCOMPARE(v->opcionesVisibles(), opciones);
    QCOMPARE(pc->currentIndex(), 0);
}

void TstLogin::iniciaConNickEnOtraMayuscula()
{
    auto v = nuevaVentana();
    rellenarAcceso(*v, u"ANA"_s, u"secreta"_s);
    const QDateTime antes = QDateTime::currentDateTime();
    control<QPushButton>(*v, u"BIniciar"_s)->click();

    QCOMPARE(mensajes_->registros(), QList<MensajesGrabados::Registro>());
    QVERIFY(!v->isVisible());
    QCOMPARE(v->result(), int(QDialog::Accepted));

    const DatosSesion &s = datosSesion();
    QCOMPARE(s.nickUsuario, u"ANA"_s);
    QCOMPARE(s.nombreUsuario, u"Ana Belén Ruiz"_s);
    QVERIFY(s.esAdministrador);
    QVERIFY(!s.puedeModificar);
    QCOMPARE(s.usuarioBD, bd_.parametros().usuario);
    QCOMPARE(s.contrasenaUsuario,
             QString::fromLatin1(
                     QCryptographicHash::hash("secreta", QCryptographicHash::Md5).toHex()));

    TablaResultado t;
    VERIFICAR_BD(
            bd_.conexion().consultar(u"SELECT s.codigousuario, u.codigo, s.fecha, s.hora, s.estado "
                                     u"FROM sesion s LEFT JOIN usuario u ON u.nick = 'Ana'",
                                     t),
            bd_.conexion());
    QCOMPARE(t.filas(), qsizetype(1));
    QCOMPARE(t.entero(0, u"codigousuario"), t.entero(0, u"codigo"));
    QCOMPARE(s.codigoUsuario, t.entero(0, u"codigo"));
    QCOMPARE(t.texto(0, u"estado"), u"Inicio"_s);
    const QDateTime escrito(t.columna(2).fecha(0), t.columna(3).hora(0));
    QVERIFY2(escrito.secsTo(antes) <= 1 && antes.secsTo(escrito) <= 5,
             qPrintable(escrito.toString(Qt::ISODate)));

    // The connection stays open for the program, and the scratch query is back on it, closed.
    QVERIFY(md().bd.conectada());
    QCOMPARE(md().tc.conexion(), &md().bd);
    QVERIFY(!md().tc.activa());
}

void TstLogin::rechazos_data()
{
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("contrasena");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QString>("foco");

    QTest::newRow("contraseña errónea")
            << u"ana"_s << u"Secreta"_s << u"La contraseña es incorrecta para el usuario [ana]"_s
            << u"txtContrasena"_s;
    QTest::newRow("contraseña vacía")
            << u"Ana"_s << QString() << u"La contraseña es incorrecta para el usuario [Ana]"_s
            << u"txtContrasena"_s;
    QTest::newRow("contraseña de otro usuario")
            << u"Ana"_s << u"clave"_s << u"La contraseña es incorrecta para el usuario [Ana]"_s
            << u"txtContrasena"_s;
    QTest::newRow("nick desconocido")
            << u"Anabel"_s << u"secreta"_s << u"No existe el usuario [Anabel]"_s << QString();
}

void TstLogin::rechazos()
{
    QFETCH(QString, nick);
    QFETCH(QString, contrasena);
    QFETCH(QString, aviso);
    QFETCH(QString, foco);

    auto v = nuevaVentana();
    rellenarAcceso(*v, nick, contrasena);
    v->BIniciarClick();

    QCOMPARE(mensajes_->textos(Tipo::Aviso), QStringList {aviso});
    QCOMPARE(mensajes_->registros().size(), qsizetype(1));
    QVERIFY(v->isVisible());
    QVERIFY(datosSesion().nickUsuario.isEmpty());
    QVERIFY(datosSesion().contrasenaUsuario.isEmpty());
    QVERIFY(!datosSesion().esAdministrador);
    QCOMPARE(filasSesion(), qint64(0));
    QVERIFY(!md().tc.activa());
    if (!foco.isEmpty()) {
        auto *txt = campo(*v, foco);
        QCOMPARE(v->focusWidget(), static_cast<QWidget *>(txt));
        QCOMPARE(txt->selectedText(), contrasena);
    }
}

void TstLogin::faltanDatos_data()
{
    QTest::addColumn<QString>("vacio");

    QTest::newRow("nick") << u"txtUsuario"_s;
    QTest::newRow("servidor") << u"txtServidor"_s;
    QTest::newRow("base de datos") << u"txtBD"_s;
}

void TstLogin::faltanDatos()
{
    QFETCH(QString, vacio);

    auto v = nuevaVentana();
    rellenarAcceso(*v, u"Ana"_s, u"secreta"_s);
    campo(*v, vacio)->clear();
    v->BIniciarClick();

    QCOMPARE(
            mensajes_->registros(),
            (QList<MensajesGrabados::Registro> {
                    {Tipo::Aviso, u"Falta datos por introducir para poder iniciar la sesión."_s}}));
    QCOMPARE(v->focusWidget(), static_cast<QWidget *>(campo(*v, u"txtUsuarioBD"_s)));
    QVERIFY(v->opcionesVisibles());
    QVERIFY(v->isVisible());
    QVERIFY(!md().bd.conectada());
    QVERIFY(!QFile::exists(rutaIni_));
}

void TstLogin::versiones_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("arrancar");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("inicia");

    const QString distinta = u"2.7.0.12 (01-02-2012)"_s;
    const QString otra = u"La versión actual de su aplicación [2.6.9.499 (06-01-2011)] es "
                         u"diferente a la de la BD [2.7.0.12 (01-02-2012)]. \n\n"_s;

    QTest::newRow("la misma") << u"2.6.9.499 (06-01-2011)"_s << u"N"_s << -1 << QString() << true;
    QTest::newRow("distinta, no arrancar") << distinta << u"N"_s << int(Tipo::Aviso)
                                           << otra
                    + u" La aplicación no se iniciará hasta que la actualice.\n\n"
                      u"Consulte con Trevanox."
                                           << false;
    QTest::newRow("distinta, arrancar") << distinta << u"S"_s << int(Tipo::Informacion)
                                        << otra
                    + u"Le recomendamos que actualice su versión de software para evitar "
                      u"incongruencias en los datos."
                                        << true;
    QTest::newRow("distinta, sin decir si arrancar")
            << distinta << sinFila << -1 << QString() << true;
    QTest::newRow("distinta por un blanco")
            << u"2.6.9.499 (06-01-2011) "_s << u"N"_s << int(Tipo::Aviso) << QString() << false;
    QTest::newRow("sin versión") << sinFila << u"N"_s << -1 << QString() << true;
    QTest::newRow("versión vacía") << QString() << u"N"_s << -1 << QString() << true;
}

void TstLogin::versiones()
{
    QFETCH(QString, version);
    QFETCH(QString, arrancar);
    QFETCH(int, tipo);
    QFETCH(QString, texto);
    QFETCH(bool, inicia);

    ponerParametro(u"version"_s, version);
    ponerParametro(u"arrancar_si_version_distinta"_s, arrancar);
    auto v = nuevaVentana();
    rellenarAcceso(*v, u"Luis"_s, u"clave"_s);
    v->BIniciarClick();

    if (tipo < 0) {
        QCOMPARE(mensajes_->registros(), QList<MensajesGrabados::Registro>());
    } else {
        QCOMPARE(mensajes_->registros().size(), qsizetype(1));
        QCOMPARE(int(mensajes_->registros().constFirst().tipo), tipo);
        if (!texto.isEmpty())
            QCOMPARE(mensajes_->registros().constFirst().texto, texto);
    }
    QCOMPARE(datosSesion().nickUsuario, inicia ? u"Luis"_s : QString());
    QCOMPARE(v->isVisible(), !inicia);
    // The start is recorded before the version is looked at.
    QCOMPARE(filasSesion(), qint64(1));
    QVERIFY(!md().tc.activa());
}

void TstLogin::intro_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("inicia");

    QTest::newRow("en la contraseña") << u"txtContrasena"_s << true;
    QTest::newRow("en el nick") << u"txtUsuario"_s << false;
}

void TstLogin::intro()
{
    QFETCH(QString, nombre);
    QFETCH(bool, inicia);

    auto v = nuevaVentana();
    rellenarAcceso(*v, u"Ana"_s, u"secreta"_s);
    QTest::keyClick(campo(*v, nombre), Qt::Key_Return);

    QCOMPARE(datosSesion().nickUsuario, inicia ? u"Ana"_s : QString());
    // One press, one attempt.
    QCOMPARE(filasSesion(), qint64(inicia ? 1 : 0));
    QVERIFY(mensajes_->registros().isEmpty());
}

void TstLogin::puertoNoNumerico_data()
{
    QTest::addColumn<QString>("puerto");

    QTest::newRow("letra") << u"33o6"_s;
    QTest::newRow("vacío") << QString();
    QTest::newRow("cero") << u"0"_s;
    QTest::newRow("demasiado grande") << u"65536"_s;
    QTest::newRow("negativo") << u"-3306"_s;
}

void TstLogin::puertoNoNumerico()
{
    QFETCH(QString, puerto);

    auto v = nuevaVentana();
    rellenarAcceso(*v, u"Ana"_s, u"secreta"_s);
    campo(*v, u"txtPuerto"_s)->setText(puerto);
    v->BIniciarClick();

    QCOMPARE(mensajes_->textos(Tipo::Error),
             QStringList {prefijoFalloConexion + u"El puerto [" + puerto
                          + u"] no es un número válido."});
    QCOMPARE(mensajes_->registros().size(), qsizetype(1));
    QVERIFY(!md().bd.conectada());
    QVERIFY(v->isVisible());
    QVERIFY(datosSesion().nickUsuario.isEmpty());
    // Written as typed, as every other field.
    QCOMPARE(leerIniCadena(u"Base de datos", u"Tipo BD MySQL - Puerto", u"-"_s), puerto);
}

void TstLogin::servidorQueNoResponde()
{
    auto v = nuevaVentana();
    rellenarAcceso(*v, u"Ana"_s, u"secreta"_s);
    campo(*v, u"txtPuerto"_s)->setText(u"1"_s); // nothing listens there
    v->BIniciarClick();

    const QStringList errores = mensajes_->textos(Tipo::Error);
    QCOMPARE(errores.size(), qsizetype(1));
    QVERIFY2(errores.constFirst().startsWith(prefijoFalloConexion), qPrintable(errores.first()));
    QVERIFY(errores.constFirst().size() > prefijoFalloConexion.size());
    QCOMPARE(mensajes_->registros().size(), qsizetype(1));
    QVERIFY(v->isVisible());
    QVERIFY(!md().bd.conectada());
    QCOMPARE(md().tc.conexion(), &md().bd);
    QCOMPARE(filasSesion(), qint64(0));
}

void TstLogin::configuracionEscritaAntesDeConectar()
{
    const QString contrasenaBD = u"pa=ss ñ;[x]"_s;
    {
        auto v = nuevaVentana();
        rellenarAcceso(*v, u"ana"_s, u"secreta"_s);
        campo(*v, u"txtServidor"_s)->setText(u"127.0.0.1"_s);
        campo(*v, u"txtPuerto"_s)->setText(u"1"_s);
        campo(*v, u"txtContrasenaBD"_s)->setText(contrasenaBD);
        control<QComboBox>(*v, u"cbProtocolo"_s)->setCurrentText(u"mysql-3.23"_s);
        campo(*v, u"txtUsuarioIP"_s)->setText(u"oficina"_s);
        campo(*v, u"txtContrasenaIP"_s)->setText(u"Clave-1"_s);
        rellenarServidorIP(*v, u"ip`x"_s);
        campo(*v, u"txtPuertoIP"_s)->setText(u"3307"_s);
        control<QComboBox>(*v, u"cbProtocoloIP"_s)->setCurrentText(u"mysql-4.0"_s);
        v->BIniciarClick();
        QCOMPARE(mensajes_->textos(Tipo::Error).size(), qsizetype(1)); // the connection failed
    }

    const QString bd = u"Base de datos"_s;
    const QString ip = u"Servidor IP pública"_s;
    QCOMPARE(leerIniCadena(bd, u"Tipo BD MySQL - Usuario"), bd_.parametros().usuario);
    QCOMPARE(leerContrasenaBD(), contrasenaBD);
    QVERIFY(leerIniCadena(bd, u"Tipo BD MySQL - Contraseña") != contrasenaBD);
    QCOMPARE(leerIniCadena(bd, u"Tipo BD MySQL - Servidor"), u"127.0.0.1"_s);
    QCOMPARE(leerIniCadena(bd, u"Tipo BD MySQL - Puerto"), u"1"_s);
    QCOMPARE(leerIniCadena(bd, u"Tipo BD MySQL - Nombre BD"), bd_.nombre());
    QCOMPARE(leerIniCadena(bd, u"Tipo BD MySQL - Protocolo"), u"mysql-3.23"_s);
    QCOMPARE(leerIniCadena(u"Acceso", u"Usuario"), u"ana"_s);
    QCOMPARE(leerIniCadena(ip, u"Usuario IP"), u"oficina"_s);
    QCOMPARE(leerIniCadena(ip, u"Contraseña IP"), u"Clave-1"_s);
    QCOMPARE(leerIniCadena(ip, u"Obtener Automática", u"-"_s), u"0"_s);
    QCOMPARE(leerIniCadena(ip, u"Última IP obtenida", u"-"_s), QString());
    QCOMPARE(leerIniCadena(ip, u"Servidor IP"), u"127.0.0.1"_s);
    QCOMPARE(leerIniCadena(ip, u"Puerto"), u"3307"_s);
    QCOMPARE(leerIniCadena(ip, u"BD"), bdIP_);
    QCOMPARE(leerIniCadena(ip, u"Tabla"), u"ip`x"_s);
    QCOMPARE(leerIniCadena(ip, u"Usuario BD"), usuarioIP_);
    QCOMPARE(leerIniCadena(ip, u"Contraseña BD"), contrasenaIP_);
    QCOMPARE(leerIniCadena(ip, u"Protocolo"), u"mysql-4.0"_s);

    // The next window offers it all again (the password unscrambled).
    auto v = nuevaVentana(false);
    QCOMPARE(campo(*v, u"txtContrasenaBD"_s)->text(), contrasenaBD);
    QCOMPARE(campo(*v, u"txtUsuario"_s)->text(), u"ana"_s);
    QCOMPARE(campo(*v, u"txtPuerto"_s)->text(), u"1"_s);
    QCOMPARE(control<QComboBox>(*v, u"cbProtocolo"_s)->currentText(), u"mysql-3.23"_s);
    QCOMPARE(control<QComboBox>(*v, u"cbTabla"_s)->currentText(), u"ip`x"_s);
    QCOMPARE(control<QComboBox>(*v, u"cbProtocoloIP"_s)->currentText(), u"mysql-4.0"_s);
    QCOMPARE(campo(*v, u"txtContrasena"_s)->text(), QString());
    QCOMPARE(control<QLabel>(*v, u"lblProtocolo"_s)->text(), u"Librería: libmysql40.dll"_s);
}

void TstLogin::leerPuerto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("puerto"); // 0: not a port

    QTest::newRow("normal") << u"3306"_s << 3306;
    QTest::newRow("con blancos") << u" 3307 "_s << 3307;
    QTest::newRow("ceros delante") << u"0003306"_s << 3306;
    QTest::newRow("el mayor") << u"65535"_s << 65535;
    QTest::newRow("el menor") << u"1"_s << 1;
    QTest::newRow("cero") << u"0"_s << 0;
    QTest::newRow("fuera de rango") << u"65536"_s << 0;
    QTest::newRow("desbordamiento") << u"99999999999999999999"_s << 0;
    QTest::newRow("vacío") << QString() << 0;
    QTest::newRow("sólo blancos") << u"   "_s << 0;
    QTest::newRow("con signo") << u"+3306"_s << 0;
    QTest::newRow("decimal") << u"3306.0"_s << 0;
    QTest::newRow("blanco en medio") << u"33 06"_s << 0;
    QTest::newRow("otras cifras") << u"٣٣٠٦"_s << 0;
}

void TstLogin::leerPuerto()
{
    QFETCH(QString, texto);
    QFETCH(int, puerto);

    const std::optional<unsigned int> leido = TformInicioSesion::leerPuerto(texto);
    QCOMPARE(leido.has_value(), puerto != 0);
    if (leido)
        QCOMPARE(*leido, unsigned(puerto));
}

void TstLogin::textoLibreria_data()
{
    QTest::addColumn<QString>("protocolo");
    QTest::addColumn<QString>("texto");

    QTest::newRow("4.1") << u"mysql-4.1"_s << u"Librería: libmysql41.dll"_s;
    QTest::newRow("4.0") << u"mysql-4.0"_s << u"Librería: libmysql40.dll"_s;
    QTest::newRow("3.23") << u"mysql-3.23"_s << u"Librería: libmysql323.dll"_s;
    QTest::newRow("3.20") << u"mysql-3.20"_s << u"Librería: libmysql320.dll"_s;
    QTest::newRow("oracle") << u"oracle-9i"_s << u"Protocolo desconocido"_s;
    QTest::newRow("sin guion") << u"mysql4.1"_s << u"Protocolo desconocido"_s;
    QTest::newRow("mayúsculas") << u"MYSQL-4.1"_s << u"Protocolo desconocido"_s;
    QTest::newRow("vacío") << QString() << u"Protocolo desconocido"_s;
}

void TstLogin::textoLibreria()
{
    QFETCH(QString, protocolo);
    QFETCH(QString, texto);

    auto v = nuevaVentana(false);
    auto *cbIP = control<QComboBox>(*v, u"cbProtocoloIP"_s);
    auto *etiqueta = control<QLabel>(*v, u"lblProtocolo"_s);
    cbIP->setCurrentText(u"mysql-3.20"_s);
    cbIP->setEditText(protocolo);
    QCOMPARE(etiqueta->text(), texto);

    // The main protocol changing refreshes the label, which still tells the address server's.
    etiqueta->clear();
    control<QComboBox>(*v, u"cbProtocolo"_s)->setCurrentText(u"mysql-3.23"_s);
    QCOMPARE(etiqueta->text(), texto);
}

void TstLogin::obtenerIP_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("contrasena");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<bool>("error");

    QTest::newRow("tabla ip") << u"ip"_s << u"oficina"_s << u"Clave-1"_s << u"88.12.34.56"_s
                              << QString() << false;
    QTest::newRow("tabla con comilla invertida")
            << u"ip`x"_s << u"Oficina"_s << u"Clave-1"_s << u"10.0.0.9"_s << QString() << false;
    // Unquoted, this would read a row made up by whoever typed it.
    QTest::newRow("sentencia escrita como tabla")
            << u"(SELECT 'OFICINA' USUARIO, 'x' CONTRASENA, '6.6.6.6' IPACTUAL, 1 "
               u"FECHACAMBIO, 2 NOMBRECOMPLETO) t"_s
            << u"oficina"_s << u"x"_s << QString() << QString() << true;
    QTest::newRow("contraseña errónea")
            << u"ip"_s << u"oficina"_s << u"Clave-2"_s << QString()
            << u"El usuario oficina no existe o la contraseña es incorrecta."_s << false;
    QTest::newRow("tabla inexistente")
            << u"ipx"_s << u"oficina"_s << u"Clave-1"_s << QString() << QString() << true;
}

void TstLogin::obtenerIP()
{
    QFETCH(QString, tabla);
    QFETCH(QString, usuario);
    QFETCH(QString, contrasena);
    QFETCH(QString, ip);
    QFETCH(QString, aviso);
    QFETCH(bool, error);

    auto v = nuevaVentana();
    rellenarServidorIP(*v, tabla);
    campo(*v, u"txtUsuarioIP"_s)->setText(usuario);
    campo(*v, u"txtContrasenaIP"_s)->setText(contrasena);
    control<QPushButton>(*v, u"BObtenerIP"_s)->click();

    QCOMPARE(mensajes_->textos(Tipo::Aviso), aviso.isEmpty() ? QStringList() : QStringList {aviso});
    QCOMPARE(mensajes_->textos(Tipo::Error).size(), qsizetype(error ? 1 : 0));
    QCOMPARE(campo(*v, u"txtIP"_s)->text(), ip);
    QCOMPARE(control<QGroupBox>(*v, u"gbIPObtenida"_s)->isVisible(), !ip.isEmpty());
    if (!ip.isEmpty()) {
        QVERIFY(!campo(*v, u"txtCambio"_s)->text().isEmpty());
        QVERIFY(!campo(*v, u"txtOtroDato"_s)->text().isEmpty());
    }
    if (!aviso.isEmpty())
        QCOMPARE(v->focusWidget(), static_cast<QWidget *>(campo(*v, u"txtUsuarioIP"_s)));
    QVERIFY(!md().bdIP.conectada());
    QCOMPARE(md().tc.conexion(), &md().bd);
    QVERIFY(!md().tc.activa());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(v->isVisible());
}

void TstLogin::obtenerIPFaltanDatos_data()
{
    QTest::addColumn<QString>("vacio");

    QTest::newRow("servidor") << u"txtServidorIP"_s;
    QTest::newRow("puerto") << u"txtPuertoIP"_s;
    QTest::newRow("protocolo") << u"cbProtocoloIP"_s;
    QTest::newRow("base de datos") << u"txtBDIP"_s;
    QTest::newRow("usuario") << u"txtUsuarioBDIP"_s;
    QTest::newRow("contraseña") << u"txtContrasenaBDIP"_s;
}

void TstLogin::obtenerIPFaltanDatos()
{
    QFETCH(QString, vacio);

    auto v = nuevaVentana();
    rellenarServidorIP(*v, u"ip"_s);
    campo(*v, u"txtUsuarioIP"_s)->setText(u"oficina"_s);
    campo(*v, u"txtContrasenaIP"_s)->setText(u"Clave-1"_s);
    if (auto *cb = v->findChild<QComboBox *>(vacio))
        cb->setEditText(QString());
    else
        campo(*v, vacio)->clear();
    v->BObtenerIPClick();

    QCOMPARE(mensajes_->registros(),
             (QList<MensajesGrabados::Registro> {{Tipo::Aviso, avisoFaltanDatosIP}}));
    QCOMPARE(campo(*v, u"txtIP"_s)->text(), QString());
    QVERIFY(!md().bdIP.conectada());
}

void TstLogin::obtenerIPAutomatica_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("contrasena");
    QTest::addColumn<QString>("servidor");
    QTest::addColumn<QString>("puertoIP");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("servidorFinal");
    QTest::addColumn<bool>("inicia");

    // SEDE's current address is the test server itself.
    QTest::newRow("la IP obtenida pasa al servidor")
            << u"sede"_s << u"Clave-2"_s << u"servidor.invalid"_s << QString() << QString() << false
            << u"127.0.0.1"_s << true;
    QTest::newRow("entrada errónea: sigue con el servidor escrito")
            << u"sede"_s << u"otra"_s << u"127.0.0.1"_s << QString()
            << u"El usuario sede no existe o la contraseña es incorrecta."_s << false
            << u"127.0.0.1"_s << true;
    QTest::newRow("faltan datos: sigue con el servidor escrito")
            << u"sede"_s << u"Clave-2"_s << u"127.0.0.1"_s << u""_s << avisoFaltanDatosIP << false
            << u"127.0.0.1"_s << true;
    QTest::newRow("servidor de direcciones inalcanzable")
            << u"sede"_s << u"Clave-2"_s << u"127.0.0.1"_s << u"1"_s << QString() << true
            << u"127.0.0.1"_s << false;
    QTest::newRow("puerto del servidor de direcciones no numérico")
            << u"sede"_s << u"Clave-2"_s << u"127.0.0.1"_s << u"x"_s << QString() << true
            << u"127.0.0.1"_s << false;
}

void TstLogin::obtenerIPAutomatica()
{
    QFETCH(QString, usuario);
    QFETCH(QString, contrasena);
    QFETCH(QString, servidor);
    QFETCH(QString, puertoIP);
    QFETCH(QString, aviso);
    QFETCH(bool, error);
    QFETCH(QString, servidorFinal);
    QFETCH(bool, inicia);

    QVERIFY(escribirIniCadena(u"Servidor IP pública", u"Última IP obtenida", u"1.2.3.4"_s));
    QVERIFY(escribirIniBool(u"Servidor IP pública", u"Obtener Automática", true));
    auto v = nuevaVentana();
    QVERIFY(control<QCheckBox>(*v, u"chkObtenerIPAuto"_s)->isChecked());
    QCOMPARE(campo(*v, u"txtIP"_s)->text(), u"1.2.3.4"_s);
    rellenarAcceso(*v, u"Ana"_s, u"secreta"_s);
    campo(*v, u"txtServidor"_s)->setText(servidor);
    rellenarServidorIP(*v, u"ip"_s);
    if (!puertoIP.isNull())
        campo(*v, u"txtPuertoIP"_s)->setText(puertoIP);
    campo(*v, u"txtUsuarioIP"_s)->setText(usuario);
    campo(*v, u"txtContrasenaIP"_s)->setText(contrasena);
    v->BIniciarClick();

    QCOMPARE(mensajes_->textos(Tipo::Aviso), aviso.isEmpty() ? QStringList() : QStringList {aviso});
    QCOMPARE(mensajes_->textos(Tipo::Error).size(), qsizetype(error ? 1 : 0));
    if (error && puertoIP == u"x")
        QCOMPARE(mensajes_->textos(Tipo::Error).constFirst(),
                 u"El puerto [x] no es un número válido."_s);
    QCOMPARE(campo(*v, u"txtServidor"_s)->text(), servidorFinal);
    QCOMPARE(datosSesion().nickUsuario, inicia ? u"Ana"_s : QString());
    QCOMPARE(filasSesion(), qint64(inicia ? 1 : 0));
    QCOMPARE(md().tc.conexion(), &md().bd);
    QVERIFY(!md().bdIP.conectada());
    if (inicia) {
        // The address obtained (or its absence) is what the settings keep.
        QCOMPARE(leerIniCadena(u"Servidor IP pública", u"Última IP obtenida"),
                 aviso.isEmpty() ? u"127.0.0.1"_s : QString());
        QCOMPARE(leerIniCadena(u"Base de datos", u"Tipo BD MySQL - Servidor"), servidorFinal);
    } else {
        QVERIFY(v->isVisible());
        // An address server that fails stops the attempt before anything is written.
        QCOMPARE(leerIniCadena(u"Base de datos", u"Tipo BD MySQL - Servidor"), QString());
    }
}

void TstLogin::probar()
{
    auto v = nuevaVentana();
    rellenarServidorIP(*v, u"ip`x"_s);
    control<QPushButton>(*v, u"BProbar"_s)->click();

    QCOMPARE(mensajes_->registros(),
             (QList<MensajesGrabados::Registro> {
                     {Tipo::Informacion, u"Conexión realizada correctamente."_s},
                     {Tipo::Mensaje, u"2"_s}}));
    auto *cb = control<QComboBox>(*v, u"cbTabla"_s);
    QStringList tablas;
    for (int i = 0; i < cb->count(); ++i)
        tablas << cb->itemText(i);
    QCOMPARE(tablas, (QStringList {u"ip"_s, u"ip`x"_s}));
    QCOMPARE(cb->currentText(), u"ip`x"_s);
    QVERIFY(!md().bdIP.conectada());
    QCOMPARE(md().tc.conexion(), &md().bd);

    // A server that does not answer: the error, and the choices stay as they were.
    mensajes_->limpiar();
    campo(*v, u"txtPuertoIP"_s)->setText(u"1"_s);
    v->BProbarClick();
    QCOMPARE(mensajes_->textos(Tipo::Error).size(), qsizetype(1));
    QCOMPARE(mensajes_->registros().size(), qsizetype(1));
    QCOMPARE(qsizetype(cb->count()), tablas.size());
    QVERIFY(!QApplication::overrideCursor());
}

void TstLogin::bannerAbreLaWeb()
{
    auto v = nuevaVentana();
    auto *banner = control<QLabel>(*v, u"imgBanner"_s);
    QVERIFY(banner->isVisible());
    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(webAbierta_, QUrl(u"https://www.trevanox.es"_s));
    QVERIFY(v->isVisible());
}

void TstLogin::cerrarDevuelveLaConsulta_data()
{
    QTest::addColumn<int>("manera");

    QTest::newRow("Cancelar") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("cierre de la ventana") << 2;
}

void TstLogin::cerrarDevuelveLaConsulta()
{
    QFETCH(int, manera);

    auto v = nuevaVentana();
    md().tc.establecerConexion(&md().bdIP);
    switch (manera) {
    case 0:
        control<QPushButton>(*v, u"BCancelar"_s)->click();
        break;
    case 1:
        QTest::keyClick(v.get(), Qt::Key_Escape);
        break;
    default:
        v->close();
        break;
    }
    QVERIFY(!v->isVisible());
    QCOMPARE(v->result(), int(QDialog::Rejected));
    QCOMPARE(md().tc.conexion(), &md().bd);
    QVERIFY(datosSesion().nickUsuario.isEmpty());
    QCOMPARE(filasSesion(), qint64(0));
}

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
