#include "BaseDatosPrueba.h"
#include "DatosSesion.h"
#include "EstadoNavegacion.h"
#include "MensajesGrabados.h"
#include "Registro.h"
#include "TablaResultado.h"
#include "UnidadGAccion.h"
#include "UnidadGContador.h"
#include "UnidadGMarca.h"
#include "UnidadGNota.h"
#include "UnidadGSerie.h"
#include "UnidadGTecnico.h"
#include "UnidadGUsuario.h"
#include "UnidadModuloDatos.h"
#include "UnidadProcedimientos.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TstVistaEdicion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void nuevoCanceladoNoDejaFila();
    void modificarCanceladoNoTocaAuditoria();
    void guardarEscribeMomentoDeApertura();
    void zoomSoloLectura();
    void registroBorrado_data();
    void registroBorrado();
    void campoRequerido_data();
    void campoRequerido();
    void duplicadoMantieneVista();
    void numeroNoValido();
    void punto_data();
    void punto();
    void intro_data();
    void intro();
    void flechaEnLista();
    void colorFoco();
    void vistaAbiertaPorClase();
    void serieEnMayusculas();
    void contrasena_data();
    void contrasena();
    void contadorOfreceSeries();

private:
    qint64 marca(const QString &nombre);
    qint64 contar(const QString &tabla);
    static void abrir(const char *modo, qint64 codigo = 0);
    static void mostrar(QDialog &vista);

    BaseDatosPrueba bd_;
    std::unique_ptr<MensajesGrabados> mensajes_;
};

void TstVistaEdicion::initTestCase()
{
    QUENVALIA_CREAR_BD(bd_);
    VERIFICAR_BD(md().bd.conectar(bd_.parametros()), md().bd);
}

void TstVistaEdicion::init()
{
    QVERIFY(bd_.vaciar());
    mensajes_ = std::make_unique<MensajesGrabados>();
    datosSesion().codigoUsuario = 7;
    navegacion() = EstadoNavegacion();
}

void TstVistaEdicion::cleanup()
{
    mensajes_.reset();
}

qint64 TstVistaEdicion::marca(const QString &nombre)
{
    auto r = md().tMarca.crearRegistro();
    r->append();
    r->asignar(u"nombre", nombre);
    r->asignar(u"codusuariom", 3);
    r->asignar(u"fecham", QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    if (!r->post())
        return 0;
    return r->codigo();
}

qint64 TstVistaEdicion::contar(const QString &tabla)
{
    TablaResultado t;
    if (!md().bd.consultar(QStringLiteral("SELECT COUNT(*) n FROM ") + tabla, t))
        return -1;
    return t.entero(0, u"n");
}

void TstVistaEdicion::abrir(const char *modo, qint64 codigo)
{
    navegacion().modoEdicion = QString::fromLatin1(modo);
    navegacion().codigoRegistro = codigo;
}

void TstVistaEdicion::mostrar(QDialog &vista)
{
    vista.show();
    QApplication::setActiveWindow(&vista);
    QVERIFY(QTest::qWaitForWindowActive(&vista));
}

void TstVistaEdicion::nuevoCanceladoNoDejaFila()
{
    const qint64 antes = contar(u"marca"_s);
    abrir("nuevo");
    TformGMarca vista;
    QCOMPARE(vista.windowTitle(), u"Añadir Marca..."_s);
    QVERIFY(!vista.campoCodigo()->isVisibleTo(&vista));
    QCOMPARE(vista.registro().entero(u"codusuarioa"), 7);
    QCOMPARE(vista.registro().valor(u"fechaa").toDateTime(), vista.momentoApertura());
    vista.findChild<QLineEdit *>(u"nombre"_s)->setText(u"Sin guardar"_s);
    vista.BCancelarClick();
    QCOMPARE(contar(u"marca"_s), antes);
    QVERIFY(mensajes_->registros().isEmpty());
}

void TstVistaEdicion::modificarCanceladoNoTocaAuditoria()
{
    const qint64 codigo = marca(u"Acme"_s);
    QVERIFY(codigo > 0);
    abrir("modificar", codigo);
    {
        TformGMarca vista;
        QCOMPARE(vista.windowTitle(), u"Modificación de Marca..."_s);
        QVERIFY(vista.campoCodigo()->isVisibleTo(&vista));
        QVERIFY(!vista.campoCodigo()->isEnabled());
        QCOMPARE(vista.campoCodigo()->text(), QString::number(codigo));
        vista.findChild<QLineEdit *>(u"nombre"_s)->setText(u"Otra"_s);
        QTest::keyClick(&vista, Qt::Key_Escape);
        QCOMPARE(vista.result(), int(QDialog::Rejected));
    }
    auto r = md().tMarca.crearRegistro();
    QVERIFY(r->locate(codigo));
    QCOMPARE(r->texto(u"nombre"), u"Acme"_s);
    QCOMPARE(r->entero(u"codusuariom"), 3);
    QCOMPARE(r->valor(u"fecham").toDateTime(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
}

void TstVistaEdicion::guardarEscribeMomentoDeApertura()
{
    const qint64 codigo = marca(u"Acme"_s);
    abrir("modificar", codigo);
    TformGMarca vista;
    const QDateTime apertura = QDateTime::currentDateTime();
    // Storing a while after opening must still stamp the opening time.
    QTest::qWait(1200);
    vista.findChild<QLineEdit *>(u"nombre"_s)->setText(u"Acme Ibérica"_s);
    QVERIFY(vista.BAceptarClick());
    auto r = md().tMarca.crearRegistro();
    QVERIFY(r->locate(codigo));
    QCOMPARE(r->texto(u"nombre"), u"Acme Ibérica"_s);
    QCOMPARE(r->entero(u"codusuariom"), 7);
    QVERIFY(qAbs(r->valor(u"fecham").toDateTime().secsTo(apertura)) <= 1);
}

void TstVistaEdicion::zoomSoloLectura()
{
    const qint64 codigo = marca(u"Acme"_s);
    abrir("zoom", codigo);
    TformGMarca vista;
    mostrar(vista);
    QCOMPARE(vista.windowTitle(), u"Visualización de Marca..."_s);
    QVERIFY(!vista.botonAceptar()->isVisible());
    QCOMPARE(QApplication::focusWidget(), vista.botonCancelar());
    auto *nombre = vista.findChild<QLineEdit *>(u"nombre"_s);
    QVERIFY(nombre->isReadOnly());
    nombre->setText(u"Cambiada"_s);
    QVERIFY(!vista.BAceptarClick());
    vista.close();
    auto r = md().tMarca.crearRegistro();
    QVERIFY(r->locate(codigo));
    QCOMPARE(r->texto(u"nombre"), u"Acme"_s);
    QCOMPARE(r->entero(u"codusuariom"), 3);
}

void TstVistaEdicion::registroBorrado_data()
{
    QTest::addColumn<QString>("modo");
    QTest::newRow("modificar") << u"modificar"_s;
    QTest::newRow("zoom") << u"zoom"_s;
}

void TstVistaEdicion::registroBorrado()
{
    QFETCH(QString, modo);
    const qint64 otra = marca(u"Queda"_s);
    const qint64 codigo = marca(u"Borrada"_s);
    const qint64 antes = contar(u"marca"_s) - 1;
    VERIFICAR_BD(md().bd.ejecutar(u"DELETE FROM marca WHERE codigo = " + QString::number(codigo)),
                 md().bd);
    abrir(modo.toLatin1().constData(), codigo);
    TformGMarca vista;
    QVERIFY(!vista.registroValido());
    QCOMPARE(mensajes_->textos(Mensajes::Tipo::Aviso),
             QStringList {u"El registro seleccionado ya no existe."_s});
    QCOMPARE(vista.exec(), int(QDialog::Rejected));
    vista.findChild<QLineEdit *>(u"nombre"_s)->setText(u"Nada"_s);
    QVERIFY(!vista.BAceptarClick());
    QCOMPARE(contar(u"marca"_s), antes);
    auto r = md().tMarca.crearRegistro();
    QVERIFY(r->locate(otra));
    QCOMPARE(r->texto(u"nombre"), u"Queda"_s);
}

void TstVistaEdicion::campoRequerido_data()
{
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("foco");
    QTest::newRow("nada: el primero en orden")
            << QString() << QString() << u"El campo Nick debe tener un valor."_s << u"nick"_s;
    QTest::newRow("sin nombre") << u"ana"_s << QString()
                                << u"El campo Nombre debe tener un valor."_s << u"nombre"_s;
}

void TstVistaEdicion::campoRequerido()
{
    QFETCH(QString, nick);
    QFETCH(QString, nombre);
    QFETCH(QString, mensaje);
    QFETCH(QString, foco);
    abrir("nuevo");
    TformGUsuario vista;
    mostrar(vista);
    vista.findChild<QLineEdit *>(u"nick"_s)->setText(nick);
    vista.findChild<QLineEdit *>(u"nombre"_s)->setText(nombre);
    QVERIFY(!vista.BAceptarClick());
    QCOMPARE(mensajes_->textos(Mensajes::Tipo::Aviso), QStringList {mensaje});
    QCOMPARE(QApplication::focusWidget()->objectName(), foco);
    QVERIFY(vista.isVisible());
}

void TstVistaEdicion::duplicadoMantieneVista()
{
    marca(u"Acme"_s);
    const qint64 antes = contar(u"marca"_s);
    abrir("nuevo");
    TformGMarca vista;
    mostrar(vista);
    auto *nombre = vista.findChild<QLineEdit *>(u"nombre"_s);
    auto *observacion = vista.findChild<QLineEdit *>(u"observacion"_s);
    nombre->setText(u"Acme"_s);
    observacion->setText(u"escrita"_s);
    observacion->setFocus();
    QVERIFY(!vista.BAceptarClick());
    QCOMPARE(mensajes_->textos(Mensajes::Tipo::Aviso),
             QStringList {u"Ya existe una marca con este nombre."_s});
    QVERIFY(vista.isVisible());
    QCOMPARE(QApplication::focusWidget(), nombre);
    QCOMPARE(nombre->text(), u"Acme"_s);
    QCOMPARE(observacion->text(), u"escrita"_s);
    // Corrected, the same view stores the row.
    nombre->setText(u"Acme 2"_s);
    QVERIFY(vista.BAceptarClick());
    QCOMPARE(contar(u"marca"_s), antes + 1);
}

void TstVistaEdicion::numeroNoValido()
{
    const qint64 antes = contar(u"tecnico"_s);
    abrir("nuevo");
    TformGTecnico vista;
    mostrar(vista);
    vista.findChild<QLineEdit *>(u"nombre"_s)->setText(u"Luis"_s);
    auto *precio = vista.findChild<QLineEdit *>(u"preciohora"_s);
    precio->setText(u"12a"_s);
    QVERIFY(!vista.BAceptarClick());
    const QStringList avisos = mensajes_->textos(Mensajes::Tipo::Aviso);
    QCOMPARE(avisos.size(), 1);
    QVERIFY2(avisos.first().contains(u"Precio hora"_s), qPrintable(avisos.first()));
    QCOMPARE(QApplication::focusWidget(), precio);
    QCOMPARE(contar(u"tecnico"_s), antes);
    precio->setText(u"1.234,5"_s);
    QVERIFY(vista.BAceptarClick());
    auto r = md().tTecnico.crearRegistro();
    QVERIFY(r->locate(vista.registro().codigo()));
    QCOMPARE(r->real(u"preciohora"), 1234.5);
    QCOMPARE(r->valor(u"fechaalta").toDateTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
}

void TstVistaEdicion::punto_data()
{
    QTest::addColumn<QString>("vista");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("importe del técnico") << u"tecnico"_s << u"preciohora"_s << u"12,5"_s;
    QTest::newRow("texto del técnico") << u"tecnico"_s << u"telefono"_s << u"12.5"_s;
    QTest::newRow("importe de la acción, sin cambio") << u"accion"_s << u"precio"_s << u"12.5"_s;
}

void TstVistaEdicion::punto()
{
    QFETCH(QString, vista);
    QFETCH(QString, campo);
    QFETCH(QString, esperado);
    abrir("nuevo");
    std::unique_ptr<QDialog> v;
    if (vista == u"tecnico"_s)
        v = std::make_unique<TformGTecnico>();
    else
        v = std::make_unique<TformGAccion>();
    mostrar(*v);
    auto *e = v->findChild<QLineEdit *>(campo);
    e->setFocus();
    QTest::keyClicks(e, u"12.5"_s);
    QCOMPARE(e->text(), esperado);
}

void TstVistaEdicion::intro_data()
{
    QTest::addColumn<QString>("desde");
    QTest::addColumn<QString>("hasta");
    QTest::newRow("línea") << u"asunto"_s << u"nombre"_s;
    QTest::newRow("multilínea") << u"nombre"_s << u"bAceptar"_s;
}

void TstVistaEdicion::intro()
{
    QFETCH(QString, desde);
    QFETCH(QString, hasta);
    abrir("nuevo");
    TformGNota vista;
    mostrar(vista);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"fechaalta"_s);
    QWidget *campo = vista.findChild<QWidget *>(desde);
    campo->setFocus();
    QTest::keyClick(campo, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), hasta);
    QCOMPARE(vista.findChild<QPlainTextEdit *>(u"nombre"_s)->toPlainText(), QString());
    QVERIFY(vista.isVisible());
}

void TstVistaEdicion::flechaEnLista()
{
    abrir("nuevo");
    TformGSerie vista;
    mostrar(vista);
    auto *tabla = vista.findChild<QComboBox *>(u"tabla"_s);
    auto *serie = vista.findChild<QLineEdit *>(u"nombre"_s);
    tabla->setFocus();
    tabla->setCurrentIndex(0);
    QTest::keyClick(tabla, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), tabla);
    QCOMPARE(tabla->currentIndex(), 1);
    // In a line field the arrows move between fields.
    serie->setFocus();
    QTest::keyClick(serie, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), tabla);
    QTest::keyClick(tabla, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), tabla);
}

void TstVistaEdicion::colorFoco()
{
    abrir("nuevo");
    TformGMarca vista;
    mostrar(vista);
    auto *nombre = vista.findChild<QLineEdit *>(u"nombre"_s);
    auto *observacion = vista.findChild<QLineEdit *>(u"observacion"_s);
    const QColor normal = observacion->palette().color(QPalette::Base);
    QCOMPARE(QApplication::focusWidget(), nombre);
    QCOMPARE(nombre->palette().color(QPalette::Base), QColor(192, 220, 192));
    observacion->setFocus();
    QCOMPARE(observacion->palette().color(QPalette::Base), QColor(192, 220, 192));
    QCOMPARE(nombre->palette().color(QPalette::Base), normal);
}

void TstVistaEdicion::vistaAbiertaPorClase()
{
    abrir("nuevo");
    QVERIFY(!TformGBase::hayVistaAbierta(TformGMarca::staticMetaObject));
    {
        TformGMarca marca;
        QVERIFY(TformGBase::hayVistaAbierta(TformGMarca::staticMetaObject));
        QVERIFY(!TformGBase::hayVistaAbierta(TformGMarca::staticMetaObject, &marca));
        QVERIFY(!TformGBase::hayVistaAbierta(TformGSerie::staticMetaObject));
    }
    QVERIFY(!TformGBase::hayVistaAbierta(TformGMarca::staticMetaObject));
}

void TstVistaEdicion::serieEnMayusculas()
{
    abrir("nuevo");
    TformGSerie vista;
    mostrar(vista);
    auto *serie = vista.findChild<QLineEdit *>(u"nombre"_s);
    QCOMPARE(QApplication::focusWidget(), serie);
    QTest::keyClicks(serie, u"ab"_s);
    QCOMPARE(serie->text(), u"AB"_s);
    auto *tabla = vista.findChild<QComboBox *>(u"tabla"_s);
    QCOMPARE(tabla->count(), 4);
    QCOMPARE(tabla->currentIndex(), -1);
    QVERIFY(!vista.BAceptarClick());
    QCOMPARE(mensajes_->textos(Mensajes::Tipo::Aviso),
             QStringList {u"El campo Tabla debe tener un valor."_s});
    tabla->setCurrentText(u"factura"_s);
    QVERIFY(vista.BAceptarClick());
    auto r = md().tSerie.crearRegistro();
    QVERIFY(r->locate(vista.registro().codigo()));
    QCOMPARE(r->texto(u"nombre"), u"AB"_s);
    QCOMPARE(r->texto(u"tabla"), u"factura"_s);
}

void TstVistaEdicion::contrasena_data()
{
    QTest::addColumn<QString>("tecleada"); // "-": the field left as it was
    QTest::addColumn<QString>("guardada");
    const QString anterior = calcularMD5(u"vieja").toLower();
    QTest::newRow("sin tocar") << u"-"_s << anterior;
    QTest::newRow("nueva") << u"Secreta"_s << calcularMD5(u"Secreta").toLower();
    QTest::newRow("borrada: resumen del texto vacío") << QString() << calcularMD5(u"").toLower();
}

void TstVistaEdicion::contrasena()
{
    QFETCH(QString, tecleada);
    QFETCH(QString, guardada);
    auto r = md().tUsuario.crearRegistro();
    r->append();
    r->asignar(u"nick", u"ana"_s);
    r->asignar(u"nombre", u"Ana"_s);
    r->asignar(u"contrasena", calcularMD5(u"vieja").toLower());
    QVERIFY(r->post());
    abrir("modificar", r->codigo());
    TformGUsuario vista;
    vista.findChild<QLineEdit *>(u"nombre"_s)->setText(u"Ana María"_s);
    if (tecleada != u"-"_s)
        vista.findChild<QLineEdit *>(u"contrasena"_s)->setText(tecleada);
    QVERIFY(vista.BAceptarClick());
    QVERIFY(r->locate(r->codigo()));
    QCOMPARE(r->texto(u"contrasena"), guardada);
    QCOMPARE(r->texto(u"nombre"), u"Ana María"_s);
}

void TstVistaEdicion::contadorOfreceSeries()
{
    for (const auto &[nombre, tabla] :
         {std::pair {u"A"_s, u"factura"_s}, std::pair {u"B"_s, u"partetrabajo"_s}}) {
        auto s = md().tSerie.crearRegistro();
        s->append();
        s->asignar(u"nombre", nombre);
        s->asignar(u"tabla", tabla);
        QVERIFY(s->post());
    }
    abrir("nuevo");
    TformContadorG vista;
    auto *serie = vista.findChild<QComboBox *>(u"serie"_s);
    QStringList ofrecidas;
    for (int i = 0; i < serie->count(); ++i)
        ofrecidas << serie->itemText(i);
    ofrecidas.sort();
    QCOMPARE(ofrecidas, (QStringList {u"A"_s, u"B"_s}));
    QVERIFY(!vista.BAceptarClick());
    QCOMPARE(mensajes_->textos(Mensajes::Tipo::Aviso),
             QStringList {u"El campo Tabla debe tener un valor"_s});
    vista.findChild<QComboBox *>(u"tabla"_s)->setCurrentText(u"factura"_s);
    serie->setCurrentText(u"B"_s);
    vista.findChild<QLineEdit *>(u"contador"_s)->setText(u"99"_s);
    QVERIFY(vista.BAceptarClick());
    auto c = md().tContador.crearRegistro();
    QVERIFY(c->locate(vista.registro().codigo()));
    QCOMPARE(c->entero(u"contador"), 99);
    QCOMPARE(c->texto(u"serie"), u"B"_s);
    QVERIFY(c->esNulo(u"codusuarioa"));
}

QTEST_MAIN(TstVistaEdicion)
#include "tst_vistaedicion.moc"
