#include "VistaEdicion.h"

#include "DatasetTabla.h"
#include "DatosSesion.h"
#include "DescriptorTabla.h"
#include "EstadoNavegacion.h"
#include "Formatos.h"
#include "Mensajes.h"
#include "Registro.h"
#include "UnidadProcedimientos.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

std::function<qint64(int entidad, QWidget *padre)> abrirSeleccionCodigo;
std::function<void(const QString &, qint64, const QString &, QWidget *)> adjuntarDocumentoRegistro;
std::function<void(const QString &, qint64, bool, QWidget *)> verDocumentosRegistro;

namespace {

// Views alive now, for hayVistaAbierta().
std::vector<TformGBase *> &vistasAbiertas()
{
    static std::vector<TformGBase *> vistas;
    return vistas;
}

const QColor colorFoco(192, 220, 192);
// A date picker at its minimum shows this blank text and stands for an empty column.
const QDate fechaVacia(1899, 12, 30);

QString deUtf8(const char *texto)
{
    return QString::fromUtf8(texto ? texto : "");
}

bool esNumerica(esquema::Tipo t)
{
    return t == esquema::Tipo::Real || t == esquema::Tipo::Entero32 || t == esquema::Tipo::Entero64;
}

TformGBase::Modo leerModo(const QString &texto)
{
    if (texto == QLatin1String("modificar"))
        return TformGBase::Modo::Modificar;
    if (texto == QLatin1String("zoom"))
        return TformGBase::Modo::Zoom;
    return TformGBase::Modo::Nuevo;
}

} // namespace

TformGBase::TformGBase(const DatasetTabla &dataset, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , registro_(dataset.crearRegistro())
    , modo_(leerModo(navegacion().modoEdicion))
    , codigoRegistro_(navegacion().codigoRegistro)
{
    vistasAbiertas().push_back(this);
    setModal(true);

    auto *principal = new QVBoxLayout(this);
    contenido_ = new QVBoxLayout;
    principal->addLayout(contenido_);

    lblCodigo = new QLabel(QStringLiteral("Código"), this);
    txtCodigo = new QLineEdit(this);
    txtCodigo->setObjectName(QStringLiteral("txtCodigo"));
    txtCodigo->setReadOnly(true);
    txtCodigo->setEnabled(false);
    txtCodigo->setFocusPolicy(Qt::NoFocus);
    txtCodigo->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12 + 12);
    lblCodigo->setBuddy(txtCodigo);

    auto *linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    principal->addWidget(linea);

    auto *botones = new QHBoxLayout;
    bAdjuntar = new QPushButton(QStringLiteral("Adjuntar..."), this);
    bAdjuntar->setObjectName(QStringLiteral("bAdjuntar"));
    bAdjuntar->setToolTip(QStringLiteral("Añade un documento/fichero al registro actual"));
    bAdjuntar->setAutoDefault(false);
    bAdjuntar->hide();
    bVisualizarDocumentos = new QPushButton(QStringLiteral("Documentos..."), this);
    bVisualizarDocumentos->setObjectName(QStringLiteral("bVisualizarDocumentos"));
    bVisualizarDocumentos->setToolTip(QStringLiteral("Visualiza los documentos asociados"));
    bVisualizarDocumentos->setAutoDefault(false);
    bVisualizarDocumentos->hide();
    bAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    bAceptar->setObjectName(QStringLiteral("bAceptar"));
    bAceptar->setToolTip(QStringLiteral("Valida las modiciaciones"));
    bCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    bCancelar->setObjectName(QStringLiteral("bCancelar"));
    bCancelar->setToolTip(QStringLiteral("Cancela la modificación"));
    botones->addWidget(bAdjuntar);
    botones->addWidget(bVisualizarDocumentos);
    botones->addStretch();
    botones->addWidget(bAceptar);
    botones->addWidget(bCancelar);
    principal->addLayout(botones);

    connect(bAceptar, &QPushButton::clicked, this, [this] { BAceptarClick(); });
    connect(bCancelar, &QPushButton::clicked, this, &TformGBase::BCancelarClick);
    connect(bAdjuntar, &QPushButton::clicked, this, &TformGBase::bAdjuntarClick);
    connect(bVisualizarDocumentos, &QPushButton::clicked, this,
            &TformGBase::bVisualizarDocumentosClick);
}

TformGBase::~TformGBase()
{
    auto &v = vistasAbiertas();
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    // A row still being inserted or edited is discarded with the buffer.
    registro_->cancel();
}

bool TformGBase::hayVistaAbierta(const QMetaObject &tipo, const TformGBase *excepto)
{
    return std::any_of(vistasAbiertas().begin(), vistasAbiertas().end(), [&](const TformGBase *v) {
        return v != excepto && v->metaObject() == &tipo;
    });
}

void TformGBase::establecerTitulos(const QString &nuevo, const QString &modificar,
                                   const QString &zoom)
{
    titulos_[0] = nuevo;
    titulos_[1] = modificar;
    titulos_[2] = zoom;
}

void TformGBase::anadirRequerido(const QString &columna, const QString &mensaje)
{
    requeridos_.emplace_back(columna, mensaje);
}

void TformGBase::establecerDocumentos(const QString &modulo, bool ficheros)
{
    moduloDocumentos_ = modulo;
    ficheros_ = ficheros;
}

TformGBase::Campo *TformGBase::campo(const QString &columna)
{
    for (auto &c : campos_) {
        if (c->columna == columna)
            return c.get();
    }
    return nullptr;
}

TformGBase::Campo *TformGBase::campoDeEditor(QObject *objeto)
{
    for (auto &c : campos_) {
        if (c->editor == objeto)
            return c.get();
    }
    return nullptr;
}

TformGBase::Campo &TformGBase::enlazar(QWidget *editor, const QString &columna, Editor tipo)
{
    auto c = std::make_unique<Campo>();
    c->columna = columna;
    c->descriptor = esquema::buscarColumna(registro_->dataset().tabla(), columna.toStdString());
    if (!c->descriptor)
        qWarning() << "columna desconocida" << columna << "en"
                   << registro_->dataset().nombreTabla();
    c->editor = editor;
    if (tipo == Editor::Automatico) {
        tipo = Editor::Texto;
        if (qobject_cast<QCheckBox *>(editor))
            tipo = Editor::Casilla;
        else if (qobject_cast<QComboBox *>(editor))
            tipo = Editor::ListaAbierta;
        else if (qobject_cast<QPlainTextEdit *>(editor))
            tipo = Editor::Multilinea;
        else if (qobject_cast<QSpinBox *>(editor))
            tipo = Editor::Entero;
        else if (auto *f = qobject_cast<QDateTimeEdit *>(editor))
            tipo = (f->displayedSections() & QDateTimeEdit::TimeSections_Mask) ? Editor::FechaHora
                                                                               : Editor::Fecha;
        else if (c->descriptor && esNumerica(c->descriptor->tipo))
            tipo = Editor::Numero;
    }
    c->tipo = tipo;
    c->puntoDecimal = c->descriptor && c->descriptor->tipo == esquema::Tipo::Real;
    c->etiqueta = c->descriptor ? deUtf8(c->descriptor->etiqueta) : columna;
    if (c->etiqueta.isEmpty())
        c->etiqueta = columna;
    c->paleta = editor->palette();
    if (editor->objectName().isEmpty())
        editor->setObjectName(columna);
    editor->installEventFilter(this);
    campos_.push_back(std::move(c));
    return *campos_.back();
}

TformGBase::Campo &TformGBase::crearCampo(const QString &columna, Editor tipo,
                                          const QStringList &valores)
{
    const esquema::Columna *d
            = esquema::buscarColumna(registro_->dataset().tabla(), columna.toStdString());
    if (tipo == Editor::Automatico && d) {
        switch (d->tipo) {
        case esquema::Tipo::TextoLargo:
            tipo = Editor::Multilinea;
            break;
        case esquema::Tipo::Real:
        case esquema::Tipo::Entero32:
        case esquema::Tipo::Entero64:
            tipo = Editor::Numero;
            break;
        case esquema::Tipo::Fecha:
        case esquema::Tipo::FechaHora:
            tipo = Editor::Fecha;
            break;
        case esquema::Tipo::Hora:
        case esquema::Tipo::Texto:
        case esquema::Tipo::Binario:
            tipo = Editor::Texto;
            break;
        }
    }
    const int tamano = d ? d->tamano : 0;
    const int anchoCaracter = fontMetrics().horizontalAdvance(QLatin1Char('x'));
    QWidget *editor = nullptr;
    switch (tipo) {
    case Editor::Automatico:
    case Editor::Texto:
    case Editor::Contrasena: {
        auto *e = new QLineEdit(this);
        if (tamano > 0) {
            e->setMaxLength(tamano);
            e->setMinimumWidth(anchoCaracter * std::clamp(tamano, 4, 50) + 12);
        }
        if (tipo == Editor::Contrasena)
            e->setEchoMode(QLineEdit::Password);
        editor = e;
        break;
    }
    case Editor::Numero: {
        auto *e = new QLineEdit(this);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setMaximumWidth(anchoCaracter * 16 + 12);
        editor = e;
        break;
    }
    case Editor::Multilinea: {
        auto *e = new QPlainTextEdit(this);
        e->setTabChangesFocus(true);
        e->setMinimumWidth(anchoCaracter * 50 + 12);
        e->setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
        if (tamano > 0) {
            connect(e, &QPlainTextEdit::textChanged, e, [e, tamano] {
                const QString t = e->toPlainText();
                if (t.size() > tamano) {
                    e->setPlainText(t.left(tamano));
                    e->moveCursor(QTextCursor::End);
                }
            });
        }
        editor = e;
        break;
    }
    case Editor::ListaFija:
    case Editor::ListaAbierta: {
        auto *e = new QComboBox(this);
        e->setEditable(tipo == Editor::ListaAbierta);
        e->addItems(valores);
        e->setInsertPolicy(QComboBox::NoInsert);
        if (tipo == Editor::ListaAbierta && tamano > 0)
            e->lineEdit()->setMaxLength(tamano);
        e->setMinimumWidth(anchoCaracter * 20);
        editor = e;
        break;
    }
    case Editor::Casilla:
        editor = new QCheckBox(this);
        break;
    case Editor::Entero: {
        auto *e = new QSpinBox(this);
        e->setRange(0, 99999);
        e->setMaximumWidth(anchoCaracter * 10 + 30);
        editor = e;
        break;
    }
    case Editor::Fecha:
    case Editor::FechaHora: {
        auto *e = new QDateTimeEdit(this);
        e->setDisplayFormat(tipo == Editor::Fecha ? QStringLiteral("dd/MM/yyyy")
                                                  : QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        e->setCalendarPopup(true);
        e->setMinimumDate(fechaVacia);
        e->setSpecialValueText(QStringLiteral(" "));
        e->setMaximumWidth(anchoCaracter * (tipo == Editor::Fecha ? 14 : 22) + 30);
        editor = e;
        break;
    }
    }
    Campo &c = enlazar(editor, columna, tipo);
    if (tipo == Editor::Numero && d && d->tipo != esquema::Tipo::Real)
        c.puntoDecimal = false;
    return c;
}

void TformGBase::FormCreate()
{
    creada_ = true;
    apertura_ = QDateTime::currentDateTime();
    apertura_.setTime(
            QTime(apertura_.time().hour(), apertura_.time().minute(), apertura_.time().second()));
    const esquema::Tabla &tabla = registro_->dataset().tabla();
    const auto tiene = [&](const char *columna) {
        return esquema::buscarColumna(tabla, columna) != nullptr;
    };
    const qint64 usuario = datosSesion().codigoUsuario;

    for (auto &c : campos_) {
        if (auto *combo = qobject_cast<QComboBox *>(c->editor)) {
            if (combo->isEditable())
                combo->lineEdit()->installEventFilter(this);
        }
    }

    switch (modo_) {
    case Modo::Nuevo:
        setWindowTitle(titulos_[0]);
        lblCodigo->hide();
        txtCodigo->hide();
        registro_->append();
        if (auditoria_ && tiene("codusuarioa")) {
            registro_->asignar(u"codusuarioa", usuario);
            registro_->asignar(u"fechaa", apertura_);
        }
        valoresIniciales();
        break;
    case Modo::Modificar:
    case Modo::Zoom:
        setWindowTitle(titulos_[modo_ == Modo::Modificar ? 1 : 2]);
        if (!registro_->locate(codigoRegistro_)) {
            valido_ = false;
            if (registro_->error().numero != 0 || !registro_->error().texto.isEmpty())
                mensajes().error(QStringLiteral("Se ha producido un error al leer el registro:\n")
                                 + QString::number(registro_->error().numero) + QStringLiteral(" ")
                                 + registro_->error().texto);
            else
                mensajes().aviso(QStringLiteral("El registro seleccionado ya no existe."));
            break;
        }
        if (modo_ == Modo::Modificar) {
            registro_->edit();
            if (auditoria_ && tiene("codusuariom")) {
                registro_->asignar(u"codusuariom", usuario);
                registro_->asignar(u"fecham", apertura_);
            }
        } else {
            bAceptar->hide();
        }
        break;
    }

    if (valido_) {
        mostrarRegistro();
        if (modo_ == Modo::Zoom) {
            for (auto &c : campos_) {
                if (auto *e = qobject_cast<QLineEdit *>(c->editor))
                    e->setReadOnly(true);
                else if (auto *e = qobject_cast<QPlainTextEdit *>(c->editor))
                    e->setReadOnly(true);
                else if (auto *e = qobject_cast<QAbstractSpinBox *>(c->editor))
                    e->setReadOnly(true);
                else
                    c->editor->setEnabled(false);
            }
        }
    }

    const bool hayModulo = !moduloDocumentos_.isEmpty();
    bAdjuntar->setVisible(hayModulo && bool(adjuntarDocumentoRegistro));
    bAdjuntar->setEnabled(modo_ == Modo::Modificar);
    bVisualizarDocumentos->setVisible(hayModulo && bool(verDocumentosRegistro));
    bVisualizarDocumentos->setEnabled(modo_ != Modo::Nuevo);
    setAcceptDrops(aceptaFicheros());
    ajustarVentana();
}

void TformGBase::ajustarVentana()
{
    layout()->activate();
    setFixedSize(sizeHint());
}

void TformGBase::mostrarRegistro()
{
    if (modo_ != Modo::Nuevo)
        txtCodigo->setText(QString::number(registro_->codigo()));
    for (auto &c : campos_) {
        ponerValorEditor(*c, registro_->valor(c->columna));
        c->mostrado = valorEditor(*c);
        if (c->nombre)
            refrescarNombre(*c);
    }
    registroMostrado();
}

void TformGBase::ponerValorEditor(Campo &c, const QVariant &valor)
{
    const bool nulo = valor.isNull() || !valor.isValid();
    switch (c.tipo) {
    case Editor::Numero: {
        QString texto;
        if (!nulo) {
            if (c.descriptor && c.descriptor->tipo == esquema::Tipo::Real)
                texto = formatearNumero(valor.toDouble(), u"");
            else
                texto = QString::number(valor.toLongLong());
        }
        static_cast<QLineEdit *>(c.editor)->setText(texto);
        break;
    }
    case Editor::Entero:
        static_cast<QSpinBox *>(c.editor)->setValue(nulo ? 0 : valor.toInt());
        break;
    case Editor::Multilinea:
        static_cast<QPlainTextEdit *>(c.editor)->setPlainText(valor.toString());
        break;
    case Editor::ListaFija: {
        auto *e = static_cast<QComboBox *>(c.editor);
        e->setCurrentIndex(e->findText(valor.toString()));
        break;
    }
    case Editor::ListaAbierta:
        static_cast<QComboBox *>(c.editor)->setCurrentText(valor.toString());
        break;
    case Editor::Casilla:
        static_cast<QCheckBox *>(c.editor)->setChecked(valor.toString() == QLatin1String("S"));
        break;
    case Editor::Fecha:
    case Editor::FechaHora: {
        auto *e = static_cast<QDateTimeEdit *>(c.editor);
        if (nulo)
            e->setDateTime(QDateTime(fechaVacia, QTime(0, 0)));
        else if (valor.typeId() == QMetaType::QDate)
            e->setDateTime(QDateTime(valor.toDate(), QTime(0, 0)));
        else
            e->setDateTime(valor.toDateTime());
        break;
    }
    case Editor::Automatico:
    case Editor::Texto:
    case Editor::Contrasena:
        static_cast<QLineEdit *>(c.editor)->setText(valor.toString());
        break;
    }
}

QVariant TformGBase::valorEditor(const Campo &c) const
{
    switch (c.tipo) {
    case Editor::Entero:
        return static_cast<QSpinBox *>(c.editor)->value();
    case Editor::Multilinea:
        return static_cast<QPlainTextEdit *>(c.editor)->toPlainText();
    case Editor::ListaFija:
    case Editor::ListaAbierta:
        return static_cast<QComboBox *>(c.editor)->currentText();
    case Editor::Casilla:
        return static_cast<QCheckBox *>(c.editor)->isChecked() ? QStringLiteral("S")
                                                               : QStringLiteral("N");
    case Editor::Fecha:
    case Editor::FechaHora: {
        const QDateTime m = static_cast<QDateTimeEdit *>(c.editor)->dateTime();
        if (m.date() <= fechaVacia)
            return QVariant(QMetaType(QMetaType::QDateTime));
        return c.tipo == Editor::Fecha ? QDateTime(m.date(), QTime(0, 0)) : m;
    }
    case Editor::Automatico:
    case Editor::Texto:
    case Editor::Contrasena:
    case Editor::Numero:
        break;
    }
    return static_cast<QLineEdit *>(c.editor)->text();
}

bool TformGBase::volcarCampos()
{
    for (auto &c : campos_) {
        const QVariant actual = valorEditor(*c);
        if (actual == c->mostrado)
            continue;
        if (c->tipo == Editor::Numero) {
            const QString texto = actual.toString().trimmed();
            if (texto.isEmpty()) {
                registro_->asignar(c->columna, QVariant());
            } else {
                const std::optional<double> n = analizarNumero(texto);
                const bool entero = c->descriptor && c->descriptor->tipo != esquema::Tipo::Real;
                if (!n || (entero && *n != static_cast<double>(static_cast<qint64>(*n)))) {
                    mensajes().aviso(QStringLiteral("'") + texto
                                     + QStringLiteral("' no es un valor válido para el campo ")
                                     + c->etiqueta + QStringLiteral("."));
                    c->editor->setFocus();
                    return false;
                }
                if (entero)
                    registro_->asignar(c->columna, static_cast<qint64>(*n));
                else
                    registro_->asignar(c->columna, *n);
            }
        } else {
            registro_->asignar(c->columna, actual);
        }
        c->mostrado = actual;
    }
    return true;
}

void TformGBase::refrescarNombre(Campo &c)
{
    if (!c.nombre || c.tablaNombre.isEmpty())
        return;
    const std::optional<double> n = analizarNumero(valorEditor(c).toString());
    if (!n || *n == 0) {
        c.nombre->clear();
        return;
    }
    const ResultadoBD<QString> nombre = obtenerNombre(static_cast<qint64>(*n), c.tablaNombre);
    c.nombre->setText(nombre.valor);
}

void TformGBase::FormShow()
{
    if (modo_ == Modo::Zoom) {
        bCancelar->setFocus();
        return;
    }
    QWidget *primero = primerCampo_;
    if (!primero) {
        for (auto &c : campos_) {
            if (c->editor->isEnabled() && c->editor->focusPolicy() != Qt::NoFocus) {
                primero = c->editor;
                break;
            }
        }
    }
    if (primero)
        primero->setFocus();
}

bool TformGBase::BAceptarClick()
{
    if (modo_ == Modo::Zoom || !valido_)
        return false;
    if (comprobarCodigo_ && txtCodigo->isVisibleTo(this) && txtCodigo->text().isEmpty()) {
        mensajes().aviso(QStringLiteral("El campo Código debe tener un valor."));
        txtCodigo->setFocus();
        return false;
    }
    if (!volcarCampos())
        return false;
    for (const auto &[columna, mensaje] : requeridos_) {
        const QVariant v = registro_->valor(columna);
        if (v.isNull() || v.toString().isEmpty()) {
            mensajes().aviso(mensaje);
            if (Campo *c = campo(columna))
                c->editor->setFocus();
            return false;
        }
    }
    if (!antesDeGuardar())
        return false;
    if (registro_->estado() != Registro::Estado::Navegar && !registro_->post()) {
        QWidget *foco = campoFallo_;
        if (!foco) {
            if (Campo *c = campo(QStringLiteral("nombre")))
                foco = c->editor;
        }
        if (foco)
            foco->setFocus();
        return false;
    }
    accept();
    return true;
}

void TformGBase::BCancelarClick()
{
    registro_->cancel();
    QDialog::reject();
}

void TformGBase::reject()
{
    BCancelarClick();
}

int TformGBase::exec()
{
    if (!creada_)
        FormCreate();
    if (!valido_)
        return QDialog::Rejected;
    return QDialog::exec();
}

void TformGBase::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (!centrada_) {
        centrada_ = true;
        const QScreen *pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
        if (pantalla) {
            QRect r = frameGeometry();
            r.moveCenter(pantalla->availableGeometry().center());
            move(r.topLeft());
        }
        FormShow();
    }
}

bool TformGBase::eventFilter(QObject *objeto, QEvent *evento)
{
    Campo *c = campoDeEditor(objeto);
    if (!c) {
        // The line edit inside an editable drop-down list answers for the list.
        if (auto *e = qobject_cast<QLineEdit *>(objeto))
            c = campoDeEditor(e->parentWidget());
        if (!c || evento->type() != QEvent::KeyPress)
            return QDialog::eventFilter(objeto, evento);
    }
    switch (evento->type()) {
    case QEvent::KeyPress:
        if (teclaCampo(*c, static_cast<QKeyEvent *>(evento)))
            return true;
        break;
    case QEvent::FocusIn:
        colorear(*c, true);
        break;
    case QEvent::FocusOut:
        colorear(*c, false);
        if (c->nombre)
            refrescarNombre(*c);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}

bool TformGBase::teclaCampo(Campo &c, QKeyEvent *tecla)
{
    switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextPrevChild(true);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (tecla->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
            return false;
        if (c.tipo == Editor::ListaFija || c.tipo == Editor::ListaAbierta
            || c.tipo == Editor::Multilinea)
            return false;
        focusNextPrevChild(tecla->key() == Qt::Key_Down);
        return true;
    default:
        break;
    }
    if (tecla->text() == QLatin1String("+") && modo_ != Modo::Zoom
        && (c.alPulsarMas || (c.entidad > 0 && abrirSeleccionCodigo))) {
        seleccionarCodigo(c);
        return true;
    }
    if (tecla->text() == QLatin1String(".") && c.puntoDecimal && c.tipo == Editor::Numero) {
        static_cast<QLineEdit *>(c.editor)->insert(QStringLiteral(","));
        return true;
    }
    return false;
}

void TformGBase::escribirEnMayusculas(Campo &c)
{
    QLineEdit *e = qobject_cast<QLineEdit *>(c.editor);
    if (auto *combo = qobject_cast<QComboBox *>(c.editor))
        e = combo->lineEdit();
    if (!e)
        return;
    connect(e, &QLineEdit::textEdited, e, [e](const QString &texto) {
        const QString mayusculas = texto.toUpper();
        if (mayusculas != texto) {
            const int cursor = e->cursorPosition();
            e->setText(mayusculas);
            e->setCursorPosition(cursor);
        }
    });
}

void TformGBase::seleccionarCodigo(Campo &c)
{
    if (modo_ == Modo::Zoom)
        return;
    if (c.alPulsarMas) {
        c.alPulsarMas();
        return;
    }
    if (c.entidad <= 0 || !abrirSeleccionCodigo)
        return;
    c.editor->setFocus();
    const qint64 elegido = abrirSeleccionCodigo(c.entidad, this);
    if (elegido > 0) {
        ponerValorEditor(c, elegido);
        refrescarNombre(c);
    }
}

void TformGBase::colorear(Campo &c, bool foco)
{
    if (!foco) {
        c.editor->setPalette(c.paleta);
        return;
    }
    QPalette p = c.paleta;
    p.setColor(QPalette::Base, colorFoco);
    p.setColor(QPalette::Button, colorFoco);
    c.editor->setPalette(p);
}

bool TformGBase::aceptaFicheros() const
{
    return ficheros_ && modo_ == Modo::Modificar && !moduloDocumentos_.isEmpty()
            && adjuntarDocumentoRegistro;
}

void TformGBase::bAdjuntarClick()
{
    if (modo_ == Modo::Modificar && adjuntarDocumentoRegistro)
        adjuntarDocumentoRegistro(moduloDocumentos_, registro_->codigo(), QString(), this);
}

void TformGBase::bVisualizarDocumentosClick()
{
    if (modo_ != Modo::Nuevo && verDocumentosRegistro)
        verDocumentosRegistro(moduloDocumentos_, registro_->codigo(), modo_ != Modo::Zoom, this);
}

bool TformGBase::SoltarFichero(const QStringList &rutas)
{
    if (!aceptaFicheros() || rutas.isEmpty())
        return false;
    adjuntarDocumentoRegistro(moduloDocumentos_, registro_->codigo(), rutas.first().left(260),
                              this);
    return true;
}

void TformGBase::dragEnterEvent(QDragEnterEvent *evento)
{
    if (aceptaFicheros() && evento->mimeData()->hasUrls())
        evento->acceptProposedAction();
}

void TformGBase::dropEvent(QDropEvent *evento)
{
    QStringList rutas;
    for (const QUrl &u : evento->mimeData()->urls()) {
        if (u.isLocalFile())
            rutas << u.toLocalFile();
    }
    if (SoltarFichero(rutas))
        evento->acceptProposedAction();
}
