#pragma once

#include "DefinicionSeleccion.h"

#include <QDialog>
#include <QTimer>

#include <array>

class ModeloSeleccion;
class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;
class QToolBar;

// The lookup dialog: offers the rows of one record kind (by entity number), searches them
// while the user types and leaves the chosen row's code in navegacion().codigoSeleccionado
// (0: nothing chosen), and for contacts and third parties its name and detail.
class TformSeleccion : public QDialog
{
    Q_OBJECT

public:
    // `entidad` selects the kind; an unknown number gives an empty dialog.
    explicit TformSeleccion(int entidad, QWidget *parent = nullptr);
    ~TformSeleccion() override;

    int entidad() const { return entidad_; }
    // "Nuevo" is offered unless the caller disables it; it is never enabled for a kind
    // without an edit view.
    void establecerNuevoPermitido(bool permitido);
    bool nuevoPermitido() const;

    // Handlers, callable without exec().
    void FormShow();
    void ActRefrescarExecute();
    void TxtBuscarChange();
    void Timer1Timer();
    void arreglarCampos();
    void seleccionar();
    void ActSeleccionarExecute() { seleccionar(); }
    void ActNuevoExecute();
    void ActCerrarExecute();
    void FormClose();

    // The chosen search option (0-based) and choosing one as a click would.
    int opcion() const;
    void elegirOpcion(int opcion);

    // Controls, for callers and tests.
    QTableView *tabla() const { return tabla_; }
    QLineEdit *txtBuscar() const { return txtBuscar_; }
    QLabel *lblBuscar() const { return lblBuscar_; }
    QTimer *timer1() { return &timer1_; }
    ModeloSeleccion *modelo() const { return modelo_; }
    QRadioButton *botonOpcion(int i) const { return opciones_.at(static_cast<size_t>(i)); }
    QAction *actSeleccionar() const { return actSeleccionar_; }
    QAction *actNuevo() const { return actNuevo_; }
    QAction *actRefrescar() const { return actRefrescar_; }
    QAction *actCerrar() const { return actCerrar_; }

    // The pixel width a column of `caracteres` characters gets in the grid.
    int anchoColumna(int caracteres) const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *event) override;
    void done(int resultado) override;

private:
    // Key handlers; true when the key was used.
    bool TxtBuscarKeyDown(QKeyEvent *event);
    bool TablaKeyPress(QKeyEvent *event);
    bool FormKeyPress(QKeyEvent *event);

    void crearControles();
    // Runs md().tcSeleccion with `sql` and the kind's parameters into the grid.
    bool abrirConsulta(const QString &sql, const Parametros &extra);
    void irAFila(int fila);

    int entidad_;
    const DefinicionSeleccion *definicion_;

    ModeloSeleccion *modelo_ = nullptr;
    QToolBar *barra_ = nullptr;
    QAction *actSeleccionar_ = nullptr;
    QAction *actNuevo_ = nullptr;
    QAction *actRefrescar_ = nullptr;
    QAction *actCerrar_ = nullptr;
    QTableView *tabla_ = nullptr;
    QButtonGroup *grupoOpciones_ = nullptr;
    std::array<QRadioButton *, 4> opciones_ {};
    QLabel *lblBuscar_ = nullptr;
    QLineEdit *txtBuscar_ = nullptr;
    QTimer timer1_;
};

// Shows the lookup dialog of `entidad` modally over `padre` ("Nuevo" offered as
// `permitirNuevo` says) and returns the chosen code, 0 when nothing was chosen. The outputs
// stay in navegacion() as the dialog left them.
qint64 abrirSeleccion(int entidad, QWidget *padre, bool permitirNuevo = true);
