#pragma once

#include <QDateTime>
#include <QDialog>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class DatasetTabla;
class Registro;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;
namespace esquema {
struct Columna;
}

// Opens the lookup dialog of entity `entidad` over `padre` and returns the chosen code (0 or
// less: nothing chosen). Set by the program at start; while empty, "+" in a code field does
// nothing.
extern std::function<qint64(int entidad, QWidget *padre)> abrirSeleccionCodigo;

// Document management hand-off. Attaching: module name, record code and the full path of a
// dropped file ("" when none). Viewing: module name, record code and whether deleting is
// allowed. While a hook is empty its button is not shown and files are not accepted.
extern std::function<void(const QString &modulo, qint64 codigo, const QString &fichero,
                          QWidget *padre)>
        adjuntarDocumentoRegistro;
extern std::function<void(const QString &modulo, qint64 codigo, bool permitirBorrar,
                          QWidget *padre)>
        verDocumentosRegistro;

// The modal window in which one record is created, changed or looked at: the mode read from
// navegacion() at creation, titles, audit columns, the keyboard and focus rules, the required
// checks, store and cancel. A kind binds its editors to columns with enlazar() (or lets
// TformGSimple build them) and calls FormCreate() at the end of its constructor.
class TformGBase : public QDialog
{
    Q_OBJECT

public:
    enum class Modo { Nuevo, Modificar, Zoom };

    // How an editor shows and takes its column's value.
    enum class Editor {
        Automatico, // from the column type: line edit, multi-line text, date picker, number
        Texto,
        Multilinea,
        ListaFija, // drop-down list holding only `valores`
        ListaAbierta, // drop-down list suggesting `valores`, any text allowed
        Casilla, // check box storing "S" / "N"
        Contrasena, // line edit showing "*"
        Numero, // line edit read with analizarNumero
        Entero, // spin box
        Fecha, // date picker (time stored as 00:00)
        FechaHora, // date and time picker
    };

    // One bound editor.
    struct Campo
    {
        QString columna;
        const esquema::Columna *descriptor = nullptr;
        QWidget *editor = nullptr;
        Editor tipo = Editor::Texto;
        QString etiqueta; // caption, used in messages
        bool puntoDecimal = true; // a typed "." becomes "," (numbers only)
        int entidad = 0; // lookup entity of a code field; 0: none
        QString tablaNombre; // table whose `nombre` is shown in `nombre` for the typed code
        QLabel *nombre = nullptr;
        std::function<void()> alPulsarMas; // "+" in the field, instead of the lookup
        QVariant mostrado; // the editor's value when the record was shown
        QPalette paleta; // the editor's normal palette
    };

    // The view keeps a record buffer of its own on `dataset`; the mode and code are copied
    // from navegacion() now.
    TformGBase(const DatasetTabla &dataset, QWidget *parent = nullptr);
    ~TformGBase() override;

    Modo modo() const { return modo_; }
    // The view's record buffer.
    Registro &registro() { return *registro_; }
    // False when the record to open was not found: the view has warned and exec() returns
    // Rejected at once without showing.
    bool registroValido() const { return valido_; }
    // Time the view was opened, stamped into fechaa or fecham.
    const QDateTime &momentoApertura() const { return apertura_; }

    // Whether a view of class `tipo` (other than `excepto`) is open, so a view never opens a
    // second one of a kind that is already on screen beneath it.
    static bool hayVistaAbierta(const QMetaObject &tipo, const TformGBase *excepto = nullptr);

    // Binds an editor to a column: focus colouring, keys, shown and taken values. The editor
    // must be a child of the view; `tipo` Automatico chooses by the column's type.
    Campo &enlazar(QWidget *editor, const QString &columna, Editor tipo = Editor::Automatico);
    // Creates the editor that suits the column (and tipo), with the column's maximum length,
    // and binds it. The caller places it in a layout.
    Campo &crearCampo(const QString &columna, Editor tipo = Editor::Automatico,
                      const QStringList &valores = {});
    Campo *campo(const QString &columna);

    // Configuration, before FormCreate().
    void establecerTitulos(const QString &nuevo, const QString &modificar, const QString &zoom);
    void establecerAuditoria(bool escribir) { auditoria_ = escribir; }
    void establecerComprobarCodigo(bool comprobar) { comprobarCodigo_ = comprobar; }
    void anadirRequerido(const QString &columna, const QString &mensaje);
    void establecerPrimerCampo(QWidget *editor) { primerCampo_ = editor; }
    void establecerCampoFallo(QWidget *editor) { campoFallo_ = editor; }
    // Document module of the kind ("Notas", "Recursos"); `ficheros` accepts dropped files
    // in mode "modificar".
    void establecerDocumentos(const QString &modulo, bool ficheros);

    // The code label and field ("Código", disabled, read-only); the kind places them.
    QLabel *etiquetaCodigo() const { return lblCodigo; }
    QLineEdit *campoCodigo() const { return txtCodigo; }
    // Where the kind puts its fields, above the separator and the buttons.
    QVBoxLayout *contenido() const { return contenido_; }
    QPushButton *botonAceptar() const { return bAceptar; }
    QPushButton *botonCancelar() const { return bCancelar; }

    // Handlers of the design. FormCreate prepares the record for the mode; FormShow sets the
    // initial focus; BAceptarClick checks, stores and closes (true when the view closed);
    // BCancelarClick discards and closes.
    void FormCreate();
    void FormShow();
    bool BAceptarClick();
    void BCancelarClick();
    void bAdjuntarClick();
    void bVisualizarDocumentosClick();
    // Attaches the first of `rutas` (full paths) in mode "modificar"; false when ignored.
    bool SoltarFichero(const QStringList &rutas);

    // Writes the editors into the record; a number that does not read warns naming the field,
    // focuses it and gives false.
    bool volcarCampos();
    // Shows the record in the editors.
    void mostrarRegistro();
    // Refreshes the name shown beside a code field.
    void refrescarNombre(Campo &c);
    // Makes the field turn what is typed into capitals as it is typed.
    void escribirEnMayusculas(Campo &c);
    // Runs the field's "+" action: its own one, or the lookup of its entity, writing the
    // chosen code into the field. Nothing in mode "zoom".
    void seleccionarCodigo(Campo &c);

    int exec() override;
    void reject() override;

protected:
    // Insert defaults of the kind, after the audit values of a new row.
    virtual void valoresIniciales() { }
    // After the record is shown (every mode).
    virtual void registroMostrado() { }
    // After the checks, just before the row is stored; false stops (the kind has told why).
    virtual bool antesDeGuardar() { return true; }

    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void dragEnterEvent(QDragEnterEvent *evento) override;
    void dropEvent(QDropEvent *evento) override;
    // Fixes the window to the size its contents ask for (after fields are added or hidden).
    void ajustarVentana();

private:
    bool teclaCampo(Campo &c, QKeyEvent *tecla);
    void colorear(Campo &c, bool foco);
    QVariant valorEditor(const Campo &c) const;
    void ponerValorEditor(Campo &c, const QVariant &valor);
    Campo *campoDeEditor(QObject *objeto);
    bool aceptaFicheros() const;

    std::unique_ptr<Registro> registro_;
    Modo modo_ = Modo::Nuevo;
    qint64 codigoRegistro_ = 0;
    bool valido_ = true;
    bool creada_ = false;
    bool centrada_ = false;
    bool auditoria_ = true;
    bool comprobarCodigo_ = true;
    QDateTime apertura_;
    QString titulos_[3];
    std::vector<std::pair<QString, QString>> requeridos_;
    std::vector<std::unique_ptr<Campo>> campos_;
    QWidget *primerCampo_ = nullptr;
    QWidget *campoFallo_ = nullptr;
    QString moduloDocumentos_;
    bool ficheros_ = false;

    QVBoxLayout *contenido_ = nullptr;
    QLabel *lblCodigo = nullptr;
    QLineEdit *txtCodigo = nullptr;
    QPushButton *bAceptar = nullptr;
    QPushButton *bCancelar = nullptr;
    QPushButton *bAdjuntar = nullptr;
    QPushButton *bVisualizarDocumentos = nullptr;
};
