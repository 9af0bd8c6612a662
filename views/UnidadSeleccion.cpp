#include "UnidadSeleccion.h"

#include "EstadoNavegacion.h"
#include "Mensajes.h"
#include "ModeloSeleccion.h"
#include "RegistroEdicion.h"
#include "UnidadModuloDatos.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Columns the kind does not present get this many characters.
constexpr int anchoPorDefecto = 30;
// Room around a header caption (margins and the frame between sections), in pixels.
constexpr int margenTitulo = 16;

// The wait cursor while a statement runs, restored on every way out.
class CursorEspera
{
public:
    CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorEspera() { QApplication::restoreOverrideCursor(); }
    CursorEspera(const CursorEspera &) = delete;
    CursorEspera &operator=(const CursorEspera &) = delete;
};

bool esAtajoPropio(const QKeyEvent *tecla)
{
    if (tecla->modifiers() != Qt::ControlModifier)
        return false;
    switch (tecla->key()) {
    case Qt::Key_P:
    case Qt::Key_A:
    case Qt::Key_R:
    case Qt::Key_S:
        return true;
    default:
        return false;
    }
}

QString tituloPorDefecto(const QString &columna)
{
    return columna.isEmpty() ? columna : columna.left(1).toUpper() + columna.mid(1);
}

} // namespace

TformSeleccion::TformSeleccion(int entidad, QWidget *parent)
    : QDialog(parent)
    , entidad_(entidad)
    , definicion_(definicionSeleccion(entidad))
{
    setWindowTitle(QStringLiteral("Selección de clave..."));
    crearControles();

    timer1_.setSingleShot(true);
    timer1_.setInterval(500);
    connect(&timer1_, &QTimer::timeout, this, &TformSeleccion::Timer1Timer);
    connect(txtBuscar_, &QLineEdit::textChanged, this, &TformSeleccion::TxtBuscarChange);
    connect(grupoOpciones_, &QButtonGroup::idClicked, this, [this](int) { ActRefrescarExecute(); });
    connect(tabla_, &QTableView::doubleClicked, this,
            [this](const QModelIndex &) { seleccionar(); });
    connect(actSeleccionar_, &QAction::triggered, this, &TformSeleccion::ActSeleccionarExecute);
    connect(actNuevo_, &QAction::triggered, this, &TformSeleccion::ActNuevoExecute);
    connect(actRefrescar_, &QAction::triggered, this, &TformSeleccion::ActRefrescarExecute);
    connect(actCerrar_, &QAction::triggered, this, &TformSeleccion::ActCerrarExecute);

    txtBuscar_->installEventFilter(this);
    tabla_->installEventFilter(this);
    establecerNuevoPermitido(true);
}

TformSeleccion::~TformSeleccion() = default;

void TformSeleccion::crearControles()
{
    barra_ = new QToolBar(this);
    barra_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto accion = [this](const QString &texto, const QKeySequence &atajo, const QString &pista) {
        auto *a = new QAction(texto, this);
        a->setShortcut(atajo);
        a->setToolTip(pista);
        a->setStatusTip(pista);
        return a;
    };
    actSeleccionar_ = accion(QStringLiteral("Seleccionar"), QKeySequence(Qt::CTRL | Qt::Key_P),
                             QStringLiteral("Selecciona el elemento actual"));
    actNuevo_ = accion(QStringLiteral("Nuevo"), QKeySequence(Qt::CTRL | Qt::Key_A),
                       QStringLiteral("Nuevo"));
    actRefrescar_ = accion(QStringLiteral("Refrescar"), QKeySequence(Qt::CTRL | Qt::Key_R),
                           QStringLiteral("Refrescar datos"));
    actCerrar_ = accion(QStringLiteral("Salir"), QKeySequence(Qt::CTRL | Qt::Key_S),
                        QStringLiteral("Salir"));
    auto *separador = new QAction(this);
    separador->setSeparator(true);
    const QList<QAction *> acciones {actSeleccionar_, actNuevo_, actRefrescar_, separador,
                                     actCerrar_};
    barra_->addActions(acciones);

    modelo_ = new ModeloSeleccion(this);
    tabla_ = new QTableView(this);
    tabla_->setModel(modelo_);
    tabla_->setToolTip(QStringLiteral("Pulse las teclas de cursor (arriba o abajo) manteniendo "
                                      "pulsada la tecla de mayúsculas"));
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setAlternatingRowColors(true);
    tabla_->setWordWrap(false);
    tabla_->setContextMenuPolicy(Qt::ActionsContextMenu);
    tabla_->addActions(acciones);
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla_->verticalHeader()->setDefaultSectionSize(tabla_->fontMetrics().height() + 6);
    tabla_->horizontalHeader()->setStretchLastSection(true);
    tabla_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *panel = new QHBoxLayout;
    grupoOpciones_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(opciones_.size()); ++i) {
        auto *boton = new QRadioButton(this);
        boton->hide();
        grupoOpciones_->addButton(boton, i);
        panel->addWidget(boton);
        opciones_[static_cast<size_t>(i)] = boton;
    }
    if (definicion_ && definicion_->numOpciones > 0)
        opciones_[0]->setChecked(true);
    panel->addSpacing(12);
    lblBuscar_ = new QLabel(QStringLiteral("&Buscar por nombre"), this);
    txtBuscar_ = new QLineEdit(this);
    lblBuscar_->setBuddy(txtBuscar_);
    panel->addWidget(lblBuscar_);
    panel->addWidget(txtBuscar_, 1);

    auto *capas = new QVBoxLayout(this);
    capas->setContentsMargins(4, 4, 4, 4);
    capas->addWidget(barra_);
    capas->addWidget(tabla_, 1);
    capas->addLayout(panel);
    resize(640, 460);
}

void TformSeleccion::establecerNuevoPermitido(bool permitido)
{
    actNuevo_->setEnabled(permitido && hayVistaEdicion(entidad_));
}

bool TformSeleccion::nuevoPermitido() const
{
    return actNuevo_->isEnabled();
}

int TformSeleccion::opcion() const
{
    return std::max(0, grupoOpciones_->checkedId());
}

void TformSeleccion::elegirOpcion(int opcion)
{
    if (opcion < 0 || opcion >= static_cast<int>(opciones_.size()))
        return;
    opciones_[static_cast<size_t>(opcion)]->setChecked(true);
    ActRefrescarExecute();
}

int TformSeleccion::anchoColumna(int caracteres) const
{
    // One character more for the cell's margins and grid line.
    return (caracteres + 1) * tabla_->fontMetrics().averageCharWidth();
}

void TformSeleccion::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TformSeleccion::FormShow()
{
    md().tcSeleccion.cerrar();
    navegacion().codigoSeleccionado = 0;
    ActRefrescarExecute();
    timer1_.stop();

    // Wide enough for the presented columns, within the screen.
    int ancho = 0;
    for (int i = 0; i < modelo_->columnCount(); ++i)
        ancho += tabla_->columnWidth(i);
    ancho += 2 * tabla_->frameWidth() + tabla_->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
            + 16;
    int maximo = 1200;
    if (const QScreen *pantalla = screen())
        maximo = pantalla->availableGeometry().width() - 40;
    resize(std::clamp(ancho, std::min(560, maximo), maximo), height());
    txtBuscar_->setFocus();
}

bool TformSeleccion::abrirConsulta(const QString &sql, const Parametros &extra)
{
    Consulta &consulta = md().tcSeleccion;
    consulta.establecerSql(sql);
    consulta.parametros() = extra;
    if (definicion_)
        ponerParametrosSeleccion(*definicion_, navegacion().codigoTerceroLinea,
                                 consulta.parametros());
    CursorEspera espera;
    const bool ok = cargarSeleccion(consulta, *modelo_);
    if (ok)
        irAFila(modelo_->rowCount() > 0 ? 0 : -1);
    return ok;
}

void TformSeleccion::ActRefrescarExecute()
{
    {
        const QSignalBlocker bloqueo(txtBuscar_);
        txtBuscar_->setInputMask(QString());
    }
    md().tcSeleccion.establecerSql(QString());
    if (!definicion_) {
        modelo_->limpiar();
        return;
    }

    setWindowTitle(definicion_->titulo.toString());
    for (int i = 0; i < static_cast<int>(opciones_.size()); ++i) {
        QRadioButton *boton = opciones_[static_cast<size_t>(i)];
        const bool usada = i < definicion_->numOpciones;
        if (usada)
            boton->setText(definicion_->opciones[static_cast<size_t>(i)].titulo.toString());
        boton->setVisible(usada);
    }
    const int elegida = std::min(opcion(), definicion_->numOpciones - 1);
    const OpcionSeleccion &o = definicion_->opciones[static_cast<size_t>(elegida)];
    lblBuscar_->setText(o.etiqueta.toString());
    if (o.busqueda == BusquedaSeleccion::Fecha) {
        const QSignalBlocker bloqueo(txtBuscar_);
        txtBuscar_->setInputMask(mascaraFechaSeleccion.toString());
    }

    if (!abrirConsulta(sentenciaBaseSeleccion(*definicion_, elegida), {})) {
        modelo_->limpiar();
        mensajes().error(md().tcSeleccion.error().texto);
    }
    arreglarCampos();
    txtBuscar_->setFocus();
}

void TformSeleccion::TxtBuscarChange()
{
    timer1_.stop();
    timer1_.setInterval(500);
    timer1_.start();
}

void TformSeleccion::Timer1Timer()
{
    timer1_.stop();
    if (!definicion_)
        return;
    const int elegida = opcion();
    if (elegida >= definicion_->numOpciones)
        return;
    const OpcionSeleccion &o = definicion_->opciones[static_cast<size_t>(elegida)];
    const QString texto = txtBuscar_->text();
    switch (o.busqueda) {
    case BusquedaSeleccion::Nombre:
    case BusquedaSeleccion::Fecha: {
        Parametros valor;
        valor.poner(QStringLiteral("pValor"), valorBusquedaSeleccion(o.busqueda, texto));
        // A failed search leaves the rows shown as they were.
        (void)abrirConsulta(sentenciaBusquedaSeleccion(*definicion_, elegida), valor);
        break;
    }
    case BusquedaSeleccion::Codigo: {
        const int fila = modelo_->filaCodigoEmpiezaPor(texto);
        if (fila >= 0)
            irAFila(fila);
        break;
    }
    case BusquedaSeleccion::Ninguna:
        break;
    }
    arreglarCampos();
}

void TformSeleccion::irAFila(int fila)
{
    if (fila < 0) {
        tabla_->setCurrentIndex({});
        return;
    }
    const QModelIndex indice = modelo_->index(fila, 0);
    tabla_->setCurrentIndex(indice);
    tabla_->scrollTo(indice, QAbstractItemView::PositionAtTop);
}

void TformSeleccion::arreglarCampos()
{
    QHeaderView *cabecera = tabla_->horizontalHeader();
    const QFontMetrics letra = cabecera->fontMetrics();
    const TablaResultado &filas = modelo_->filas();
    for (int i = 0; i < filas.columnas(); ++i) {
        QString titulo = tituloPorDefecto(filas.columna(i).nombre());
        int caracteres = anchoPorDefecto;
        if (definicion_) {
            for (int c = 0; c < definicion_->numColumnas; ++c) {
                const ColumnaSeleccion &col = definicion_->columnas[static_cast<size_t>(c)];
                if (col.nombre.compare(filas.columna(i).nombre(), Qt::CaseInsensitive) != 0)
                    continue;
                if (!col.titulo.isEmpty())
                    titulo = col.titulo.toString();
                caracteres = col.ancho;
            }
        }
        modelo_->ponerTitulo(filas.columna(i).nombre(), titulo);
        tabla_->setColumnWidth(
                i,
                std::max(anchoColumna(caracteres), letra.horizontalAdvance(titulo) + margenTitulo));
    }
}

void TformSeleccion::seleccionar()
{
    const QModelIndex actual = tabla_->currentIndex();
    const int fila = actual.isValid() ? actual.row() : -1;
    const qint64 codigo = modelo_->codigo(fila);
    if (fila >= 0 && codigo != 0 && definicion_) {
        EstadoNavegacion &estado = navegacion();
        estado.codigoSeleccionado = codigo;
        if (entidad_ == 200) {
            estado.nombreSeleccionado = modelo_->texto(fila, u"nombre");
            estado.detalleSeleccionado = QStringLiteral("Email: ")
                    + modelo_->texto(fila, u"emailempresa1") + QStringLiteral(" - Móvil: ")
                    + modelo_->texto(fila, u"movilempresa1");
        } else if (entidad_ == 210) {
            estado.nombreSeleccionado = modelo_->texto(fila, u"nombre");
        }
    }
    accept();
}

void TformSeleccion::ActNuevoExecute()
{
    if (!actNuevo_->isEnabled())
        return;
    navegacion().modoEdicion = QStringLiteral("nuevo");
    if (std::unique_ptr<QDialog> vista = crearVistaEdicion(entidad_, this))
        vista->exec();
    ActRefrescarExecute();
}

void TformSeleccion::ActCerrarExecute()
{
    reject();
}

void TformSeleccion::FormClose()
{
    timer1_.stop();
    md().tcSeleccion.cerrar();
}

void TformSeleccion::done(int resultado)
{
    FormClose();
    QDialog::done(resultado);
}

bool TformSeleccion::TxtBuscarKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        tabla_->setFocus();
        return true;
    default:
        return FormKeyPress(event);
    }
}

bool TformSeleccion::TablaKeyPress(QKeyEvent *event)
{
    const bool sinModificador = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            || event->modifiers() == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || (sinModificador && event->key() == Qt::Key_C)) {
        seleccionar();
        return true;
    }
    return FormKeyPress(event);
}

bool TformSeleccion::FormKeyPress(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        ActCerrarExecute();
        return true;
    }
    return false;
}

void TformSeleccion::keyPressEvent(QKeyEvent *event)
{
    if (!FormKeyPress(event))
        QDialog::keyPressEvent(event);
}

bool TformSeleccion::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == txtBuscar_ || objeto == tabla_) {
        if (event->type() == QEvent::ShortcutOverride
            && esAtajoPropio(static_cast<QKeyEvent *>(event))) {
            // The dialog's own shortcuts win over the controls' (Ctrl+A selects all there).
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            auto *tecla = static_cast<QKeyEvent *>(event);
            if (objeto == txtBuscar_ ? TxtBuscarKeyDown(tecla) : TablaKeyPress(tecla))
                return true;
        }
    }
    return QDialog::eventFilter(objeto, event);
}

qint64 abrirSeleccion(int entidad, QWidget *padre, bool permitirNuevo)
{
    TformSeleccion dialogo(entidad, padre);
    dialogo.establecerNuevoPermitido(permitirNuevo);
    dialogo.exec();
    return navegacion().codigoSeleccionado;
}
