#include "UnidadMenuPrincipal.h"

#include "UnidadAcercaDe.h"
#include "UnidadLogin.h"

#include "Configuracion.h"
#include "DatosSesion.h"
#include "EstadoNavegacion.h"
#include "Mensajes.h"
#include "UnidadModuloDatos.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

// Address given to the user for downloading the updater.
constexpr QStringView webFabricante = u"www.trevanox.es";

// What an action does when triggered.
enum class Efecto {
    Lista, // opens the list window named by destino
    Dialogo, // runs the modal window of class destino
    Insertar, // quick insert into the edit view of class destino
    Buscar, // quick find with lookup kind tipoSeleccion, then the edit view of class destino
    Propio, // a handler of its own; destino, when given, must be registered to enable it
    Nunca, // never enabled
};

// One action of the main window as its design gives it.
struct DefinicionAccion
{
    const char16_t *nombre;
    const char16_t *texto;
    const char16_t *sugerencia;
    Efecto efecto;
    const char16_t *destino;
    int tipoSeleccion;
    const char *icono; // name in the icon theme, nullptr: no icon
    QStyle::StandardPixmap reserva; // shown when the theme has no such icon
};

using SP = QStyle::StandardPixmap;

// clang-format off
const DefinicionAccion definiciones[] = {
    {u"actConfiguracion", u"Configuración", u"Opciones de configuración de la aplicación",
     Efecto::Propio, u"TformConfiguracion", 0, "preferences-system", SP::SP_FileDialogDetailedView},
    {u"actTecero", u"Terceros", u"Terceros: clientes y proveedores",
     Efecto::Lista, u"formCliente", 0, "system-users", SP::SP_DirHomeIcon},
    {u"actSalir", u"Salir", u"Cierra esta aplicación",
     Efecto::Propio, nullptr, 0, "application-exit", SP::SP_BrowserStop},
    {u"actAcercaDe", u"Acerca de...", u"Información de la aplicación",
     Efecto::Propio, nullptr, 0, "help-about", SP::SP_MessageBoxInformation},
    {u"actArticulo", u"Artículos", u"Mantenimiento de artículos",
     Efecto::Lista, u"formMaterial", 0, "package-x-generic", SP::SP_DialogOpenButton},
    {u"actMarca", u"Marcas", u"Marcas de artículos",
     Efecto::Lista, u"formMarca", 0, nullptr, SP::SP_CustomBase},
    {u"actModelo", u"Modelos", u"Modelos de artículos",
     Efecto::Lista, u"formModelo", 0, nullptr, SP::SP_CustomBase},
    {u"actFamilia", u"Familias", u"Familias de artículos",
     Efecto::Lista, u"formFamilia", 0, nullptr, SP::SP_CustomBase},
    {u"actFactura", u"Facturas clientes", u"Facturas realizadas a clientes",
     Efecto::Lista, u"formFactura", 0, "x-office-spreadsheet", SP::SP_FileDialogDetailedView},
    {u"actGenerarCodigosBarras", u"Generar códigos de barras",
     u"Impresión de códigos de barras EAN8 y EAN14",
     Efecto::Dialogo, u"TformGenerarCodigos", 0, "printer", SP::SP_FileDialogListView},
    {u"actGasto", u"Gastos", u"Gastos",
     Efecto::Lista, u"formGasto", 0, "go-down", SP::SP_ArrowDown},
    {u"actCobros", u"Cobros", u"Cobros de clientes",
     Efecto::Lista, u"formCobro", 0, "go-previous", SP::SP_ArrowLeft},
    {u"actPagos", u"Pagos", u"Pagos a proveedores",
     Efecto::Lista, u"formPago", 0, "go-next", SP::SP_ArrowRight},
    {u"actFacturasProveedores", u"Facturas proveedores", u"Facturas de proveedores",
     Efecto::Lista, u"formFacturaProveedor", 0, nullptr, SP::SP_CustomBase},
    {u"actAlbaranProveedor", u"Albarán de proveedor", u"Albaranes de material de proveedores",
     Efecto::Lista, u"formAlbaranProveedor", 0, nullptr, SP::SP_CustomBase},
    {u"actEjecutarSQL", u"Ejecución SQL", u"Ejecutar consultas SQL manuales",
     Efecto::Lista, u"formEjecucionConsultas", 0, nullptr, SP::SP_CustomBase},
    {u"actNuevaConsutalSQL", u"Añadir consulta SQL",
     u"Añade una consulta SQL para su posterior ejecución",
     Efecto::Nunca, u"TformNuevaSQL", 0, nullptr, SP::SP_CustomBase},
    {u"actContadores", u"Contadores", u"Contadores de la aplicación",
     Efecto::Lista, u"formContador", 0, nullptr, SP::SP_CustomBase},
    {u"actSerie", u"Series", u"Series de facturas",
     Efecto::Lista, u"formSerie", 0, nullptr, SP::SP_CustomBase},
    {u"actParte", u"Partes de trabajo", u"Partes de trabajo",
     Efecto::Lista, u"formParte", 0, "x-office-document", SP::SP_FileDialogContentsView},
    {u"actTecnico", u"Técnicos", u"Técnicos",
     Efecto::Lista, u"formTecnico", 0, nullptr, SP::SP_CustomBase},
    {u"actAccion", u"Acciones", u"Acciones para partes de trabajo",
     Efecto::Lista, u"formAccion", 0, nullptr, SP::SP_CustomBase},
    {u"actIncidencia", u"Incidencias", u"Incidencias",
     Efecto::Lista, u"formIncidencia", 0, "dialog-warning", SP::SP_MessageBoxWarning},
    {u"actEntradaSalida", u"Entrada/Salida", u"Entradas y salidas de equipos",
     Efecto::Lista, u"formEntradaSalida", 0, nullptr, SP::SP_CustomBase},
    {u"actContacto", u"Contactos", u"Contactos de la agenda",
     Efecto::Lista, u"formContacto", 0, "x-office-address-book", SP::SP_FileDialogInfoView},
    {u"actNotas", u"Notas", u"Anotacines",
     Efecto::Lista, u"formNota", 0, "text-x-generic", SP::SP_FileIcon},
    {u"actRecurso", u"Recurso", u"Recurso software, web, etc",
     Efecto::Lista, u"formRecurso", 0, nullptr, SP::SP_CustomBase},
    {u"actDominio", u"Dominio", u"Gestión de dominios y alojamientos web",
     Efecto::Lista, u"formDominio", 0, nullptr, SP::SP_CustomBase},
    {u"actProyecto", u"Proyectos", u"Gestión de proyectos",
     Efecto::Lista, u"formProyecto", 0, nullptr, SP::SP_CustomBase},
    {u"actCaja", u"Caja", u"Caja (control dinero en efectivo)",
     Efecto::Lista, u"formCaja", 0, nullptr, SP::SP_CustomBase},
    {u"actChequePagare", u"Cheques/Pagarés", u"Gestión de cheques y pagarés",
     Efecto::Lista, u"formChequePagare", 0, nullptr, SP::SP_CustomBase},
    {u"actTipoGasto", u"Tipo de gasto", u"Tipo de gasto",
     Efecto::Lista, u"formTipoGasto", 0, nullptr, SP::SP_CustomBase},
    {u"actFormaPago", u"Forma de pago", u"Formas de pago",
     Efecto::Lista, u"formFormaPago", 0, nullptr, SP::SP_CustomBase},
    {u"actEjercicio", u"Ejercicios", u"Ejercicios",
     Efecto::Nunca, u"formEjercicio", 0, nullptr, SP::SP_CustomBase},
    {u"actUsuarios", u"Usuarios", u"Usuarios para inicio de sesión",
     Efecto::Propio, u"formUsuario", 0, nullptr, SP::SP_CustomBase},
    {u"actUtilidadesBD", u"Utilidades BD",
     u"Utilidades de la base de datos (optimización, script, etc)",
     Efecto::Propio, u"TformUtilidadesBD", 0, nullptr, SP::SP_CustomBase},
    {u"actNuevaIncidencia", u"Incidencia", u"Nueva incidencia",
     Efecto::Insertar, u"TformGIncidencia", 0, nullptr, SP::SP_CustomBase},
    {u"actInsertarParte", u"Parte", u"Nuevo parte de trabajo",
     Efecto::Insertar, u"TformGParte", 0, nullptr, SP::SP_CustomBase},
    {u"actInsertarContacto", u"Contacto", u"Insertar contacto",
     Efecto::Insertar, u"TformGContacto", 0, nullptr, SP::SP_CustomBase},
    {u"actBuscarIncidencia", u"Incidencia", u"Buscar incidencia",
     Efecto::Buscar, u"TformGIncidencia", 190, nullptr, SP::SP_CustomBase},
    {u"actBuscarParte", u"Parte", u"Buscar parte",
     Efecto::Buscar, u"TformGParte", 160, nullptr, SP::SP_CustomBase},
    {u"actBuscarContacto", u"Contacto", u"Buscar contacto",
     Efecto::Buscar, u"TformGContacto", 200, nullptr, SP::SP_CustomBase},
    {u"actBuscarNota", u"Nota", u"Busca una nota",
     Efecto::Buscar, u"TformGNota", 230, nullptr, SP::SP_CustomBase},
    {u"actVentanaMosaicoHorizontal", u"Mosaico horizontal",
     u"Muestra las ventanas abiertas en forma de mosaico horizontal",
     Efecto::Propio, nullptr, 0, nullptr, SP::SP_CustomBase},
    {u"actVentanaMosaicoVertical", u"Mosaico vertical",
     u"Muestra las ventanas abiertas en forma de mosaico vertical",
     Efecto::Propio, nullptr, 0, nullptr, SP::SP_CustomBase},
    {u"actVentanaCascada", u"Cascada", u"Muestra las ventanas abiertas en forma de cascada",
     Efecto::Propio, nullptr, 0, nullptr, SP::SP_CustomBase},
    {u"actVentanaOrganizarIconos", u"Organizar iconos", u"Organiza las ventanas abiertas",
     Efecto::Propio, nullptr, 0, nullptr, SP::SP_CustomBase},
    {u"actVentanaMostrarTodas", u"Mostrar todas", u"Muestra todas las ventanas abiertas",
     Efecto::Propio, nullptr, 0, nullptr, SP::SP_CustomBase},
    {u"actVentanaMinimizarTodas", u"Minimizar todas", u"Minimiza todas las ventanas abiertas",
     Efecto::Propio, nullptr, 0, nullptr, SP::SP_CustomBase},
    {u"actVentanaCerrarTodas", u"Cerrar todas", u"Cierra todas las ventanas abiertas",
     Efecto::Propio, nullptr, 0, nullptr, SP::SP_CustomBase},
    {u"actActualizarPrograma", u"Actualizar programa", u"Actualiza el programa vía web",
     Efecto::Propio, nullptr, 0, "system-software-update", SP::SP_BrowserReload},
};
// clang-format on

QString texto(const char16_t *t)
{
    return t ? QString::fromUtf16(t) : QString();
}

const DefinicionAccion *buscarDefinicion(QStringView destino, QStringView prefijo)
{
    if (!destino.startsWith(prefijo))
        return nullptr;
    for (const DefinicionAccion &d : definiciones) {
        if (d.destino && destino == QStringView(d.destino))
            return &d;
    }
    return nullptr;
}

// Handlers of the actions with behaviour of their own.
struct Manejador
{
    const char16_t *accion;
    void (TformMenuPrincipal::*funcion)();
};

const Manejador manejadores[] = {
        {u"actSalir", &TformMenuPrincipal::ActSalirExecute},
        {u"actAcercaDe", &TformMenuPrincipal::ActAcercaDeExecute},
        {u"actConfiguracion", &TformMenuPrincipal::ActConfiguracionExecute},
        {u"actUsuarios", &TformMenuPrincipal::ActUsuariosExecute},
        {u"actUtilidadesBD", &TformMenuPrincipal::ActUtilidadesBDExecute},
        {u"actActualizarPrograma", &TformMenuPrincipal::ActActualizarProgramaExecute},
        {u"actVentanaMosaicoHorizontal", &TformMenuPrincipal::ActVentanaMosaicoHorizontalExecute},
        {u"actVentanaMosaicoVertical", &TformMenuPrincipal::ActVentanaMosaicoVerticalExecute},
        {u"actVentanaCascada", &TformMenuPrincipal::ActVentanaCascadaExecute},
        {u"actVentanaOrganizarIconos", &TformMenuPrincipal::ActVentanaOrganizarIconosExecute},
        {u"actVentanaMostrarTodas", &TformMenuPrincipal::ActVentanaMostrarTodasExecute},
        {u"actVentanaMinimizarTodas", &TformMenuPrincipal::ActVentanaMinimizarTodasExecute},
        {u"actVentanaCerrarTodas", &TformMenuPrincipal::ActVentanaCerrarTodasExecute},
};

// The theme's icon of the action, or the style's when the theme has none; null without icon.
QIcon icono(const DefinicionAccion &d)
{
    if (!d.icono)
        return {};
    return QIcon::fromTheme(QString::fromLatin1(d.icono),
                            QApplication::style()->standardIcon(d.reserva));
}

// The icon of the action that opens the list window, or a blank one: a child window without
// an icon of its own would show the toolkit's logo.
QIcon iconoVentana(const QString &nombreVentana)
{
    const DefinicionAccion *d = buscarDefinicion(nombreVentana, u"form");
    if (d && d->icono)
        return icono(*d);
    QPixmap vacio(16, 16);
    vacio.fill(Qt::transparent);
    return QIcon(vacio);
}

bool lanzarConSistema(const QString &programa, const QString &carpeta)
{
    return QProcess::startDetached(programa, {}, carpeta);
}

} // namespace

TformMenuPrincipal::TformMenuPrincipal(InicioSesion iniciarSesion, QWidget *parent)
    : QMainWindow(parent)
    , iniciarSesion_(std::move(iniciarSesion))
    , lanzador_(lanzarConSistema)
{
    setObjectName(u"formMenuPrincipal"_s);
    setWindowTitle(tituloAplicacion());
    setContextMenuPolicy(Qt::NoContextMenu);
    resize(1024, 700);

    areaVentanas_ = new QMdiArea(this);
    areaVentanas_->setObjectName(u"areaVentanas"_s);
    areaVentanas_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    areaVentanas_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(areaVentanas_);

    crearAcciones();
    crearMenus();
    crearBarraHerramientas();
    crearBarraEstado();
    conectarAcciones();
    actualizarDisponibles();
}

TformMenuPrincipal::~TformMenuPrincipal() = default;

void TformMenuPrincipal::crearAcciones()
{
    for (const DefinicionAccion &d : definiciones) {
        auto *accion = new QAction(texto(d.texto), this);
        const QString nombre = texto(d.nombre);
        accion->setObjectName(nombre);
        accion->setStatusTip(texto(d.sugerencia));
        accion->setToolTip(texto(d.sugerencia));
        accion->setIcon(icono(d));
        acciones_.insert(nombre, accion);
    }
    accionContenido_ = new QAction(u"Contenido"_s, this);
    accionContenido_->setEnabled(false);
}

void TformMenuPrincipal::crearMenus()
{
    const auto nuevoMenu = [this](QMenu *padre, const QString &nombre, const QString &titulo) {
        QMenu *m = padre ? padre->addMenu(titulo) : menuBar()->addMenu(titulo);
        m->setObjectName(nombre);
        menus_.insert(nombre, m);
        return m;
    };
    const auto poner = [this](QMenu *m, std::initializer_list<const char16_t *> elementos) {
        for (const char16_t *e : elementos) {
            if (QStringView(e) == u"-")
                m->addSeparator();
            else
                m->addAction(accion(texto(e)));
        }
    };

    poner(nuevoMenu(nullptr, u"mnuGlobal"_s, u" Global "_s),
          {u"actProyecto", u"-", u"actEjercicio", u"-", u"actSalir"});
    poner(nuevoMenu(nullptr, u"mnuInsertar"_s, u" Insertar "_s),
          {u"actNuevaIncidencia", u"actInsertarParte", u"actInsertarContacto"});
    poner(nuevoMenu(nullptr, u"mnuBuscar"_s, u" Buscar "_s),
          {u"actBuscarIncidencia", u"actBuscarParte", u"actBuscarContacto", u"actBuscarNota"});
    poner(nuevoMenu(nullptr, u"mnuIncidencias"_s, u" Incidencias "_s),
          {u"actIncidencia", u"actEntradaSalida", u"-", u"actTecnico", u"actTecero"});
    poner(nuevoMenu(nullptr, u"mnuPartes"_s, u" Partes "_s),
          {u"actParte", u"-", u"actAccion", u"actTecnico", u"actTecero", u"-", u"actFormaPago"});
    poner(nuevoMenu(nullptr, u"mnuFacturacion"_s, u" Facturación "_s),
          {u"actFactura", u"-", u"actAlbaranProveedor", u"actFacturasProveedores", u"-",
           u"actTecero"});
    poner(nuevoMenu(nullptr, u"mnuArticulos"_s, u" Artículos "_s),
          {u"actArticulo", u"-", u"actModelo", u"actMarca", u"actFamilia"});

    QMenu *gestion = nuevoMenu(nullptr, u"mnuGestion"_s, u" Gestión "_s);
    poner(gestion,
          {u"actTipoGasto", u"actGasto", u"-", u"actPagos", u"actCobros", u"-", u"actChequePagare",
           u"actCaja", u"-"});
    poner(nuevoMenu(gestion, u"mnuAgenda"_s, u" Agenda "_s), {u"actContacto", u"actNotas"});
    poner(gestion, {u"-", u"actRecurso", u"actDominio", u"-", u"actFormaPago"});

    QMenu *herramientas = nuevoMenu(nullptr, u"mnuHerramientas"_s, u" Herramientas "_s);
    poner(herramientas,
          {u"actConfiguracion", u"actGenerarCodigosBarras", u"actUsuarios", u"actUtilidadesBD",
           u"-", u"actContadores", u"actSerie", u"-"});
    poner(nuevoMenu(herramientas, u"mnuInformes"_s, u" Informes "_s),
          {u"actEjecutarSQL", u"actNuevaConsutalSQL"});

    mnuVentana_ = nuevoMenu(nullptr, u"mnuVentana"_s, u" Ventana "_s);
    poner(mnuVentana_,
          {u"actVentanaMosaicoHorizontal", u"actVentanaMosaicoVertical", u"actVentanaCascada",
           u"actVentanaOrganizarIconos", u"-", u"actVentanaMostrarTodas",
           u"actVentanaMinimizarTodas", u"actVentanaCerrarTodas"});

    QMenu *ayuda = nuevoMenu(nullptr, u"mnuAyuda"_s, u" Ayuda "_s);
    ayuda->addAction(accionContenido_);
    poner(ayuda, {u"-", u"actActualizarPrograma", u"-", u"actAcercaDe"});
}

void TformMenuPrincipal::crearBarraHerramientas()
{
    barraHerramientas_ = addToolBar(u"Barra de herramientas"_s);
    barraHerramientas_->setObjectName(u"barraHerramientas"_s);
    barraHerramientas_->setMovable(false);
    barraHerramientas_->setFloatable(false);
    barraHerramientas_->setIconSize(QSize(32, 32));
    barraHerramientas_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    // The buttons of the work orders and the invoices have captions of their own.
    accion(u"actParte"_s)->setIconText(u"Partes"_s);
    accion(u"actFactura"_s)->setIconText(u"Facturación"_s);

    for (const char16_t *e : {u"actIncidencia", u"actParte", u"actFactura", u"|", u"actArticulo",
                              u"actTecero", u"|", u"actGasto", u"actCobros", u"actPagos", u"|",
                              u"actContacto", u"actNotas", u"|", u"actSalir"}) {
        if (QStringView(e) == u"|")
            barraHerramientas_->addSeparator();
        else
            barraHerramientas_->addAction(accion(texto(e)));
    }
}

void TformMenuPrincipal::crearBarraEstado()
{
    QStatusBar *barra = statusBar();
    const auto nuevoPanel = [barra](const QString &nombre, Qt::Alignment alineacion, int peso) {
        auto *panel = new QLabel(barra);
        panel->setObjectName(nombre);
        panel->setAlignment(alineacion | Qt::AlignVCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(4);
        // The panels share the bar by weight; none may widen the window.
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        barra->addWidget(panel, peso);
        return panel;
    };
    // Panel 1 takes up to its width (set on resize); 2 and 3 share the rest, the longer
    // connection text getting the larger share.
    panelSugerencia_ = nuevoPanel(u"panelSugerencia"_s, Qt::AlignLeft, 100);
    panelUsuario_ = nuevoPanel(u"panelUsuario"_s, Qt::AlignHCenter, 1);
    panelConexion_ = nuevoPanel(u"panelConexion"_s, Qt::AlignHCenter, 2);
    FormResize();
}

void TformMenuPrincipal::conectarAcciones()
{
    for (const DefinicionAccion &d : definiciones) {
        QAction *a = accion(texto(d.nombre));
        const QString destino = texto(d.destino);
        switch (d.efecto) {
        case Efecto::Lista:
            connect(a, &QAction::triggered, this, [this, destino] { abrirVentanaLista(destino); });
            break;
        case Efecto::Dialogo:
            connect(a, &QAction::triggered, this, [this, destino] { abrirDialogo(destino); });
            break;
        case Efecto::Insertar:
            connect(a, &QAction::triggered, this, [this, destino] { insertarRapido(destino); });
            break;
        case Efecto::Buscar: {
            const int tipo = d.tipoSeleccion;
            connect(a, &QAction::triggered, this,
                    [this, tipo, destino] { buscarRapido(tipo, destino); });
            break;
        }
        case Efecto::Propio:
        case Efecto::Nunca:
            break;
        }
    }
    for (const Manejador &m : manejadores)
        connect(accion(texto(m.accion)), &QAction::triggered, this, m.funcion);
    connect(mnuVentana_, &QMenu::aboutToShow, this, &TformMenuPrincipal::actualizarListaVentanas);
}

void TformMenuPrincipal::actualizarDisponibles()
{
    for (const DefinicionAccion &d : definiciones) {
        const QString destino = texto(d.destino);
        bool disponible = true;
        switch (d.efecto) {
        case Efecto::Lista:
            disponible = ventanasLista_.contains(destino);
            break;
        case Efecto::Dialogo:
        case Efecto::Insertar:
            disponible = dialogos_.contains(destino);
            break;
        case Efecto::Buscar:
            disponible = dialogos_.contains(destino) && bool(seleccion_);
            break;
        case Efecto::Propio:
            disponible = destino.isEmpty() || ventanasLista_.contains(destino)
                    || dialogos_.contains(destino);
            break;
        case Efecto::Nunca:
            disponible = false;
            break;
        }
        accion(texto(d.nombre))->setEnabled(disponible);
    }
}

bool TformMenuPrincipal::iniciar()
{
    hide();
    if (iniciarSesion_)
        iniciarSesion_(this);
    md().tc.cerrar();
    if (datosSesion().nickUsuario.isEmpty())
        return false;
    showMaximized();
    return true;
}

bool TformMenuPrincipal::registrarVentanaLista(const QString &nombreVentana, FabricaVentana fabrica)
{
    if (!buscarDefinicion(nombreVentana, u"form") || !fabrica)
        return false;
    ventanasLista_.insert(nombreVentana, std::move(fabrica));
    actualizarDisponibles();
    return true;
}

bool TformMenuPrincipal::registrarDialogo(const QString &clase, FabricaDialogo fabrica)
{
    if (!buscarDefinicion(clase, u"Tform") || !fabrica)
        return false;
    dialogos_.insert(clase, std::move(fabrica));
    actualizarDisponibles();
    return true;
}

void TformMenuPrincipal::registrarSeleccion(Seleccion seleccion)
{
    seleccion_ = std::move(seleccion);
    actualizarDisponibles();
}

void TformMenuPrincipal::establecerCarpetaActualizacion(const QString &carpeta)
{
    carpetaActualizacion_ = carpeta;
}

QString TformMenuPrincipal::carpetaActualizacion() const
{
    return carpetaActualizacion_.isEmpty() ? QCoreApplication::applicationDirPath()
                                           : carpetaActualizacion_;
}

void TformMenuPrincipal::establecerLanzador(Lanzador lanzador)
{
    lanzador_ = lanzador ? std::move(lanzador) : Lanzador(lanzarConSistema);
}

QLabel *TformMenuPrincipal::panelEstado(int numero) const
{
    switch (numero) {
    case 1:
        return panelSugerencia_;
    case 2:
        return panelUsuario_;
    case 3:
        return panelConexion_;
    default:
        return nullptr;
    }
}

QAction *TformMenuPrincipal::accion(const QString &nombre) const
{
    return acciones_.value(nombre);
}

QMenu *TformMenuPrincipal::menu(const QString &nombre) const
{
    return menus_.value(nombre);
}

bool TformMenuPrincipal::event(QEvent *evento)
{
    // Hints go to panel 1, which stays in place, instead of covering the panels.
    if (evento->type() == QEvent::StatusTip) {
        panelSugerencia_->setText(static_cast<QStatusTipEvent *>(evento)->tip());
        return true;
    }
    return QMainWindow::event(evento);
}

void TformMenuPrincipal::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    // A window restored from the task bar is not shown anew.
    if (!evento->spontaneous())
        FormShow();
}

void TformMenuPrincipal::closeEvent(QCloseEvent *evento)
{
    FormClose();
    evento->accept();
}

void TformMenuPrincipal::resizeEvent(QResizeEvent *evento)
{
    QMainWindow::resizeEvent(evento);
    FormResize();
}

void TformMenuPrincipal::FormShow()
{
    cargarConfiguracion();
    aplicarTitulosPartes();
    mostrarDatosConexion();
}

void TformMenuPrincipal::aplicarTitulosPartes()
{
    const DatosConfiguracion &c = datosConfiguracion();
    QAction *parte = accion(u"actParte"_s);
    parte->setText(c.tituloPartesTrabajoPlural);
    parte->setIconText(c.tituloPartesTrabajoBoton);
    menu(u"mnuPartes"_s)->setTitle(c.tituloPartesTrabajoMenu);
}

void TformMenuPrincipal::mostrarDatosConexion()
{
    const DatosSesion &sesion = datosSesion();
    const DatosConfiguracion &c = datosConfiguracion();
    setWindowTitle(tituloAplicacion() % u" v. " % sesion.versionPrograma);
    panelUsuario_->setText(sesion.nickUsuario);
    panelConexion_->setText(c.bdServidor % u'@' % c.bdNombre % u'@' % sesion.usuarioBD);
    panelConexion_->setToolTip(panelConexion_->text());
}

void TformMenuPrincipal::FormResize()
{
    panelSugerencia_->setMaximumWidth(width() - width() / 3);
}

void TformMenuPrincipal::FormClose()
{
    if (cerrada_ || terminadaSinCierre_)
        return;
    cerrada_ = true;
    areaVentanas_->closeAllSubWindows();

    Conexion &bd = md().bd;
    if (!bd.conectada())
        return;
    Consulta &tc = md().tc;
    tc.establecerConexion(&bd);
    tc.establecerSql(u"INSERT INTO sesion (codigousuario, fecha, hora, estado) VALUES "_s
                     % u"(:pIDUsuario, :pFecha, :pHora, :pEstado)");
    const QDateTime ahora = QDateTime::currentDateTime();
    const QTime hora = ahora.time();
    tc.parametros()
            .poner(u"pIDUsuario"_s, datosSesion().codigoUsuario)
            .poner(u"pFecha"_s, ahora.date())
            .poner(u"pHora"_s, QTime(hora.hour(), hora.minute(), hora.second()))
            .poner(u"pEstado"_s, u"Cierre"_s);
    // The program ends whatever the server says.
    (void)tc.ejecutar();
    tc.cerrar();
    bd.desconectar();
}

QMdiSubWindow *TformMenuPrincipal::abrirVentanaLista(const QString &nombreVentana)
{
    const auto registrada = ventanasLista_.constFind(nombreVentana);
    if (registrada == ventanasLista_.cend())
        return nullptr;
    const FabricaVentana fabrica = *registrada;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    const auto reanudar = qScopeGuard([this] {
        setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    });

    for (QMdiSubWindow *abierta : areaVentanas_->subWindowList()) {
        if (abierta->widget() && abierta->widget()->objectName() == nombreVentana) {
            abierta->showMaximized();
            areaVentanas_->setActiveSubWindow(abierta);
            abierta->raise();
            return abierta;
        }
    }

    QWidget *ventana = fabrica(areaVentanas_);
    if (!ventana)
        return nullptr;
    ventana->setObjectName(nombreVentana);
    QMdiSubWindow *hija = areaVentanas_->addSubWindow(ventana);
    hija->setAttribute(Qt::WA_DeleteOnClose);
    if (!ventana->testAttribute(Qt::WA_SetWindowIcon))
        hija->setWindowIcon(iconoVentana(nombreVentana));
    hija->showMaximized();
    areaVentanas_->setActiveSubWindow(hija);
    return hija;
}

bool TformMenuPrincipal::abrirDialogo(const QString &clase)
{
    const auto registrado = dialogos_.constFind(clase);
    if (registrado == dialogos_.cend())
        return false;
    const FabricaDialogo fabrica = *registrado;
    const std::unique_ptr<QDialog> dialogo = fabrica(this);
    if (!dialogo)
        return false;
    dialogo->exec();
    return true;
}

void TformMenuPrincipal::insertarRapido(const QString &claseVista)
{
    show();
    navegacion().modoEdicion = u"nuevo"_s;
    abrirDialogo(claseVista);
}

void TformMenuPrincipal::buscarRapido(int tipoSeleccion, const QString &claseVista)
{
    if (!seleccion_)
        return;
    show();
    // A lookup closed without a choice must not reopen an earlier one.
    navegacion().codigoSeleccionado = 0;
    seleccion_(tipoSeleccion, this);
    const qint64 codigo = navegacion().codigoSeleccionado;
    if (codigo <= 0)
        return;
    // The edit view finds the record by its code itself.
    navegacion().modoEdicion = u"modificar"_s;
    navegacion().codigoRegistro = codigo;
    abrirDialogo(claseVista);
}

void TformMenuPrincipal::ActSalirExecute()
{
    if (mensajes().preguntaSiNo(u"¿Está seguro que desea cerrar la aplicación?"_s))
        close();
}

void TformMenuPrincipal::ActAcercaDeExecute()
{
    TformAcercaDe acercaDe(this);
    acercaDe.exec();
}

void TformMenuPrincipal::ActConfiguracionExecute()
{
    if (abrirDialogo(u"TformConfiguracion"_s))
        FormShow();
}

void TformMenuPrincipal::ActUsuariosExecute()
{
    if (tienePermisoMenu(u"Usuarios"_s, true))
        abrirVentanaLista(u"formUsuario"_s);
}

void TformMenuPrincipal::ActUtilidadesBDExecute()
{
    if (tienePermisoMenu(u"UtilidadesBD"_s, true))
        abrirDialogo(u"TformUtilidadesBD"_s);
}

void TformMenuPrincipal::ActActualizarProgramaExecute()
{
    if (!mensajes().preguntaAceptarCancelar(
                u"Para realizar la actualización es necesario cerrar la aplicacion. La "
                "actualziación se realizará mediante conexión a Internet. Recuerde que es "
                "conveniente realizar una copia de seguridad antes de actualizar."_s))
        return;

    const QDir carpeta(carpetaActualizacion());
    QString programa;
    for (const QString &nombre : {u"actualizar"_s, u"actualizar.exe"_s}) {
        if (QFileInfo(carpeta.filePath(nombre)).isFile()) {
            programa = carpeta.filePath(nombre);
            break;
        }
    }
    if (!programa.isEmpty() && QFileInfo(carpeta.filePath(u"configuracion.ini"_s)).isFile()) {
        if (!lanzador_(programa, carpeta.path())) {
            mensajes().error(u"No se ha podido iniciar el programa de actualización: "_s
                             % QDir::toNativeSeparators(programa));
            return;
        }
        // The updater replaces the program's files: end now, without the closing steps.
        terminadaSinCierre_ = true;
        QCoreApplication::exit(0);
        return;
    }

    mensajes().aviso(u"Para realizar este proceso es necesario descargar los ficheros de "
                     "actualización. Para ello acceda al sitio Web de Internet: "_s
                     % webFabricante
                     % u", inicie la sesión con el código de usuario y la contraseña de "
                       "cliente, y descargue el ejecutable y el fichero de configuración de "
                       "la aplicación en la carpeta "
                     % QDir::toNativeSeparators(carpeta.path())
                     % u". Una vez realizado este proceso podrá realizar la actualización.");
}

void TformMenuPrincipal::mosaico(Qt::Orientation orientacion)
{
    QList<QMdiSubWindow *> ventanas;
    for (QMdiSubWindow *hija : areaVentanas_->subWindowList()) {
        if (hija->isMaximized())
            hija->showNormal(); // a maximised child keeps the others maximised
        if (!hija->isMinimized() && !hija->isHidden())
            ventanas.append(hija);
    }
    if (ventanas.isEmpty())
        return;
    const QRect area = areaVentanas_->viewport()->rect();
    const int cuantas = int(ventanas.size());
    for (int i = 0; i < cuantas; ++i) {
        if (orientacion == Qt::Horizontal) {
            // One above the other, the last one taking what the division leaves.
            const int alto = area.height() / cuantas;
            const int y = i * alto;
            ventanas[i]->setGeometry(0, y, area.width(),
                                     i == cuantas - 1 ? area.height() - y : alto);
        } else {
            const int ancho = area.width() / cuantas;
            const int x = i * ancho;
            ventanas[i]->setGeometry(x, 0, i == cuantas - 1 ? area.width() - x : ancho,
                                     area.height());
        }
    }
}

void TformMenuPrincipal::ActVentanaMosaicoHorizontalExecute()
{
    mosaico(Qt::Horizontal);
}

void TformMenuPrincipal::ActVentanaMosaicoVerticalExecute()
{
    mosaico(Qt::Vertical);
}

void TformMenuPrincipal::ActVentanaCascadaExecute()
{
    areaVentanas_->cascadeSubWindows();
}

void TformMenuPrincipal::ActVentanaOrganizarIconosExecute()
{
    // The minimised children in a row along the bottom edge, wrapping upwards.
    const QRect area = areaVentanas_->viewport()->rect();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow *hija : areaVentanas_->subWindowList()) {
        if (!hija->isMinimized())
            continue;
        const QSize tamano = hija->size();
        if (x > 0 && x + tamano.width() > area.width()) {
            x = 0;
            y -= tamano.height();
        }
        hija->move(x, y - tamano.height());
        x += tamano.width();
    }
}

void TformMenuPrincipal::ActVentanaMostrarTodasExecute()
{
    for (QMdiSubWindow *hija : areaVentanas_->subWindowList())
        hija->showNormal();
}

void TformMenuPrincipal::ActVentanaMinimizarTodasExecute()
{
    for (QMdiSubWindow *hija : areaVentanas_->subWindowList()) {
        hija->showMinimized();
        if (QMdiSubWindow *activa = areaVentanas_->activeSubWindow())
            activa->showMinimized();
    }
}

void TformMenuPrincipal::ActVentanaCerrarTodasExecute()
{
    areaVentanas_->closeAllSubWindows();
}

void TformMenuPrincipal::actualizarListaVentanas()
{
    qDeleteAll(accionesVentanasAbiertas_);
    accionesVentanasAbiertas_.clear();
    const QList<QMdiSubWindow *> hijas = areaVentanas_->subWindowList();
    if (hijas.isEmpty())
        return;
    accionesVentanasAbiertas_.append(mnuVentana_->addSeparator());
    QMdiSubWindow *actual = areaVentanas_->currentSubWindow();
    for (qsizetype i = 0; i < hijas.size(); ++i) {
        QPointer<QMdiSubWindow> hija = hijas[i];
        QAction *a = mnuVentana_->addAction(u'&' % QString::number(i + 1) % u' '
                                            % hija->windowTitle());
        a->setCheckable(true);
        a->setChecked(hija == actual);
        connect(a, &QAction::triggered, this, [this, hija] {
            if (!hija)
                return;
            if (hija->isMinimized())
                hija->showNormal();
            areaVentanas_->setActiveSubWindow(hija);
        });
        accionesVentanasAbiertas_.append(a);
    }
}
