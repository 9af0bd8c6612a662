#pragma once

#include "TablaResultado.h"

#include <QAbstractTableModel>
#include <QStringList>

// Read-only table model over the rows of a lookup: typed display (numbers right-aligned,
// dates as dd/MM/yyyy), captions that the dialog may replace, and the code locate.
class ModeloSeleccion : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ModeloSeleccion(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes the rows of `filas` (left empty) in place of the current ones; the captions go
    // back to the column names.
    void tomarFilas(TablaResultado &filas);
    void limpiar();
    const TablaResultado &filas() const { return filas_; }

    // Replaces the caption of the column of that name (case ignored); false when there is none.
    bool ponerTitulo(QStringView columna, const QString &titulo);

    // The `codigo` of the row (0 when the row or the column does not exist or is NULL).
    qint64 codigo(int fila) const;
    // The text of the named column in the row ("" when either does not exist).
    QString texto(int fila, QStringView columna) const;
    // The first row whose `codigo`, as text, starts with `prefijo`, case ignored; -1 if none.
    int filaCodigoEmpiezaPor(QStringView prefijo) const;

private:
    QString textoCelda(int fila, int columna) const;

    TablaResultado filas_;
    QStringList titulos_;
    int columnaCodigo_ = -1;
};
