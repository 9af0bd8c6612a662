#include "UnidadLogin.h"

#include "AnalizadorSql.h"

#include "Configuracion.h"
#include "DatosSesion.h"
#include "Mensajes.h"
#include "UnidadModuloDatos.h"
#include "UnidadProcedimientos.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr auto seccionBD = u"Base de datos";
constexpr auto seccionIP = u"Servidor IP pública";
constexpr auto seccionAcceso = u"Acceso";

constexpr auto ayudaIniciar = u"Inicia la aplicación con el usuario especificado";
constexpr auto ayudaCancelar = u"Cancela el inicio de sesión";
constexpr auto ayudaOpciones = u"Muestra opciones avanzadas para acceso a base de datos";
constexpr auto ayudaObtenerIP
        = u"Obtiene la IP del usuario seleccionado en el servidor de bases de datos especificado";
constexpr auto ayudaTabla
        = u"Pulse en \"Probar\" para mostrar todas las tablas (en este desplegable)";

QStringList protocolos()
{
    return {u"mysql-4.1"_s, u"mysql-4.0"_s, u"mysql-3.23"_s, u"mysql-3.20"_s};
}

// The busy cursor for the length of an operation, or until restaurar().
class CursorOcupado
{
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { restaurar(); }
    CursorOcupado(const CursorOcupado &) = delete;
    CursorOcupado &operator=(const CursorOcupado &) = delete;

    void restaurar()
    {
        if (activo_)
            QApplication::restoreOverrideCursor();
        activo_ = false;
    }

private:
    bool activo_ = true;
};

// Whatever happens in a use of the address server: md().bdIP is disconnected again and the
// scratch query, closed, goes back to the main connection.
class UsoServidorIP
{
public:
    UsoServidorIP() { md().tc.cerrar(); }
    ~UsoServidorIP()
    {
        md().tc.cerrar();
        md().tc.establecerConexion(&md().bd);
        md().bdIP.desconectar();
    }
    UsoServidorIP(const UsoServidorIP &) = delete;
    UsoServidorIP &operator=(const UsoServidorIP &) = delete;
};

// The banner at the head of the window, drawn across the width it is given.
class BannerInicio : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return {440, 84}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect();

        QLinearGradient fondo(r.topLeft(), r.bottomRight());
        fondo.setColorAt(0.0, QColor(16, 46, 88));
        fondo.setColorAt(0.6, QColor(24, 92, 132));
        fondo.setColorAt(1.0, QColor(38, 140, 150));
        p.fillRect(r, fondo);

        // Two soft rings on the right as ornament.
        p.setPen(QPen(QColor(255, 255, 255, 40), 10));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(r.right() - 46, r.top() + 20), 58, 58);
        p.setPen(QPen(QColor(255, 255, 255, 26), 6));
        p.drawEllipse(QPointF(r.right() - 10, r.bottom() + 4), 44, 44);

        QFont nombre = font();
        nombre.setPointSizeF(nombre.pointSizeF() * 1.9);
        nombre.setBold(true);
        p.setFont(nombre);
        p.setPen(Qt::white);
        const QRectF zonaNombre(r.left() + 18, r.top() + 10, r.width() - 36, r.height() * 0.55);
        p.drawText(zonaNombre, Qt::AlignLeft | Qt::AlignBottom, tituloAplicacion());

        QFont lema = font();
        lema.setPointSizeF(lema.pointSizeF() * 0.95);
        p.setFont(lema);
        p.setPen(QColor(214, 232, 242));
        const QRectF zonaLema(r.left() + 20, zonaNombre.bottom() + 2, r.width() - 40,
                              r.bottom() - zonaNombre.bottom() - 8);
        p.drawText(zonaLema, Qt::AlignLeft | Qt::AlignTop,
                   u"Gestión comercial y servicio técnico"_s);
        p.drawText(zonaLema, Qt::AlignRight | Qt::AlignBottom,
                   TformInicioSesion::direccionWeb().host());
    }
};

void ponerAyuda(QWidget *control, QStringView ayuda)
{
    control->setToolTip(ayuda.toString());
    control->setStatusTip(ayuda.toString());
}

// Shows `texto` in an editable drop-down: the matching choice when there is one.
void ponerTextoCombo(QComboBox *combo, const QString &texto)
{
    const int i = combo->findText(texto);
    combo->setCurrentIndex(i);
    if (i < 0)
        combo->setEditText(texto);
}

QLineEdit *nuevoCampo(QWidget *padre, const QString &nombre, bool oculto = false)
{
    auto *campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    if (oculto)
        campo->setEchoMode(QLineEdit::Password);
    return campo;
}

QComboBox *nuevoCombo(QWidget *padre, const QString &nombre, const QStringList &opciones)
{
    auto *combo = new QComboBox(padre);
    combo->setObjectName(nombre);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(opciones);
    return combo;
}

QFormLayout *nuevoFormulario(QWidget *grupo)
{
    auto *f = new QFormLayout(grupo);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    f->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return f;
}

} // namespace

TformInicioSesion::TformInicioSesion(QWidget *padre)
    : QDialog(padre)
    , abridorWeb_([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    setObjectName(u"formInicioSesion"_s);
    setModal(true);

    DatosSesion &sesion = datosSesion();
    sesion.nickUsuario.clear();
    sesion.contrasenaUsuario.clear();
    sesion.esAdministrador = false;
    sesion.puedeModificar = false;
    setWindowTitle(tituloAplicacion() + u" v. " + sesion.versionPrograma);

    crearControles();
    leerConfiguracion();
    mostrarOpciones(false);
}

TformInicioSesion::~TformInicioSesion()
{
    md().tc.establecerConexion(&md().bd);
}

QUrl TformInicioSesion::direccionWeb()
{
    return QUrl(u"https://www.trevanox.es"_s);
}

void TformInicioSesion::establecerAbridorWeb(AbridorWeb abridor)
{
    abridorWeb_ = std::move(abridor);
}

QString TformInicioSesion::textoLibreria(const QString &protocolo)
{
    if (protocolo == u"mysql-4.1")
        return u"Librería: libmysql41.dll"_s;
    if (protocolo == u"mysql-4.0")
        return u"Librería: libmysql40.dll"_s;
    if (protocolo == u"mysql-3.23")
        return u"Librería: libmysql323.dll"_s;
    if (protocolo == u"mysql-3.20")
        return u"Librería: libmysql320.dll"_s;
    return u"Protocolo desconocido"_s;
}

std::optional<unsigned int> TformInicioSesion::leerPuerto(const QString &texto)
{
    const QString cifras = texto.trimmed();
    if (cifras.isEmpty())
        return std::nullopt;
    for (const QChar c : cifras) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const uint puerto = cifras.toUInt(&ok);
    if (!ok || puerto == 0 || puerto > 65535)
        return std::nullopt;
    return puerto;
}

QString TformInicioSesion::citarIdentificador(const QString &nombre)
{
    return AnalizadorSql::citarIdentificador(nombre);
}

bool TformInicioSesion::opcionesVisibles() const
{
    return !pcOpciones_->isHidden();
}

void TformInicioSesion::crearControles()
{
    auto *raiz = new QVBoxLayout(this);
    raiz->setSizeConstraint(QLayout::SetFixedSize);
    raiz->setSpacing(10);

    imgBanner_ = new BannerInicio(this);
    imgBanner_->setObjectName(u"imgBanner"_s);
    imgBanner_->setCursor(Qt::PointingHandCursor);
    ponerAyuda(imgBanner_, direccionWeb().toString());
    imgBanner_->installEventFilter(this);
    raiz->addWidget(imgBanner_);

    auto *acceso = new QFormLayout;
    acceso->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    acceso->setContentsMargins(12, 0, 12, 0);
    txtUsuario_ = nuevoCampo(this, u"txtUsuario"_s);
    txtContrasena_ = nuevoCampo(this, u"txtContrasena"_s, true);
    acceso->addRow(u"&Usuario:"_s, txtUsuario_);
    acceso->addRow(u"Co&ntraseña:"_s, txtContrasena_);
    raiz->addLayout(acceso);

    BIniciar_ = new QPushButton(u"&Iniciar"_s, this);
    BIniciar_->setObjectName(u"BIniciar"_s);
    ponerAyuda(BIniciar_, ayudaIniciar);
    BCancelar_ = new QPushButton(u"&Cancelar"_s, this);
    BCancelar_->setObjectName(u"BCancelar"_s);
    ponerAyuda(BCancelar_, ayudaCancelar);
    BOpciones_ = new QPushButton(this);
    BOpciones_->setObjectName(u"BOpciones"_s);
    ponerAyuda(BOpciones_, ayudaOpciones);
    auto *botones = new QHBoxLayout;
    botones->setContentsMargins(12, 0, 12, 0);
    botones->addWidget(BOpciones_);
    botones->addStretch();
    botones->addWidget(BIniciar_);
    botones->addWidget(BCancelar_);
    raiz->addLayout(botones);

    pcOpciones_ = new QTabWidget(this);
    pcOpciones_->setObjectName(u"pcOpciones"_s);
    raiz->addWidget(pcOpciones_);

    // "Base de datos": the main connection on the left, the address lookup on the right.
    tsBaseDatos_ = new QWidget;
    tsBaseDatos_->setObjectName(u"tsBaseDatos"_s);
    auto *pagina1 = new QHBoxLayout(tsBaseDatos_);

    auto *gbConexion = new QGroupBox(u"Conexión con la base de datos"_s, tsBaseDatos_);
    gbConexion->setObjectName(u"gbConexion"_s);
    auto *fConexion = nuevoFormulario(gbConexion);
    txtUsuarioBD_ = nuevoCampo(gbConexion, u"txtUsuarioBD"_s);
    txtContrasenaBD_ = nuevoCampo(gbConexion, u"txtContrasenaBD"_s, true);
    txtServidor_ = nuevoCampo(gbConexion, u"txtServidor"_s);
    txtPuerto_ = nuevoCampo(gbConexion, u"txtPuerto"_s);
    txtBD_ = nuevoCampo(gbConexion, u"txtBD"_s);
    cbProtocolo_ = nuevoCombo(gbConexion, u"cbProtocolo"_s, protocolos());
    txtServidor_->setMinimumWidth(170);
    fConexion->addRow(u"Usuario:"_s, txtUsuarioBD_);
    fConexion->addRow(u"Contraseña:"_s, txtContrasenaBD_);
    fConexion->addRow(u"Servidor:"_s, txtServidor_);
    fConexion->addRow(u"Puerto:"_s, txtPuerto_);
    fConexion->addRow(u"BD:"_s, txtBD_);
    fConexion->addRow(u"Protocolo:"_s, cbProtocolo_);
    pagina1->addWidget(gbConexion, 1);

    auto *columnaIP = new QVBoxLayout;
    auto *gbConexionIP = new QGroupBox(u"Conexión para obtención IP "_s, tsBaseDatos_);
    gbConexionIP->setObjectName(u"gbConexionIP"_s);
    auto *fConexionIP = nuevoFormulario(gbConexionIP);
    txtUsuarioIP_ = nuevoCampo(gbConexionIP, u"txtUsuarioIP"_s);
    txtContrasenaIP_ = nuevoCampo(gbConexionIP, u"txtContrasenaIP"_s, true);
    BObtenerIP_ = new QPushButton(u"O&btener IP"_s, gbConexionIP);
    BObtenerIP_->setObjectName(u"BObtenerIP"_s);
    ponerAyuda(BObtenerIP_, ayudaObtenerIP);
    BIrServidorIP_ = new QPushButton(u">>"_s, gbConexionIP);
    BIrServidorIP_->setObjectName(u"BIrServidorIP"_s);
    BIrServidorIP_->setFixedWidth(BIrServidorIP_->fontMetrics().horizontalAdvance(u">>"_s) + 24);
    ponerAyuda(BIrServidorIP_, ayudaObtenerIP);
    auto *botonesIP = new QHBoxLayout;
    botonesIP->addWidget(BObtenerIP_, 1);
    botonesIP->addWidget(BIrServidorIP_);
    fConexionIP->addRow(u"Usuario:"_s, txtUsuarioIP_);
    fConexionIP->addRow(u"Contraseña:"_s, txtContrasenaIP_);
    fConexionIP->addRow(QString(), botonesIP);
    columnaIP->addWidget(gbConexionIP);

    chkObtenerIPAuto_
            = new QCheckBox(u"Obtener IP automáticamente al iniciar la sesión"_s, tsBaseDatos_);
    chkObtenerIPAuto_->setObjectName(u"chkObtenerIPAuto"_s);
    columnaIP->addWidget(chkObtenerIPAuto_);

    gbIPObtenida_ = new QGroupBox(u"IP obtenida"_s, tsBaseDatos_);
    gbIPObtenida_->setObjectName(u"gbIPObtenida"_s);
    auto *fIPObtenida = nuevoFormulario(gbIPObtenida_);
    txtIP_ = nuevoCampo(gbIPObtenida_, u"txtIP"_s);
    txtCambio_ = nuevoCampo(gbIPObtenida_, u"txtCambio"_s);
    txtOtroDato_ = nuevoCampo(gbIPObtenida_, u"txtOtroDato"_s);
    for (QLineEdit *campo : {txtIP_, txtCambio_, txtOtroDato_}) {
        campo->setMaxLength(15);
        campo->setReadOnly(true);
    }
    fIPObtenida->addRow(u"IP:"_s, txtIP_);
    fIPObtenida->addRow(u"Cambio:"_s, txtCambio_);
    fIPObtenida->addRow(u"Otro dato:"_s, txtOtroDato_);
    columnaIP->addWidget(gbIPObtenida_);
    columnaIP->addStretch();
    pagina1->addLayout(columnaIP, 1);
    pcOpciones_->addTab(tsBaseDatos_, u"Base de datos"_s);

    // "Dirección servidor BD IP": where the address entries are kept.
    tsServidorIP_ = new QWidget;
    tsServidorIP_->setObjectName(u"tsServidorIP"_s);
    auto *pagina2 = new QVBoxLayout(tsServidorIP_);
    auto *gbServidorIP = new QGroupBox(u"Servidor BD IP "_s, tsServidorIP_);
    gbServidorIP->setObjectName(u"gbServidorIP"_s);
    auto *fServidorIP = nuevoFormulario(gbServidorIP);
    txtServidorIP_ = nuevoCampo(gbServidorIP, u"txtServidorIP"_s);
    txtPuertoIP_ = nuevoCampo(gbServidorIP, u"txtPuertoIP"_s);
    txtUsuarioBDIP_ = nuevoCampo(gbServidorIP, u"txtUsuarioBDIP"_s);
    txtContrasenaBDIP_ = nuevoCampo(gbServidorIP, u"txtContrasenaBDIP"_s, true);
    txtBDIP_ = nuevoCampo(gbServidorIP, u"txtBDIP"_s);
    cbTabla_ = nuevoCombo(gbServidorIP, u"cbTabla"_s, {});
    ponerAyuda(cbTabla_, ayudaTabla);
    cbProtocoloIP_ = nuevoCombo(gbServidorIP, u"cbProtocoloIP"_s, protocolos());
    lblProtocolo_ = new QLabel(gbServidorIP);
    lblProtocolo_->setObjectName(u"lblProtocolo"_s);
    lblProtocolo_->setMinimumWidth(
            lblProtocolo_->fontMetrics().horizontalAdvance(textoLibreria(u"mysql-3.23"_s)) + 8);
    auto *filaVersion = new QHBoxLayout;
    filaVersion->addWidget(cbProtocoloIP_, 1);
    filaVersion->addWidget(lblProtocolo_);
    fServidorIP->addRow(u"Servidor de BD:"_s, txtServidorIP_);
    fServidorIP->addRow(u"Puerto:"_s, txtPuertoIP_);
    fServidorIP->addRow(u"Usuario BD:"_s, txtUsuarioBDIP_);
    fServidorIP->addRow(u"Contraseña BD:"_s, txtContrasenaBDIP_);
    fServidorIP->addRow(u"Nombre BD:"_s, txtBDIP_);
    fServidorIP->addRow(u"Tabla:"_s, cbTabla_);
    fServidorIP->addRow(u"Versión:"_s, filaVersion);
    pagina2->addWidget(gbServidorIP);
    BProbar_ = new QPushButton(u"&Probar"_s, tsServidorIP_);
    BProbar_->setObjectName(u"BProbar"_s);
    auto *filaProbar = new QHBoxLayout;
    filaProbar->addStretch();
    filaProbar->addWidget(BProbar_);
    pagina2->addLayout(filaProbar);
    pagina2->addStretch();
    pcOpciones_->addTab(tsServidorIP_, u"Dirección servidor BD IP"_s);

    // Enter belongs to the password field alone: no button takes it as the default.
    for (QPushButton *boton : findChildren<QPushButton *>()) {
        boton->setAutoDefault(false);
        boton->setDefault(false);
    }

    connect(BIniciar_, &QPushButton::clicked, this, &TformInicioSesion::BIniciarClick);
    connect(txtContrasena_, &QLineEdit::returnPressed, this, &TformInicioSesion::BIniciarClick);
    connect(BCancelar_, &QPushButton::clicked, this, &TformInicioSesion::BCancelarClick);
    connect(BOpciones_, &QPushButton::clicked, this, &TformInicioSesion::BOpcionesClick);
    connect(BObtenerIP_, &QPushButton::clicked, this, &TformInicioSesion::BObtenerIPClick);
    connect(BIrServidorIP_, &QPushButton::clicked, this, &TformInicioSesion::BIrServidorIPClick);
    connect(BProbar_, &QPushButton::clicked, this, &TformInicioSesion::BProbarClick);
    connect(cbProtocolo_, &QComboBox::currentTextChanged, this,
            &TformInicioSesion::cbProtocoloChange);
    connect(cbProtocoloIP_, &QComboBox::currentTextChanged, this,
            &TformInicioSesion::cbProtocoloChange);
}

void TformInicioSesion::leerConfiguracion()
{
    txtUsuarioBD_->setText(leerIniCadena(seccionBD, u"Tipo BD MySQL - Usuario"));
    txtContrasenaBD_->setText(leerContrasenaBD());
    txtServidor_->setText(leerIniCadena(seccionBD, u"Tipo BD MySQL - Servidor"));
    txtPuerto_->setText(leerIniCadena(seccionBD, u"Tipo BD MySQL - Puerto", u"3306"_s));
    txtBD_->setText(leerIniCadena(seccionBD, u"Tipo BD MySQL - Nombre BD"));
    ponerTextoCombo(cbProtocolo_,
                    leerIniCadena(seccionBD, u"Tipo BD MySQL - Protocolo", u"mysql-4.1"_s));

    txtUsuario_->setText(leerIniCadena(seccionAcceso, u"Usuario"));

    txtUsuarioIP_->setText(leerIniCadena(seccionIP, u"Usuario IP"));
    txtContrasenaIP_->setText(leerIniCadena(seccionIP, u"Contraseña IP"));
    chkObtenerIPAuto_->setChecked(leerIniBool(seccionIP, u"Obtener Automática", false));
    txtIP_->setText(leerIniCadena(seccionIP, u"Última IP obtenida"));
    txtServidorIP_->setText(leerIniCadena(seccionIP, u"Servidor IP"));
    txtPuertoIP_->setText(leerIniCadena(seccionIP, u"Puerto", u"3306"_s));
    txtBDIP_->setText(leerIniCadena(seccionIP, u"BD"));
    ponerTextoCombo(cbTabla_, leerIniCadena(seccionIP, u"Tabla"));
    txtUsuarioBDIP_->setText(leerIniCadena(seccionIP, u"Usuario BD"));
    txtContrasenaBDIP_->setText(leerIniCadena(seccionIP, u"Contraseña BD"));
    ponerTextoCombo(cbProtocoloIP_, leerIniCadena(seccionIP, u"Protocolo"));

    // The last address obtained is shown when there is one.
    gbIPObtenida_->setVisible(!txtIP_->text().isEmpty());
    cbProtocoloChange();
}

bool TformInicioSesion::escribirConfiguracion()
{
    const bool escrito = escribirIniCadena(seccionIP, u"Usuario IP", txtUsuarioIP_->text())
            && escribirIniCadena(seccionIP, u"Contraseña IP", txtContrasenaIP_->text())
            && escribirIniBool(seccionIP, u"Obtener Automática", chkObtenerIPAuto_->isChecked())
            && escribirIniCadena(seccionIP, u"Última IP obtenida", txtIP_->text())
            && escribirIniCadena(seccionIP, u"Servidor IP", txtServidorIP_->text())
            && escribirIniCadena(seccionIP, u"Puerto", txtPuertoIP_->text())
            && escribirIniCadena(seccionIP, u"BD", txtBDIP_->text())
            && escribirIniCadena(seccionIP, u"Tabla", cbTabla_->currentText())
            && escribirIniCadena(seccionIP, u"Usuario BD", txtUsuarioBDIP_->text())
            && escribirIniCadena(seccionIP, u"Contraseña BD", txtContrasenaBDIP_->text())
            && escribirIniCadena(seccionIP, u"Protocolo", cbProtocoloIP_->currentText())
            && escribirIniCadena(seccionBD, u"Tipo BD MySQL - Usuario", txtUsuarioBD_->text())
            && escribirContrasenaBD(txtContrasenaBD_->text())
            && escribirIniCadena(seccionBD, u"Tipo BD MySQL - Servidor", txtServidor_->text())
            && escribirIniCadena(seccionBD, u"Tipo BD MySQL - Puerto", txtPuerto_->text())
            && escribirIniCadena(seccionBD, u"Tipo BD MySQL - Nombre BD", txtBD_->text())
            && escribirIniCadena(seccionBD, u"Tipo BD MySQL - Protocolo",
                                 cbProtocolo_->currentText())
            && escribirIniCadena(seccionAcceso, u"Usuario", txtUsuario_->text());
    if (!escrito)
        mensajes().error(mensajeErrorEscrituraIni());
    return escrito;
}

void TformInicioSesion::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    pcOpciones_->setCurrentWidget(tsBaseDatos_);
    aplicarFocoInicial();
}

bool TformInicioSesion::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == imgBanner_ && evento->type() == QEvent::MouseButtonRelease) {
        const auto *raton = static_cast<QMouseEvent *>(evento);
        if (raton->button() == Qt::LeftButton
            && imgBanner_->rect().contains(raton->position().toPoint())) {
            imgBannerClick();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TformInicioSesion::done(int resultado)
{
    md().tc.establecerConexion(&md().bd);
    QDialog::done(resultado);
}

void TformInicioSesion::aplicarFocoInicial()
{
    if (txtUsuarioBD_->text().isEmpty())
        enfocar(txtUsuarioBD_);
    else if (txtUsuario_->text().isEmpty())
        enfocar(txtUsuario_);
    else
        enfocar(txtContrasena_);
}

void TformInicioSesion::mostrarOpciones(bool mostrar)
{
    pcOpciones_->setVisible(mostrar);
    BOpciones_->setText(mostrar ? u"&Opciones <<"_s : u"&Opciones >>"_s);
}

void TformInicioSesion::enfocar(QWidget *campo)
{
    if (pcOpciones_->isAncestorOf(campo)) {
        mostrarOpciones(true);
        pcOpciones_->setCurrentWidget(tsServidorIP_->isAncestorOf(campo) ? tsServidorIP_
                                                                         : tsBaseDatos_);
    }
    campo->setFocus();
}

void TformInicioSesion::BOpcionesClick()
{
    mostrarOpciones(!opcionesVisibles());
}

void TformInicioSesion::BIrServidorIPClick()
{
    pcOpciones_->setCurrentWidget(tsServidorIP_);
}

void TformInicioSesion::BCancelarClick()
{
    reject();
}

void TformInicioSesion::imgBannerClick()
{
    if (abridorWeb_)
        abridorWeb_(direccionWeb());
}

void TformInicioSesion::cbProtocoloChange()
{
    lblProtocolo_->setText(textoLibreria(cbProtocoloIP_->currentText()));
}

void TformInicioSesion::BIniciarClick()
{
    const auto cerrarConsulta = qScopeGuard([] { md().tc.cerrar(); });
    DatosSesion &sesion = datosSesion();
    sesion.nickUsuario.clear();
    sesion.contrasenaUsuario.clear();
    sesion.esAdministrador = false;
    sesion.puedeModificar = false;

    if (chkObtenerIPAuto_->isChecked()) {
        txtIP_->clear();
        ErrorBD error;
        if (!obtenerIP(error)) {
            mensajes().error(error.texto);
            return;
        }
    }

    if (txtUsuario_->text().isEmpty() || txtServidor_->text().isEmpty()
        || txtBD_->text().isEmpty()) {
        mensajes().aviso(u"Falta datos por introducir para poder iniciar la sesión."_s);
        enfocar(txtUsuarioBD_); // shown first, as it lies in the options area
        return;
    }

    if (chkObtenerIPAuto_->isChecked() && !txtIP_->text().isEmpty())
        txtServidor_->setText(txtIP_->text());

    if (!escribirConfiguracion())
        return;

    iniciarSesion();
}

bool TformInicioSesion::conectarBD()
{
    Conexion &bd = md().bd;
    bd.desconectar();
    md().tc.establecerConexion(&bd);

    ParametrosConexion parametros;
    parametros.servidor = txtServidor_->text();
    parametros.baseDatos = txtBD_->text();
    parametros.usuario = txtUsuarioBD_->text();
    parametros.contrasena = txtContrasenaBD_->text();
    // The protocol name is kept in the settings only: the client library speaks to every
    // server version by itself.

    QString fallo;
    if (const std::optional<unsigned int> puerto = leerPuerto(txtPuerto_->text())) {
        parametros.puerto = *puerto;
        if (bd.conectar(parametros))
            return true;
        fallo = bd.ultimoError().texto;
    } else {
        fallo = u"El puerto ["_s + txtPuerto_->text() + u"] no es un número válido.";
    }
    mensajes().error(u"No se ha podido conectar con el servidor: ["_s + parametros.servidor
                     + u"]. Compruebe que el servicio de MySQL está " + u"iniciado y que ha "
                     + u"escrito correctamente el nombre/ip del servidor." + u"\n\n"
                     + u"A continuación la descripción completa del error:" + u"\n"
                     + u"ErrorConexion" + u"\n" + fallo);
    return false;
}

void TformInicioSesion::iniciarSesion()
{
    if (!conectarBD())
        return;

    DatosSesion &sesion = datosSesion();
    sesion.usuarioBD = txtUsuarioBD_->text();

    const QString nick = txtUsuario_->text();
    Consulta &tc = md().tc;
    tc.establecerSql(u"SELECT codigo, contrasena, nombre, \n"
                     u"modificacion, administrador, codigocliente\n"
                     u"FROM usuario\n"
                     u"WHERE upper(nick) = :pNick"_s);
    tc.parametros().poner(u"pNick"_s, nick.toUpper());
    if (!tc.abrir()) {
        mensajes().error(tc.error().texto);
        return;
    }
    if (tc.filas().vacia()) {
        sesion.nickUsuario.clear();
        mensajes().aviso(u"No existe el usuario ["_s + nick + u"]");
        return;
    }

    const TablaResultado &usuario = tc.filas();
    const QString digest = usuario.texto(0, u"contrasena");
    if (digest.toUpper() != calcularMD5(txtContrasena_->text())) {
        mensajes().aviso(u"La contraseña es incorrecta para el usuario ["_s + nick + u"]");
        txtContrasena_->selectAll();
        txtContrasena_->setFocus();
        return;
    }

    sesion.esAdministrador = usuario.texto(0, u"administrador") == u"S";
    sesion.codigoUsuario = usuario.entero(0, u"codigo");
    sesion.nombreUsuario = usuario.texto(0, u"nombre");
    sesion.puedeModificar = usuario.texto(0, u"modificacion") == u"S";
    sesion.contrasenaUsuario = digest;
    sesion.nickUsuario = nick;

    const QDateTime ahora = QDateTime::currentDateTime();
    const QTime hora(ahora.time().hour(), ahora.time().minute(), ahora.time().second());
    tc.establecerSql(u"INSERT INTO sesion (codigousuario, \n"
                     u" fecha, hora, estado) VALUES \n"
                     u" (:pIDUsuario, :pFecha, :pHora, :pEstado)"_s);
    tc.parametros()
            .poner(u"pIDUsuario"_s, sesion.codigoUsuario)
            .poner(u"pFecha"_s, ahora.date())
            .poner(u"pHora"_s, hora)
            .poner(u"pEstado"_s, u"Inicio"_s);
    if (!tc.ejecutar()) {
        sesion.nickUsuario.clear();
        mensajes().error(tc.error().texto);
        return;
    }

    comprobarVersion();
}

void TformInicioSesion::comprobarVersion()
{
    DatosSesion &sesion = datosSesion();
    const ResultadoBD<QString> version = obtenerParametro(u"version"_s);
    const ResultadoBD<QString> arrancar = version
            ? obtenerParametro(u"arrancar_si_version_distinta"_s)
            : ResultadoBD<QString> {};
    const ErrorBD &error = version ? arrancar.error : version.error;
    if (error.hay()) {
        sesion.nickUsuario.clear();
        mensajes().error(error.texto);
        return;
    }

    // A database that names no version accepts any.
    if (!version.valor.isEmpty() && version.valor != sesion.versionPrograma) {
        const QString diferencia = u"La versión actual de su aplicación ["_s
                + sesion.versionPrograma + u"] es diferente a la de la BD [" + version.valor
                + u"]. " + u"\n\n";
        if (arrancar.valor == u"N") {
            sesion.nickUsuario.clear();
            mensajes().aviso(diferencia + u" La aplicación no se iniciará hasta que "
                             + u"la actualice." + u"\n\n" + u"Consulte con Trevanox.");
            return;
        }
        if (arrancar.valor == u"S")
            mensajes().informacion(diferencia + u"Le recomendamos que actualice "
                                   + u"su versión de software para evitar "
                                   + u"incongruencias en los datos.");
    }
    accept();
}

bool TformInicioSesion::conectarServidorIP(ErrorBD &error)
{
    Conexion &bdIP = md().bdIP;
    bdIP.desconectar();

    const std::optional<unsigned int> puerto = leerPuerto(txtPuertoIP_->text());
    if (!puerto) {
        error = {0, u"El puerto ["_s + txtPuertoIP_->text() + u"] no es un número válido.", {}};
        return false;
    }
    ParametrosConexion parametros;
    parametros.servidor = txtServidorIP_->text();
    parametros.puerto = *puerto;
    parametros.baseDatos = txtBDIP_->text();
    parametros.usuario = txtUsuarioBDIP_->text();
    parametros.contrasena = txtContrasenaBDIP_->text();
    if (!bdIP.conectar(parametros)) {
        error = bdIP.ultimoError();
        return false;
    }
    md().tc.establecerConexion(&bdIP);
    return true;
}

bool TformInicioSesion::obtenerIP(ErrorBD &error)
{
    if (txtServidorIP_->text().isEmpty() || txtPuertoIP_->text().isEmpty()
        || cbProtocoloIP_->currentText().isEmpty() || txtBDIP_->text().isEmpty()
        || txtUsuarioBDIP_->text().isEmpty() || txtContrasenaBDIP_->text().isEmpty()) {
        mensajes().aviso(u"Faltan datos para obtener la IP desde un servidor de base de datos."_s);
        return true;
    }

    CursorOcupado cursor;
    UsoServidorIP uso;
    if (!conectarServidorIP(error))
        return false;

    // The table is named by the user: it goes into the statement quoted as an identifier.
    Consulta &tc = md().tc;
    tc.establecerSql(u"SELECT USUARIO, CONTRASENA, IPACTUAL, \n"
                     u" FECHACAMBIO, NOMBRECOMPLETO FROM \n"_s
                     + citarIdentificador(cbTabla_->currentText())
                     + u"\n WHERE USUARIO = :pUsuario AND \n" + u" CONTRASENA = :pContrasena");
    tc.parametros()
            .poner(u"pUsuario"_s, txtUsuarioIP_->text().toUpper())
            .poner(u"pContrasena"_s, txtContrasenaIP_->text());
    if (!tc.abrir()) {
        error = tc.error();
        return false;
    }
    if (tc.filas().vacia()) {
        cursor.restaurar();
        mensajes().aviso(u"El usuario "_s + txtUsuarioIP_->text()
                         + u" no existe o la contraseña es incorrecta.");
        enfocar(txtUsuarioIP_);
        return true;
    }

    const TablaResultado &entrada = tc.filas();
    txtIP_->setText(entrada.texto(0, u"IPACTUAL"));
    txtCambio_->setText(entrada.texto(0, u"FECHACAMBIO"));
    txtOtroDato_->setText(entrada.texto(0, u"NOMBRECOMPLETO"));
    gbIPObtenida_->setVisible(true);
    return true;
}

void TformInicioSesion::BObtenerIPClick()
{
    ErrorBD error;
    if (!obtenerIP(error))
        mensajes().error(error.texto);
}

void TformInicioSesion::BProbarClick()
{
    CursorOcupado cursor;
    UsoServidorIP uso;
    ErrorBD error;
    if (!conectarServidorIP(error)) {
        cursor.restaurar();
        mensajes().error(error.texto);
        return;
    }
    cursor.restaurar();
    mensajes().informacion(u"Conexión realizada correctamente."_s);

    const QString tabla = cbTabla_->currentText();
    cbTabla_->clear();
    cbTabla_->addItems(obtenerTablas());
    ponerTextoCombo(cbTabla_, tabla);

    Consulta &tc = md().tc;
    tc.establecerSql(u"select * from ip"_s);
    if (!tc.abrir()) {
        mensajes().error(tc.error().texto);
        return;
    }
    mensajes().mensaje(QString::number(tc.filas().filas()));
}
