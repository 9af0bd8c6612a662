#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The frame of the program: the multi-document area holding the list windows, the main menu,
// the tool bar and the three-panel status bar. It gates the login, opens every list window at
// most once, offers the quick insert and find actions and records the end of the session.
//
// The windows it opens belong to other units; they are plugged in by name through the
// registrar*() functions. An action whose window has not been registered stays disabled.
class TformMenuPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    // Runs the login modally over the hidden main window. Its outcome is
    // datosSesion().nickUsuario: non-empty when a user logged in.
    using InicioSesion = std::function<void(QWidget *padre)>;
    // Creates a list window with `padre` as its parent. The main window wraps it in a child
    // window that is destroyed when closed, names it and maximises it; the window must not
    // restore the busy cursor itself. nullptr when it could not be created (it has said why).
    using FabricaVentana = std::function<QWidget *(QWidget *padre)>;
    // Creates a modal window (an edit view or a dialog) for one use; the caller runs exec()
    // and destroys it. nullptr when it could not be created.
    using FabricaDialogo = std::function<std::unique_ptr<QDialog>(QWidget *padre)>;
    // Opens the lookup dialog of lookup kind `tipo` modally, with its "Nuevo" action
    // disabled, and leaves the choice in navegacion().codigoSeleccionado (0 or less: none).
    using Seleccion = std::function<void(int tipo, QWidget *padre)>;
    // Starts `programa` with `carpeta` as its working folder without waiting for it; false
    // when it could not be started.
    using Lanzador = std::function<bool(const QString &programa, const QString &carpeta)>;

    explicit TformMenuPrincipal(InicioSesion iniciarSesion, QWidget *parent = nullptr);
    ~TformMenuPrincipal() override;

    // The start-up gate: keeps the window hidden, runs the login, closes md().tc and then
    // shows the window maximised. False (the window stays hidden) when nobody logged in: the
    // program then ends.
    [[nodiscard]] bool iniciar();

    // Plugs in the list window whose component name is `nombreVentana` ("formCliente",
    // "formMaterial", ...) and enables the actions that open it. A later registration of the
    // same name replaces the earlier one. False for a name no action opens.
    bool registrarVentanaLista(const QString &nombreVentana, FabricaVentana fabrica);
    // Plugs in the modal window of class `clase`: the edit views of the quick actions
    // ("TformGIncidencia", "TformGParte", "TformGContacto", "TformGNota") and the dialogs
    // "TformConfiguracion", "TformGenerarCodigos", "TformUtilidadesBD". False for a class no
    // action opens. "TformNuevaSQL" is accepted, but its action is never enabled.
    bool registrarDialogo(const QString &clase, FabricaDialogo fabrica);
    // Plugs in the lookup dialog, which the quick find actions need.
    void registrarSeleccion(Seleccion seleccion);

    // Folder searched for the updater and its "configuracion.ini"; by default the program's
    // folder (QCoreApplication::applicationDirPath()).
    void establecerCarpetaActualizacion(const QString &carpeta);
    QString carpetaActualizacion() const;
    // Replaces the starter of the updater (by default QProcess::startDetached).
    void establecerLanzador(Lanzador lanzador);

    // Opens the registered list window, or brings it forward maximised when it is already
    // open. The child window, or nullptr when the name is not registered or creation failed.
    QMdiSubWindow *abrirVentanaLista(const QString &nombreVentana);

    // Window title and status panels 2 and 3 from the session and the loaded settings.
    void mostrarDatosConexion();
    // Rebuilds the list of open child windows at the end of the " Ventana " menu.
    void actualizarListaVentanas();

    QMdiArea *areaVentanas() const { return areaVentanas_; }
    QToolBar *barraHerramientas() const { return barraHerramientas_; }
    // Status panel 1 (hint), 2 (nick) or 3 (connection).
    QLabel *panelEstado(int numero) const;
    // The action with that component name ("actSalir"), or nullptr.
    QAction *accion(const QString &nombre) const;
    // The top-level menu with that component name ("mnuGlobal", ...), or nullptr.
    QMenu *menu(const QString &nombre) const;
    // The item "Contenido" of " Ayuda ": no component of its own, always disabled.
    QAction *accionContenido() const { return accionContenido_; }

    // Handlers of the actions with behaviour of their own.
    void ActSalirExecute();
    void ActAcercaDeExecute();
    void ActConfiguracionExecute();
    void ActUsuariosExecute();
    void ActUtilidadesBDExecute();
    void ActActualizarProgramaExecute();
    void ActVentanaMosaicoHorizontalExecute();
    void ActVentanaMosaicoVerticalExecute();
    void ActVentanaCascadaExecute();
    void ActVentanaOrganizarIconosExecute();
    void ActVentanaMostrarTodasExecute();
    void ActVentanaMinimizarTodasExecute();
    void ActVentanaCerrarTodasExecute();

protected:
    bool event(QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void crearAcciones();
    void crearMenus();
    void crearBarraHerramientas();
    void crearBarraEstado();
    void conectarAcciones();

    // What happens each time the window is shown and after the configuration dialog:
    // settings loaded, work-order captions, title and status panels.
    void FormShow();
    // The closing steps: child windows closed, "Cierre" row, disconnection. Runs once.
    void FormClose();
    // Width of status panel 1 from the window's width.
    void FormResize();
    void aplicarTitulosPartes();

    void insertarRapido(const QString &claseVista);
    void buscarRapido(int tipoSeleccion, const QString &claseVista);
    // Runs the registered modal window; false when it is not registered or was not created.
    bool abrirDialogo(const QString &clase);
    void actualizarDisponibles();
    void mosaico(Qt::Orientation orientacion);

    InicioSesion iniciarSesion_;
    QHash<QString, FabricaVentana> ventanasLista_;
    QHash<QString, FabricaDialogo> dialogos_;
    Seleccion seleccion_;
    Lanzador lanzador_;
    QString carpetaActualizacion_;

    QMdiArea *areaVentanas_ = nullptr;
    QToolBar *barraHerramientas_ = nullptr;
    QLabel *panelSugerencia_ = nullptr;
    QLabel *panelUsuario_ = nullptr;
    QLabel *panelConexion_ = nullptr;
    QHash<QString, QAction *> acciones_;
    QHash<QString, QMenu *> menus_;
    QMenu *mnuVentana_ = nullptr;
    QAction *accionContenido_ = nullptr;
    QList<QAction *> accionesVentanasAbiertas_;

    bool cerrada_ = false; // the closing steps have run
    bool terminadaSinCierre_ = false; // handed over to the updater: no closing steps
};
