#pragma once

#include "ErrorBD.h"

#include <QVariant>

#include <vector>

class DatasetTabla;
namespace esquema {
struct Columna;
}

// One window's buffer over a table dataset: the current row's values with the state
// browse / insert / edit. post() writes only the assigned (insert) or changed (edit) columns,
// finding the row by `codigo` alone; a refused save keeps the state and the typed values.
class Registro
{
public:
    enum class Estado { Navegar, Insertar, Editar };

    explicit Registro(const DatasetTabla &dataset);

    const DatasetTabla &dataset() const { return dataset_; }
    Estado estado() const { return estado_; }
    // True when a stored row is loaded (after locate or post).
    bool hayFila() const { return hayFila_; }

    // Code of the record that owns the rows of this buffer (work order, project), for the
    // dataset's defaults and derived values.
    qint64 codigoPadre() const { return codigoPadre_; }
    void establecerCodigoPadre(qint64 codigo) { codigoPadre_ = codigo; }

    // Reads the row with that code. False when there is none (error() empty) or when the
    // statement failed (error() set). Leaves any insert or edit without storing.
    [[nodiscard]] bool locate(qint64 codigo);
    // Begins a new row: every column NULL, then the dataset's defaults.
    void append();
    // Puts the loaded row in edit state; false when no row is loaded.
    bool edit();
    // Stores the row. Required columns are checked first (a warning, nothing sent); a server
    // refusal is reported as the dataset says. False on any failure, keeping state and values.
    [[nodiscard]] bool post();
    // Leaves insert or edit, restoring the loaded values (or none after append).
    void cancel();
    // Deletes the loaded row. False with error() set when the server refuses.
    [[nodiscard]] bool remove();

    // The row's code (0 before a new row is stored).
    qint64 codigo() const;
    QVariant valor(QStringView columna) const;
    bool esNulo(QStringView columna) const;
    QString texto(QStringView columna) const;
    qint64 entero(QStringView columna) const;
    double real(QStringView columna) const;
    // Assigns a value converted to the column's type; texts are cut to the column's size and
    // an empty text given to a column of another type stores NULL. Unknown column: ignored
    // with a warning on the console (a programming error).
    void asignar(QStringView columna, const QVariant &valor);
    bool modificado(QStringView columna) const;
    bool hayCambios() const;

    const ErrorBD &error() const { return error_; }

private:
    int indice(QStringView columna) const;
    QVariant convertir(const esquema::Columna &c, const QVariant &v) const;
    bool comprobarRequeridos();
    bool insertar();
    bool actualizar();
    void avisarErrorServidor();

    const DatasetTabla &dataset_;
    Estado estado_ = Estado::Navegar;
    bool hayFila_ = false;
    qint64 codigoPadre_ = 0;
    std::vector<QVariant> valores_;
    std::vector<QVariant> originales_;
    std::vector<bool> asignados_;
    ErrorBD error_;
};
