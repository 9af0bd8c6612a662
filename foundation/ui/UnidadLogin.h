#pragma once

#include "DatosSesion.h"

#include "ErrorBD.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The login window: connects md().bd with the connection settings of the settings file, checks
// the nick and password against `usuario`, writes the "Inicio" row of `sesion`, checks the
// program's version against the database and fills datosSesion(). Optionally it first looks up
// the database server's current address on an address server (md().bdIP).
//
// Modal. Its result is datosSesion().nickUsuario: non-empty when a login succeeded. However it
// is closed, md().tc is attached to md().bd again.
class TformInicioSesion : public QDialog
{
    Q_OBJECT

public:
    // Opens the maker's web page; replaceable so that tests do not start a browser.
    using AbridorWeb = std::function<void(const QUrl &)>;

    explicit TformInicioSesion(QWidget *padre = nullptr);
    ~TformInicioSesion() override;

    // The maker's web page, opened by a click on the banner.
    [[nodiscard]] static QUrl direccionWeb();
    // Replaces the opener of the web page (by default QDesktopServices::openUrl).
    void establecerAbridorWeb(AbridorWeb abridor);

    // Text of the label beside the address server's protocol for that protocol name:
    // "Librería: libmysql41.dll" for "mysql-4.1" and so on, "Protocolo desconocido" otherwise.
    [[nodiscard]] static QString textoLibreria(const QString &protocolo);

    // A port as typed: digits only (blanks around them allowed), 1 to 65535. Nothing otherwise.
    [[nodiscard]] static std::optional<unsigned int> leerPuerto(const QString &texto);

    // The address server's table name quoted as an identifier: between backticks, with any
    // backtick inside doubled.
    [[nodiscard]] static QString citarIdentificador(const QString &nombre);

    bool opcionesVisibles() const;

public Q_SLOTS:
    // Tries to log in with the typed nick and password (the window closes on success).
    void BIniciarClick();
    void BCancelarClick();
    // Shows or hides the options area.
    void BOpcionesClick();
    // Looks up the current address of the address entry; errors are shown.
    void BObtenerIPClick();
    // Switches to the address server's page.
    void BIrServidorIPClick();
    // Connects to the address server, lists its tables and counts the rows of its table "ip".
    void BProbarClick();
    void cbProtocoloChange();
    void imgBannerClick();

protected:
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void done(int resultado) override;

private:
    void crearControles();
    void leerConfiguracion();
    // Focus on the database user if it is empty, else on the nick if empty, else on the
    // password; the options area is shown when the field lies in it.
    void aplicarFocoInicial();
    void mostrarOpciones(bool mostrar);
    void enfocar(QWidget *campo);
    // Writes the fields to the settings file; false (error already shown) when it refuses.
    [[nodiscard]] bool escribirConfiguracion();
    // The address lookup. A missing datum or an unknown entry is warned about and counts as
    // done; false with `error` set when the address server failed.
    [[nodiscard]] bool obtenerIP(ErrorBD &error);
    // Connects md().bdIP from the address server's page and attaches md().tc to it.
    [[nodiscard]] bool conectarServidorIP(ErrorBD &error);
    // Steps of "&Iniciar" from the connection on; md().tc is attached to md().bd and open
    // queries are closed by the caller.
    void iniciarSesion();
    [[nodiscard]] bool conectarBD();
    void comprobarVersion();

    AbridorWeb abridorWeb_;

    QLabel *imgBanner_ = nullptr;
    QLineEdit *txtUsuario_ = nullptr;
    QLineEdit *txtContrasena_ = nullptr;
    QPushButton *BIniciar_ = nullptr;
    QPushButton *BCancelar_ = nullptr;
    QPushButton *BOpciones_ = nullptr;

    QTabWidget *pcOpciones_ = nullptr;
    QWidget *tsBaseDatos_ = nullptr;
    QWidget *tsServidorIP_ = nullptr;

    QLineEdit *txtUsuarioBD_ = nullptr;
    QLineEdit *txtContrasenaBD_ = nullptr;
    QLineEdit *txtServidor_ = nullptr;
    QLineEdit *txtPuerto_ = nullptr;
    QLineEdit *txtBD_ = nullptr;
    QComboBox *cbProtocolo_ = nullptr;

    QLineEdit *txtUsuarioIP_ = nullptr;
    QLineEdit *txtContrasenaIP_ = nullptr;
    QPushButton *BObtenerIP_ = nullptr;
    QPushButton *BIrServidorIP_ = nullptr;
    QCheckBox *chkObtenerIPAuto_ = nullptr;
    QGroupBox *gbIPObtenida_ = nullptr;
    QLineEdit *txtIP_ = nullptr;
    QLineEdit *txtCambio_ = nullptr;
    QLineEdit *txtOtroDato_ = nullptr;

    QLineEdit *txtServidorIP_ = nullptr;
    QLineEdit *txtPuertoIP_ = nullptr;
    QLineEdit *txtUsuarioBDIP_ = nullptr;
    QLineEdit *txtContrasenaBDIP_ = nullptr;
    QLineEdit *txtBDIP_ = nullptr;
    QComboBox *cbTabla_ = nullptr;
    QComboBox *cbProtocoloIP_ = nullptr;
    QLabel *lblProtocolo_ = nullptr;
    QPushButton *BProbar_ = nullptr;
};
