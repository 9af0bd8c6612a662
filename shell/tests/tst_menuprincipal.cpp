#include "BaseDatosPrueba.h"
#include "Configuracion.h"
#include "DatosSesion.h"
#include "EstadoNavegacion.h"
#include "MensajesGrabados.h"
#include "UnidadMenuPrincipal.h"
#include "UnidadModuloDatos.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

using Tipo = Mensajes::Tipo;

namespace {

// A list window as the list units will provide them: just a titled widget.
class VentanaListaPrueba : public QWidget
{
public:
    VentanaListaPrueba(const QString &titulo, QWidget *padre)
        : QWidget(padre)
    {
        setWindowTitle(titulo);
    }
};

// A modal window whose exec() returns at once, after running what the test gives it.
class DialogoPrueba : public QDialog
{
public:
    DialogoPrueba(QWidget *padre, std::function<void()> alEjecutar)
        : QDialog(padre)
        , alEjecutar_(std::move(alEjecutar))
    { }

    int exec() override
    {
        if (alEjecutar_)
            alEjecutar_();
        return QDialog::Accepted;
    }

private:
    std::function<void()> alEjecutar_;
};

// Counts the show events a widget receives.
class ContadorMostrar : public QObject
{
public:
    int veces = 0;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Show)
            ++veces;
        return QObject::eventFilter(objeto, evento);
    }
};

// How a menu or tool bar reads: action names, "-" for separators, ">" and the name of a
// submenu, or the caption of an item without a name.
QStringList describir(const QList<QAction *> &acciones, const QString &separador)
{
    QStringList salida;
    for (QAction *a : acciones) {
        if (a->isSeparator())
            salida << separador;
        else if (a->menu())
            salida << u'>' + a->menu()->objectName();
        else if (a->objectName().isEmpty())
            salida << a->text();
        else
            salida << a->objectName();
    }
    return salida;
}

const QString textoPreguntaSalir = u"¿Está seguro que desea cerrar la aplicación?"_s;
const QString textoPreguntaActualizar
        = u"Para realizar la actualización es necesario cerrar la aplicacion. La actualziación "
          "se realizará mediante conexión a Internet. Recuerde que es conveniente realizar una "
          "copia de seguridad antes de actualizar."_s;

} // namespace

// The main window over a real server: start-up gate, closing and the session log, the list
// window mechanism, quick actions, status panels, captions from the settings and the updater.
class TstMenuPrincipal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void arranque_data();
    void arranque();
    void cerrarEscribeCierreSinPreguntar();
    void salirPregunta_data();
    void salirPregunta();
    void cierreIgnoraErrores_data();
    void cierreIgnoraErrores();

    void listaSeAbreUnaSolaVez();
    void listaQueNoSeCrea();
    void disponibles_data();
    void disponibles();
    void registroRechazaNombresAjenos_data();
    void registroRechazaNombresAjenos();
    void permisosDeAdministracion_data();
    void permisosDeAdministracion();
    void insercionRapida_data();
    void insercionRapida();
    void busquedaRapida_data();
    void busquedaRapida();
    void configuracionRecargaAjustes();

    void menus_data();
    void menus();
    void barraHerramientas();
    void titulosPartes_data();
    void titulosPartes();
    void titulosSeRecarganAlMostrar();
    void panelesEstado_data();
    void panelesEstado();
    void anchoPanelSugerencia_data();
    void anchoPanelSugerencia();
    void sugerenciaBajoElRaton();
    void menuVentanaListaLasAbiertas();
    void mosaico_data();
    void mosaico();
    void minimizarMostrarYCerrarTodas();

    void actualizarPrograma_data();
    void actualizarPrograma();

private:
    // The sesion rows as "codigousuario estado", oldest first.
    QStringList filasSesion();
    void escribirAjuste(const QString &seccion, const QString &clave, const QString &valor);
    void registrarLista(const QString &nombre, const QString &titulo);
    void mostrar();

    BaseDatosPrueba bd_;
    QTemporaryDir carpeta_;
    QString rutaIni_;
    std::unique_ptr<MensajesGrabados> mensajes_;
    std::unique_ptr<TformMenuPrincipal> ventana_;
    QHash<QString, int> creadas_; // list windows created, by component name
};

void TstMenuPrincipal::initTestCase()
{
    QVERIFY(carpeta_.isValid());
    rutaIni_ = carpeta_.filePath(u"quenvalia.INI"_s);
    qputenv("QUENVALIA_INI", QFile::encodeName(rutaIni_));
    QUENVALIA_CREAR_BD(bd_);
}

void TstMenuPrincipal::init()
{
    // The main window writes only the session log.
    VERIFICAR_BD(bd_.conexion().ejecutar(u"DELETE FROM sesion"_s), bd_.conexion());
    if (!md().bd.conectada())
        VERIFICAR_BD(md().bd.conectar(bd_.parametros()), md().bd);
    QFile::remove(rutaIni_);

    DatosSesion &s = datosSesion();
    s.versionPrograma = QString::fromUtf8(versionPrograma);
    s.nickUsuario = u"Ana"_s;
    s.codigoUsuario = 7;
    s.nombreUsuario = u"Ana Pérez"_s;
    s.esAdministrador = false;
    s.puedeModificar = true;
    s.usuarioBD = u"gestion"_s;
    navegacion() = EstadoNavegacion {};

    creadas_.clear();
    mensajes_ = std::make_unique<MensajesGrabados>();
    ventana_ = std::make_unique<TformMenuPrincipal>([](QWidget *) {});
}

void TstMenuPrincipal::cleanup()
{
    ventana_.reset();
    mensajes_.reset();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

QStringList TstMenuPrincipal::filasSesion()
{
    TablaResultado t;
    if (!bd_.conexion().consultar(u"SELECT codigousuario, estado FROM sesion ORDER BY codigo", t))
        return {u"error: "_s + bd_.conexion().ultimoError().texto};
    QStringList filas;
    for (qsizetype i = 0; i < t.filas(); ++i)
        filas << QString::number(t.entero(i, u"codigousuario")) + u' ' + t.texto(i, u"estado");
    return filas;
}

void TstMenuPrincipal::escribirAjuste(const QString &seccion, const QString &clave,
                                      const QString &valor)
{
    QVERIFY(escribirIniCadena(seccion, clave, valor));
}

void TstMenuPrincipal::registrarLista(const QString &nombre, const QString &titulo)
{
    QVERIFY(ventana_->registrarVentanaLista(nombre, [this, nombre, titulo](QWidget *padre) {
        ++creadas_[nombre];
        return new VentanaListaPrueba(titulo, padre);
    }));
}

void TstMenuPrincipal::mostrar()
{
    ventana_->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana_.get()));
}

void TstMenuPrincipal::arranque_data()
{
    QTest::addColumn<QString>("nick");
    QTest::addColumn<bool>("entra");

    QTest::newRow("usuario aceptado") << u"Ana"_s << true;
    QTest::newRow("inicio cancelado") << QString() << false;
}

void TstMenuPrincipal::arranque()
{
    QFETCH(QString, nick);
    QFETCH(bool, entra);

    datosSesion().nickUsuario.clear();
    QWidget *padreInicio = nullptr;
    bool visibleDuranteInicio = true;
    TformMenuPrincipal ventana([&](QWidget *padre) {
        padreInicio = padre;
        visibleDuranteInicio = padre->isVisible();
        // The login leaves the scratch query open on the connection it made.
        md().tc.establecerConexion(&md().bd);
        md().tc.establecerSql(u"SELECT 1"_s);
        QVERIFY(md().tc.abrir());
        datosSesion().nickUsuario = nick;
    });
    ContadorMostrar contador;
    ventana.installEventFilter(&contador);

    QCOMPARE(ventana.iniciar(), entra);
    QCOMPARE(padreInicio, &ventana);
    QVERIFY(!visibleDuranteInicio);
    QVERIFY(!md().tc.activa());
    QCOMPARE(ventana.isVisible(), entra);
    QCOMPARE(contador.veces, entra ? 1 : 0);
    if (entra) {
        QVERIFY(ventana.isMaximized());
        QCOMPARE(ventana.windowTitle(), u"Trevanox Quenvalia v. 2.6.9.499 (06-01-2011)"_s);
    }
    QVERIFY(mensajes_->registros().isEmpty());
    QVERIFY(filasSesion().isEmpty());
}

void TstMenuPrincipal::cerrarEscribeCierreSinPreguntar()
{
    registrarLista(u"formMaterial"_s, u"Material"_s);
    mostrar();
    QPointer<QMdiSubWindow> hija = ventana_->abrirVentanaLista(u"formMaterial"_s);
    QVERIFY(hija);

    const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
    QVERIFY(ventana_->close());
    const QDateTime despues = QDateTime::currentDateTime().addSecs(1);

    QVERIFY(mensajes_->registros().isEmpty());
    QVERIFY(!ventana_->isVisible());
    QTRY_VERIFY(hija.isNull());
    QVERIFY(!md().bd.conectada());
    QCOMPARE(filasSesion(), QStringList {u"7 Cierre"_s});

    TablaResultado t;
    VERIFICAR_BD(bd_.conexion().consultar(u"SELECT fecha, hora FROM sesion"_s, t), bd_.conexion());
    const QDateTime escrita(t.columna(0).fecha(0), t.columna(1).hora(0));
    QVERIFY2(escrita >= antes.addMSecs(-antes.time().msec()) && escrita <= despues,
             qPrintable(escrita.toString(Qt::ISODate)));

    // A second close does not log the end again.
    ventana_->close();
    QCOMPARE(filasSesion().size(), 1);
}

void TstMenuPrincipal::salirPregunta_data()
{
    QTest::addColumn<bool>("respuesta");
    QTest::addColumn<QStringList>("filas");

    QTest::newRow("no") << false << QStringList {};
    QTest::newRow("sí") << true << QStringList {u"7 Cierre"_s};
}

void TstMenuPrincipal::salirPregunta()
{
    QFETCH(bool, respuesta);
    QFETCH(QStringList, filas);

    mostrar();
    mensajes_->responder(respuesta);
    ventana_->accion(u"actSalir"_s)->trigger();

    QCOMPARE(mensajes_->textos(Tipo::PreguntaSiNo), QStringList {textoPreguntaSalir});
    QCOMPARE(ventana_->isVisible(), !respuesta);
    QCOMPARE(md().bd.conectada(), !respuesta);
    QCOMPARE(filasSesion(), filas);
}

void TstMenuPrincipal::cierreIgnoraErrores_data()
{
    QTest::addColumn<bool>("conectada");

    QTest::newRow("sin conexión") << false;
    QTest::newRow("servidor rechaza la fila") << true;
}

void TstMenuPrincipal::cierreIgnoraErrores()
{
    QFETCH(bool, conectada);

    md().bd.desconectar();
    if (conectada) {
        // Connected to the server with no database chosen: the insert is refused.
        ParametrosConexion sinBase = bd_.parametros();
        sinBase.baseDatos.clear();
        VERIFICAR_BD(md().bd.conectar(sinBase), md().bd);
    }
    mostrar();
    QVERIFY(ventana_->close());

    QVERIFY(!ventana_->isVisible());
    QVERIFY(!md().bd.conectada());
    QVERIFY(mensajes_->registros().isEmpty());
    QVERIFY(filasSesion().isEmpty());
}

void TstMenuPrincipal::listaSeAbreUnaSolaVez()
{
    registrarLista(u"formMaterial"_s, u"Material"_s);
    registrarLista(u"formMarca"_s, u"Marca"_s);
    mostrar();
    QMdiArea *area = ventana_->areaVentanas();
    QAction *articulos = ventana_->accion(u"actArticulo"_s);

    articulos->trigger();
    articulos->trigger();
    QCOMPARE(area->subWindowList().size(), 1);
    QCOMPARE(creadas_.value(u"formMaterial"_s), 1);
    QMdiSubWindow *material = area->subWindowList().constFirst();
    QCOMPARE(material->widget()->objectName(), u"formMaterial"_s);
    QVERIFY(material->isMaximized());
    QVERIFY(!QApplication::overrideCursor());

    // Another list in front, then the first one again: brought forward, not created anew.
    ventana_->accion(u"actMarca"_s)->trigger();
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(area->currentSubWindow()->widget()->objectName(), u"formMarca"_s);
    material->showNormal();
    articulos->trigger();
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(creadas_.value(u"formMaterial"_s), 1);
    QCOMPARE(area->currentSubWindow(), material);
    QVERIFY(material->isMaximized());
    QVERIFY(!QApplication::overrideCursor());

    // Once closed it is gone, and choosing it again opens a new one.
    QPointer<QMdiSubWindow> cerrada = material;
    material->close();
    QTRY_VERIFY(cerrada.isNull());
    articulos->trigger();
    QCOMPARE(creadas_.value(u"formMaterial"_s), 2);
    QCOMPARE(area->subWindowList().size(), 2);
}

void TstMenuPrincipal::listaQueNoSeCrea()
{
    QVERIFY(ventana_->registrarVentanaLista(u"formMaterial"_s, [](QWidget *) { return nullptr; }));
    mostrar();
    ventana_->accion(u"actArticulo"_s)->trigger();
    QVERIFY(ventana_->areaVentanas()->subWindowList().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(ventana_->updatesEnabled());
}

void TstMenuPrincipal::disponibles_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<QStringList>("listas");
    QTest::addColumn<QStringList>("dialogos");
    QTest::addColumn<bool>("seleccion");
    QTest::addColumn<bool>("habilitada");

    const QStringList nada;
    QTest::newRow("lista sin registrar") << u"actArticulo"_s << nada << nada << false << false;
    QTest::newRow("lista registrada")
            << u"actArticulo"_s << QStringList {u"formMaterial"_s} << nada << false << true;
    QTest::newRow("otra lista registrada")
            << u"actArticulo"_s << QStringList {u"formMarca"_s} << nada << false << false;
    QTest::newRow("ejecución SQL como lista")
            << u"actEjecutarSQL"_s << QStringList {u"formEjecucionConsultas"_s} << nada << false
            << true;
    QTest::newRow("ejercicios nunca")
            << u"actEjercicio"_s << QStringList {u"formEjercicio"_s} << nada << false << false;
    QTest::newRow("añadir consulta SQL nunca")
            << u"actNuevaConsutalSQL"_s << nada << QStringList {u"TformNuevaSQL"_s} << false
            << false;
    QTest::newRow("inserción sin vista")
            << u"actNuevaIncidencia"_s << nada << nada << true << false;
    QTest::newRow("inserción con vista") << u"actNuevaIncidencia"_s << nada
                                         << QStringList {u"TformGIncidencia"_s} << false << true;
    QTest::newRow("búsqueda sin selección")
            << u"actBuscarParte"_s << nada << QStringList {u"TformGParte"_s} << false << false;
    QTest::newRow("búsqueda sin vista") << u"actBuscarParte"_s << nada << nada << true << false;
    QTest::newRow("búsqueda completa")
            << u"actBuscarParte"_s << nada << QStringList {u"TformGParte"_s} << true << true;
    QTest::newRow("configuración sin diálogo")
            << u"actConfiguracion"_s << nada << nada << false << false;
    QTest::newRow("configuración con diálogo")
            << u"actConfiguracion"_s << nada << QStringList {u"TformConfiguracion"_s} << false
            << true;
    QTest::newRow("códigos de barras") << u"actGenerarCodigosBarras"_s << nada
                                       << QStringList {u"TformGenerarCodigos"_s} << false << true;
    QTest::newRow("usuarios sin lista") << u"actUsuarios"_s << nada << nada << false << false;
    QTest::newRow("usuarios con lista")
            << u"actUsuarios"_s << QStringList {u"formUsuario"_s} << nada << false << true;
    QTest::newRow("utilidades BD sin diálogo")
            << u"actUtilidadesBD"_s << nada << nada << false << false;
    QTest::newRow("salir") << u"actSalir"_s << nada << nada << false << true;
    QTest::newRow("acerca de") << u"actAcercaDe"_s << nada << nada << false << true;
    QTest::newRow("actualizar") << u"actActualizarPrograma"_s << nada << nada << false << true;
    QTest::newRow("cerrar todas") << u"actVentanaCerrarTodas"_s << nada << nada << false << true;
}

void TstMenuPrincipal::disponibles()
{
    QFETCH(QString, accion);
    QFETCH(QStringList, listas);
    QFETCH(QStringList, dialogos);
    QFETCH(bool, seleccion);
    QFETCH(bool, habilitada);

    for (const QString &l : listas)
        QVERIFY(ventana_->registrarVentanaLista(l, [](QWidget *p) { return new QWidget(p); }));
    for (const QString &d : dialogos)
        QVERIFY(ventana_->registrarDialogo(
                d, [](QWidget *p) { return std::make_unique<DialogoPrueba>(p, nullptr); }));
    if (seleccion)
        ventana_->registrarSeleccion([](int, QWidget *) {});

    QAction *a = ventana_->accion(accion);
    QVERIFY(a);
    QCOMPARE(a->isEnabled(), habilitada);
    QVERIFY(!ventana_->accionContenido()->isEnabled());
}

void TstMenuPrincipal::registroRechazaNombresAjenos_data()
{
    QTest::addColumn<bool>("esLista");
    QTest::addColumn<QString>("nombre");

    QTest::newRow("lista desconocida") << true << u"formInexistente"_s;
    QTest::newRow("clase como lista") << true << u"TformGParte"_s;
    QTest::newRow("nombre de acción como lista") << true << u"actArticulo"_s;
    QTest::newRow("lista como diálogo") << false << u"formMaterial"_s;
    QTest::newRow("diálogo desconocido") << false << u"TformInexistente"_s;
    QTest::newRow("vacío") << true << QString();
}

void TstMenuPrincipal::registroRechazaNombresAjenos()
{
    QFETCH(bool, esLista);
    QFETCH(QString, nombre);

    if (esLista)
        QVERIFY(!ventana_->registrarVentanaLista(nombre,
                                                 [](QWidget *p) { return new QWidget(p); }));
    else
        QVERIFY(!ventana_->registrarDialogo(
                nombre, [](QWidget *p) { return std::make_unique<DialogoPrueba>(p, nullptr); }));
    QVERIFY(!ventana_->accion(u"actArticulo"_s)->isEnabled());
}

void TstMenuPrincipal::permisosDeAdministracion_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<bool>("administrador");

    QTest::newRow("usuarios, administrador") << u"actUsuarios"_s << true;
    QTest::newRow("usuarios, sin permiso") << u"actUsuarios"_s << false;
    QTest::newRow("utilidades, administrador") << u"actUtilidadesBD"_s << true;
    QTest::newRow("utilidades, sin permiso") << u"actUtilidadesBD"_s << false;
}

void TstMenuPrincipal::permisosDeAdministracion()
{
    QFETCH(QString, accion);
    QFETCH(bool, administrador);

    registrarLista(u"formUsuario"_s, u"Usuario"_s);
    int utilidades = 0;
    QVERIFY(ventana_->registrarDialogo(u"TformUtilidadesBD"_s, [&utilidades](QWidget *p) {
        return std::make_unique<DialogoPrueba>(p, [&utilidades] { ++utilidades; });
    }));
    datosSesion().esAdministrador = administrador;
    mostrar();

    ventana_->accion(accion)->trigger();

    const int abiertas = int(ventana_->areaVentanas()->subWindowList().size()) + utilidades;
    QCOMPARE(abiertas, administrador ? 1 : 0);
    QCOMPARE(mensajes_->textos(Tipo::Aviso),
             administrador
                     ? QStringList {}
                     : QStringList {u"No tiene permisos para acceder a esta opción de menú."_s});
}

void TstMenuPrincipal::insercionRapida_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<QString>("vista");

    QTest::newRow("incidencia") << u"actNuevaIncidencia"_s << u"TformGIncidencia"_s;
    QTest::newRow("parte") << u"actInsertarParte"_s << u"TformGParte"_s;
    QTest::newRow("contacto") << u"actInsertarContacto"_s << u"TformGContacto"_s;
}

void TstMenuPrincipal::insercionRapida()
{
    QFETCH(QString, accion);
    QFETCH(QString, vista);

    QStringList abiertas;
    for (const QString &clase : {u"TformGIncidencia"_s, u"TformGParte"_s, u"TformGContacto"_s}) {
        QVERIFY(ventana_->registrarDialogo(clase, [&abiertas, clase](QWidget *p) {
            // The edit view reads its mode when it is created.
            abiertas << clase + u' ' + navegacion().modoEdicion;
            return std::make_unique<DialogoPrueba>(p, [&abiertas] { abiertas << u"exec"_s; });
        }));
    }
    mostrar();
    navegacion().modoEdicion = u"modificar"_s;

    ventana_->accion(accion)->trigger();

    QCOMPARE(abiertas, (QStringList {vista + u" nuevo"_s, u"exec"_s}));
    QVERIFY(ventana_->isVisible());
}

void TstMenuPrincipal::busquedaRapida_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("vista");
    QTest::addColumn<bool>("elige"); // the lookup writes codigoSeleccionado
    QTest::addColumn<qint64>("elegido");

    QTest::newRow("incidencia") << u"actBuscarIncidencia"_s << 190 << u"TformGIncidencia"_s << true
                                << qint64(42);
    QTest::newRow("parte") << u"actBuscarParte"_s << 160 << u"TformGParte"_s << true << qint64(42);
    QTest::newRow("contacto") << u"actBuscarContacto"_s << 200 << u"TformGContacto"_s << true
                              << qint64(42);
    QTest::newRow("nota") << u"actBuscarNota"_s << 230 << u"TformGNota"_s << true << qint64(42);
    QTest::newRow("nada elegido") << u"actBuscarParte"_s << 160 << QString() << true << qint64(0);
    QTest::newRow("búsqueda cerrada")
            << u"actBuscarParte"_s << 160 << QString() << true << qint64(-1);
    QTest::newRow("elección anterior no cuenta")
            << u"actBuscarParte"_s << 160 << QString() << false << qint64(0);
}

void TstMenuPrincipal::busquedaRapida()
{
    QFETCH(QString, accion);
    QFETCH(int, tipo);
    QFETCH(QString, vista);
    QFETCH(bool, elige);
    QFETCH(qint64, elegido);

    QStringList abiertas;
    for (const QString &clase :
         {u"TformGIncidencia"_s, u"TformGParte"_s, u"TformGContacto"_s, u"TformGNota"_s}) {
        QVERIFY(ventana_->registrarDialogo(clase, [&abiertas, clase](QWidget *p) {
            abiertas << clase + u' ' + navegacion().modoEdicion + u' '
                            + QString::number(navegacion().codigoRegistro);
            return std::make_unique<DialogoPrueba>(p, nullptr);
        }));
    }
    QList<int> tiposPedidos;
    ventana_->registrarSeleccion([&](int t, QWidget *padre) {
        tiposPedidos << t;
        QCOMPARE(padre, ventana_.get());
        if (elige)
            navegacion().codigoSeleccionado = elegido;
    });
    mostrar();
    navegacion().codigoSeleccionado = 99; // left by an earlier lookup
    navegacion().codigoRegistro = 5;

    ventana_->accion(accion)->trigger();

    QCOMPARE(tiposPedidos, QList<int> {tipo});
    if (vista.isEmpty()) {
        QVERIFY(abiertas.isEmpty());
        QCOMPARE(navegacion().codigoRegistro, qint64(5));
    } else {
        QCOMPARE(abiertas, QStringList {vista + u" modificar 42"_s});
    }
}

void TstMenuPrincipal::configuracionRecargaAjustes()
{
    QVERIFY(ventana_->registrarDialogo(u"TformConfiguracion"_s, [this](QWidget *p) {
        return std::make_unique<DialogoPrueba>(p, [this] {
            escribirAjuste(u"Título ventanas"_s, u"Partes de trabajo - Plural"_s, u"Albaranes"_s);
            escribirAjuste(u"Base de datos"_s, u"Tipo BD MySQL - Servidor"_s, u"nuevo"_s);
        });
    }));
    mostrar();
    QCOMPARE(ventana_->accion(u"actParte"_s)->text(), u"Partes de trabajo"_s);

    ventana_->accion(u"actConfiguracion"_s)->trigger();

    QCOMPARE(ventana_->accion(u"actParte"_s)->text(), u"Albaranes"_s);
    QCOMPARE(datosConfiguracion().bdServidor, u"nuevo"_s);
    QCOMPARE(ventana_->panelEstado(3)->text(), u"nuevo@@gestion"_s);
}

void TstMenuPrincipal::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QStringList>("elementos");

    QTest::newRow("global") << u"mnuGlobal"_s << u" Global "_s
                            << QStringList {u"actProyecto"_s, u"-"_s, u"actEjercicio"_s, u"-"_s,
                                            u"actSalir"_s};
    QTest::newRow("insertar") << u"mnuInsertar"_s << u" Insertar "_s
                              << QStringList {u"actNuevaIncidencia"_s, u"actInsertarParte"_s,
                                              u"actInsertarContacto"_s};
    QTest::newRow("buscar") << u"mnuBuscar"_s << u" Buscar "_s
                            << QStringList {u"actBuscarIncidencia"_s, u"actBuscarParte"_s,
                                            u"actBuscarContacto"_s, u"actBuscarNota"_s};
    QTest::newRow("incidencias") << u"mnuIncidencias"_s << u" Incidencias "_s
                                 << QStringList {u"actIncidencia"_s, u"actEntradaSalida"_s, u"-"_s,
                                                 u"actTecnico"_s, u"actTecero"_s};
    QTest::newRow("partes") << u"mnuPartes"_s << u" Partes "_s
                            << QStringList {u"actParte"_s,    u"-"_s,         u"actAccion"_s,
                                            u"actTecnico"_s,  u"actTecero"_s, u"-"_s,
                                            u"actFormaPago"_s};
    QTest::newRow("facturación") << u"mnuFacturacion"_s << u" Facturación "_s
                                 << QStringList {u"actFactura"_s,
                                                 u"-"_s,
                                                 u"actAlbaranProveedor"_s,
                                                 u"actFacturasProveedores"_s,
                                                 u"-"_s,
                                                 u"actTecero"_s};
    QTest::newRow("artículos") << u"mnuArticulos"_s << u" Artículos "_s
                               << QStringList {u"actArticulo"_s, u"-"_s, u"actModelo"_s,
                                               u"actMarca"_s, u"actFamilia"_s};
    QTest::newRow("gestión") << u"mnuGestion"_s << u" Gestión "_s
                             << QStringList {
                                        u"actTipoGasto"_s,    u"actGasto"_s,  u"-"_s,
                                        u"actPagos"_s,        u"actCobros"_s, u"-"_s,
                                        u"actChequePagare"_s, u"actCaja"_s,   u"-"_s,
                                        u">mnuAgenda"_s,      u"-"_s,         u"actRecurso"_s,
                                        u"actDominio"_s,      u"-"_s,         u"actFormaPago"_s};
    QTest::newRow("agenda") << u"mnuAgenda"_s << u" Agenda "_s
                            << QStringList {u"actContacto"_s, u"actNotas"_s};
    QTest::newRow("herramientas") << u"mnuHerramientas"_s << u" Herramientas "_s
                                  << QStringList {u"actConfiguracion"_s,
                                                  u"actGenerarCodigosBarras"_s,
                                                  u"actUsuarios"_s,
                                                  u"actUtilidadesBD"_s,
                                                  u"-"_s,
                                                  u"actContadores"_s,
                                                  u"actSerie"_s,
                                                  u"-"_s,
                                                  u">mnuInformes"_s};
    QTest::newRow("informes") << u"mnuInformes"_s << u" Informes "_s
                              << QStringList {u"actEjecutarSQL"_s, u"actNuevaConsutalSQL"_s};
    QTest::newRow("ventana") << u"mnuVentana"_s << u" Ventana "_s
                             << QStringList {u"actVentanaMosaicoHorizontal"_s,
                                             u"actVentanaMosaicoVertical"_s,
                                             u"actVentanaCascada"_s,
                                             u"actVentanaOrganizarIconos"_s,
                                             u"-"_s,
                                             u"actVentanaMostrarTodas"_s,
                                             u"actVentanaMinimizarTodas"_s,
                                             u"actVentanaCerrarTodas"_s};
    QTest::newRow("ayuda") << u"mnuAyuda"_s << u" Ayuda "_s
                           << QStringList {u"Contenido"_s, u"-"_s, u"actActualizarPrograma"_s,
                                           u"-"_s, u"actAcercaDe"_s};
    QTest::newRow("barra de menús")
            << QString() << QString()
            << QStringList {u">mnuGlobal"_s,      u">mnuInsertar"_s, u">mnuBuscar"_s,
                            u">mnuIncidencias"_s, u">mnuPartes"_s,   u">mnuFacturacion"_s,
                            u">mnuArticulos"_s,   u">mnuGestion"_s,  u">mnuHerramientas"_s,
                            u">mnuVentana"_s,     u">mnuAyuda"_s};
}

void TstMenuPrincipal::menus()
{
    QFETCH(QString, menu);
    QFETCH(QString, titulo);
    QFETCH(QStringList, elementos);

    if (menu.isEmpty()) {
        QCOMPARE(describir(ventana_->menuBar()->actions(), u"-"_s), elementos);
        return;
    }
    QMenu *m = ventana_->menu(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), titulo);
    QCOMPARE(describir(m->actions(), u"-"_s), elementos);
}

void TstMenuPrincipal::barraHerramientas()
{
    mostrar();
    QToolBar *barra = ventana_->barraHerramientas();
    QCOMPARE(describir(barra->actions(), u"|"_s),
             (QStringList {u"actIncidencia"_s, u"actParte"_s, u"actFactura"_s, u"|"_s,
                           u"actArticulo"_s, u"actTecero"_s, u"|"_s, u"actGasto"_s, u"actCobros"_s,
                           u"actPagos"_s, u"|"_s, u"actContacto"_s, u"actNotas"_s, u"|"_s,
                           u"actSalir"_s}));
    QCOMPARE(barra->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    QStringList textos;
    for (QAction *a : barra->actions()) {
        if (a->isSeparator())
            continue;
        auto *boton = qobject_cast<QToolButton *>(barra->widgetForAction(a));
        QVERIFY(boton);
        textos << boton->text();
        // No blank buttons, whatever icon theme the desktop has.
        QVERIFY2(!boton->icon().pixmap(barra->iconSize()).isNull(), qPrintable(a->objectName()));
        // The caption fits under the icon.
        QVERIFY2(boton->width() >= boton->fontMetrics().horizontalAdvance(boton->text()),
                 qPrintable(boton->text()));
    }
    QCOMPARE(textos,
             (QStringList {u"Incidencias"_s, u"Partes"_s, u"Facturación"_s, u"Artículos"_s,
                           u"Terceros"_s, u"Gastos"_s, u"Cobros"_s, u"Pagos"_s, u"Contactos"_s,
                           u"Notas"_s, u"Salir"_s}));
    // The invoice action keeps its own caption in the menu.
    QCOMPARE(ventana_->accion(u"actFactura"_s)->text(), u"Facturas clientes"_s);
}

void TstMenuPrincipal::titulosPartes_data()
{
    QTest::addColumn<QString>("plural");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("accion");
    QTest::addColumn<QString>("textoBoton");
    QTest::addColumn<QString>("textoMenu");

    QTest::newRow("sin ajustes") << QString() << QString() << QString() << u"Partes de trabajo"_s
                                 << u"Partes"_s << u"Partes de trabajo"_s;
    QTest::newRow("albaranes") << u"Albaranes"_s << u"Albarán"_s << u" Albaranes "_s
                               << u"Albaranes"_s << u"Albarán"_s << u" Albaranes "_s;
    QTest::newRow("solo el plural") << u"Albaranes"_s << QString() << QString() << u"Albaranes"_s
                                    << u"Partes"_s << u"Partes de trabajo"_s;
}

void TstMenuPrincipal::titulosPartes()
{
    QFETCH(QString, plural);
    QFETCH(QString, boton);
    QFETCH(QString, menu);
    QFETCH(QString, accion);
    QFETCH(QString, textoBoton);
    QFETCH(QString, textoMenu);

    const QString seccion = u"Título ventanas"_s;
    if (!plural.isEmpty())
        escribirAjuste(seccion, u"Partes de trabajo - Plural"_s, plural);
    if (!boton.isEmpty())
        escribirAjuste(seccion, u"Partes de trabajo - Botón"_s, boton);
    if (!menu.isEmpty())
        escribirAjuste(seccion, u"Partes de trabajo - Menú"_s, menu);
    mostrar();

    QAction *parte = ventana_->accion(u"actParte"_s);
    QMenu *mnuPartes = ventana_->menu(u"mnuPartes"_s);
    QCOMPARE(parte->text(), accion);
    QCOMPARE(mnuPartes->actions().constFirst(), parte);
    QCOMPARE(mnuPartes->title(), textoMenu);
    auto *b = qobject_cast<QToolButton *>(ventana_->barraHerramientas()->widgetForAction(parte));
    QVERIFY(b);
    QCOMPARE(b->text(), textoBoton);
}

void TstMenuPrincipal::titulosSeRecarganAlMostrar()
{
    mostrar();
    QCOMPARE(ventana_->accion(u"actParte"_s)->text(), u"Partes de trabajo"_s);
    escribirAjuste(u"Título ventanas"_s, u"Partes de trabajo - Plural"_s, u"Albaranes"_s);
    ventana_->hide();
    mostrar();
    QCOMPARE(ventana_->accion(u"actParte"_s)->text(), u"Albaranes"_s);
}

void TstMenuPrincipal::panelesEstado_data()
{
    QTest::addColumn<QString>("servidor");
    QTest::addColumn<QString>("baseDatos");
    QTest::addColumn<QString>("usuarioBD");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("conexion");

    QTest::newRow("completo") << u"servidor.local"_s << u"gestion"_s << u"root"_s << u"Ana"_s
                              << u"servidor.local@gestion@root"_s;
    QTest::newRow("sin servidor") << QString() << u"gestion"_s << u"root"_s << u"Ana"_s
                                  << u"@gestion@root"_s;
    QTest::newRow("sin base de datos")
            << u"10.0.0.5"_s << QString() << u"root"_s << u"Ana"_s << u"10.0.0.5@@root"_s;
    QTest::newRow("todo vacío") << QString() << QString() << QString() << u"Ana"_s << u"@@"_s;
    QTest::newRow("otro usuario") << u"srv"_s << u"bd"_s << u"gestion"_s << u"PEPE"_s
                                  << u"srv@bd@gestion"_s;
}

void TstMenuPrincipal::panelesEstado()
{
    QFETCH(QString, servidor);
    QFETCH(QString, baseDatos);
    QFETCH(QString, usuarioBD);
    QFETCH(QString, nick);
    QFETCH(QString, conexion);

    escribirAjuste(u"Base de datos"_s, u"Tipo BD MySQL - Servidor"_s, servidor);
    escribirAjuste(u"Base de datos"_s, u"Tipo BD MySQL - Nombre BD"_s, baseDatos);
    datosSesion().usuarioBD = usuarioBD;
    datosSesion().nickUsuario = nick;
    mostrar();

    QCOMPARE(ventana_->windowTitle(), u"Trevanox Quenvalia v. 2.6.9.499 (06-01-2011)"_s);
    QCOMPARE(ventana_->panelEstado(2)->text(), nick);
    QCOMPARE(ventana_->panelEstado(3)->text(), conexion);
    QCOMPARE(ventana_->panelEstado(3)->text().count(u'@'), 2);
}

void TstMenuPrincipal::anchoPanelSugerencia_data()
{
    QTest::addColumn<int>("primero");
    QTest::addColumn<int>("despues");

    // Widths that do and do not divide by three, growing and shrinking.
    QTest::newRow("crece a 900") << 640 << 900;
    QTest::newRow("crece a 1001") << 700 << 1001;
    QTest::newRow("mengua a 640") << 1100 << 640;
    QTest::newRow("mengua a 701") << 1000 << 701;
}

void TstMenuPrincipal::anchoPanelSugerencia()
{
    QFETCH(int, primero);
    QFETCH(int, despues);

    mostrar();
    ventana_->resize(primero, 500);
    QTRY_COMPARE(ventana_->width(), primero);
    QTRY_COMPARE(ventana_->panelEstado(1)->width(), primero - primero / 3);
    ventana_->resize(despues, 500);
    QTRY_COMPARE(ventana_->width(), despues);
    QTRY_COMPARE(ventana_->panelEstado(1)->width(), despues - despues / 3);
    QVERIFY(ventana_->panelEstado(3)->isVisible());
}

void TstMenuPrincipal::sugerenciaBajoElRaton()
{
    mostrar();
    QWidget *boton
            = ventana_->barraHerramientas()->widgetForAction(ventana_->accion(u"actSalir"_s));
    QVERIFY(boton);
    QLabel *panel = ventana_->panelEstado(1);

    QEvent entrar(QEvent::Enter);
    QApplication::sendEvent(boton, &entrar);
    QCOMPARE(panel->text(), u"Cierra esta aplicación"_s);
    QEvent salir(QEvent::Leave);
    QApplication::sendEvent(boton, &salir);
    QCOMPARE(panel->text(), QString());
    // The other panels are never covered by a hint.
    QCOMPARE(ventana_->panelEstado(2)->text(), u"Ana"_s);
    QVERIFY(ventana_->panelEstado(2)->isVisible());
}

void TstMenuPrincipal::menuVentanaListaLasAbiertas()
{
    registrarLista(u"formMaterial"_s, u"Material"_s);
    registrarLista(u"formMarca"_s, u"Marca"_s);
    mostrar();
    QMenu *menu = ventana_->menu(u"mnuVentana"_s);
    const qsizetype fijos = menu->actions().size();

    ventana_->actualizarListaVentanas();
    QCOMPARE(menu->actions().size(), fijos);

    QMdiSubWindow *material = ventana_->abrirVentanaLista(u"formMaterial"_s);
    ventana_->abrirVentanaLista(u"formMarca"_s);
    ventana_->actualizarListaVentanas();
    ventana_->actualizarListaVentanas(); // rebuilt, not added again
    const QList<QAction *> lista = menu->actions().mid(fijos);
    QCOMPARE(describir(lista, u"-"_s), (QStringList {u"-"_s, u"&1 Material"_s, u"&2 Marca"_s}));
    QVERIFY(!lista[1]->isChecked());
    QVERIFY(lista[2]->isChecked());

    lista[1]->trigger();
    QCOMPARE(ventana_->areaVentanas()->currentSubWindow(), material);

    ventana_->accion(u"actVentanaCerrarTodas"_s)->trigger();
    QTRY_VERIFY(ventana_->areaVentanas()->subWindowList().isEmpty());
    ventana_->actualizarListaVentanas();
    QCOMPARE(menu->actions().size(), fijos);
}

void TstMenuPrincipal::mosaico_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<bool>("unaEncimaDeOtra");

    QTest::newRow("horizontal") << u"actVentanaMosaicoHorizontal"_s << true;
    QTest::newRow("vertical") << u"actVentanaMosaicoVertical"_s << false;
}

void TstMenuPrincipal::mosaico()
{
    QFETCH(QString, accion);
    QFETCH(bool, unaEncimaDeOtra);

    registrarLista(u"formMaterial"_s, u"Material"_s);
    registrarLista(u"formMarca"_s, u"Marca"_s);
    registrarLista(u"formFamilia"_s, u"Familia"_s);
    mostrar();
    ventana_->resize(900, 700);
    QTRY_COMPARE(ventana_->width(), 900);
    QList<QMdiSubWindow *> hijas;
    for (const QString &n : {u"formMaterial"_s, u"formMarca"_s, u"formFamilia"_s})
        hijas << ventana_->abrirVentanaLista(n);

    ventana_->accion(accion)->trigger();

    const QRect area = ventana_->areaVentanas()->viewport()->rect();
    int ocupado = 0;
    for (qsizetype i = 0; i < hijas.size(); ++i) {
        const QRect g = hijas[i]->geometry();
        QVERIFY(!hijas[i]->isMaximized());
        if (unaEncimaDeOtra) {
            QCOMPARE(g.x(), 0);
            QCOMPARE(g.width(), area.width());
            QCOMPARE(g.y(), ocupado);
            ocupado += g.height();
        } else {
            QCOMPARE(g.y(), 0);
            QCOMPARE(g.height(), area.height());
            QCOMPARE(g.x(), ocupado);
            ocupado += g.width();
        }
    }
    QCOMPARE(ocupado, unaEncimaDeOtra ? area.height() : area.width());
}

void TstMenuPrincipal::minimizarMostrarYCerrarTodas()
{
    registrarLista(u"formMaterial"_s, u"Material"_s);
    registrarLista(u"formMarca"_s, u"Marca"_s);
    mostrar();
    QList<QPointer<QMdiSubWindow>> hijas {ventana_->abrirVentanaLista(u"formMaterial"_s),
                                          ventana_->abrirVentanaLista(u"formMarca"_s)};

    ventana_->accion(u"actVentanaMinimizarTodas"_s)->trigger();
    for (const auto &h : hijas)
        QVERIFY(h->isMinimized());

    ventana_->accion(u"actVentanaOrganizarIconos"_s)->trigger();
    const QRect area = ventana_->areaVentanas()->viewport()->rect();
    QCOMPARE(hijas[0]->geometry().bottom(), area.bottom());
    QCOMPARE(hijas[1]->geometry().left(), hijas[0]->geometry().right() + 1);

    ventana_->accion(u"actVentanaMostrarTodas"_s)->trigger();
    for (const auto &h : hijas)
        QVERIFY(!h->isMinimized() && !h->isMaximized());

    ventana_->accion(u"actVentanaCerrarTodas"_s)->trigger();
    for (const auto &h : hijas)
        QTRY_VERIFY(h.isNull());
    // Closing the child windows is not closing the program.
    QVERIFY(ventana_->isVisible());
    QVERIFY(filasSesion().isEmpty());
}

void TstMenuPrincipal::actualizarPrograma_data()
{
    QTest::addColumn<bool>("acepta");
    QTest::addColumn<QStringList>("ficheros");
    QTest::addColumn<bool>("arranca"); // what the starter reports
    QTest::addColumn<QString>("lanzado"); // program started, empty if none
    QTest::addColumn<QString>("resultado"); // "aviso", "error" or nothing

    const QStringList ambos {u"actualizar.exe"_s, u"configuracion.ini"_s};
    QTest::newRow("cancelado") << false << ambos << true << QString() << QString();
    QTest::newRow("sin ficheros") << true << QStringList {} << true << QString() << u"aviso"_s;
    QTest::newRow("solo el programa")
            << true << QStringList {u"actualizar.exe"_s} << true << QString() << u"aviso"_s;
    QTest::newRow("solo la configuración")
            << true << QStringList {u"configuracion.ini"_s} << true << QString() << u"aviso"_s;
    QTest::newRow("programa en mayúsculas")
            << true << QStringList {u"ACTUALIZAR.EXE"_s, u"configuracion.ini"_s} << true
            << QString() << u"aviso"_s;
    QTest::newRow("actualizar.exe") << true << ambos << true << u"actualizar.exe"_s << QString();
    QTest::newRow("actualizar") << true << QStringList {u"actualizar"_s, u"configuracion.ini"_s}
                                << true << u"actualizar"_s << QString();
    QTest::newRow("no arranca") << true << ambos << false << u"actualizar.exe"_s << u"error"_s;
}

void TstMenuPrincipal::actualizarPrograma()
{
    QFETCH(bool, acepta);
    QFETCH(QStringList, ficheros);
    QFETCH(bool, arranca);
    QFETCH(QString, lanzado);
    QFETCH(QString, resultado);

    QTemporaryDir programa;
    QVERIFY(programa.isValid());
    for (const QString &f : ficheros) {
        QFile fichero(programa.filePath(f));
        QVERIFY(fichero.open(QIODevice::WriteOnly));
    }
    ventana_->establecerCarpetaActualizacion(programa.path());
    QStringList lanzados;
    ventana_->establecerLanzador([&](const QString &p, const QString &carpeta) {
        lanzados << QDir(programa.path()).relativeFilePath(p) + u" en "_s
                        + QDir(programa.path()).relativeFilePath(carpeta);
        return arranca;
    });
    mostrar();
    mensajes_->responder(acepta);

    ventana_->accion(u"actActualizarPrograma"_s)->trigger();

    QCOMPARE(mensajes_->textos(Tipo::PreguntaAceptarCancelar),
             QStringList {textoPreguntaActualizar});
    QCOMPARE(lanzados, lanzado.isEmpty() ? QStringList {} : QStringList {lanzado + u" en ."_s});
    const QStringList avisos = mensajes_->textos(Tipo::Aviso);
    const QStringList errores = mensajes_->textos(Tipo::Error);
    QCOMPARE(avisos.size(), resultado == u"aviso" ? 1 : 0);
    QCOMPARE(errores.size(), resultado == u"error" ? 1 : 0);
    if (!avisos.isEmpty()) {
        const QString &aviso = avisos.constFirst();
        QVERIFY2(aviso.startsWith(u"Para realizar este proceso es necesario descargar los "
                                  "ficheros de actualización. Para ello acceda al sitio Web de "
                                  "Internet: "),
                 qPrintable(aviso));
        QVERIFY2(aviso.endsWith(QDir::toNativeSeparators(programa.path())
                                + u". Una vez realizado este proceso podrá realizar la "
                                  "actualización."),
                 qPrintable(aviso));
    }
    if (!errores.isEmpty())
        QVERIFY(errores.constFirst().contains(u"actualizar.exe"));

    // Handed over to the updater the program ends without logging the end of the session.
    const bool entregado = !lanzado.isEmpty() && arranca;
    ventana_->close();
    QCOMPARE(filasSesion(), entregado ? QStringList {} : QStringList {u"7 Cierre"_s});
}

QTEST_MAIN(TstMenuPrincipal)
#include "tst_menuprincipal.moc"
