#include "ModeloSeleccion.h"

#include "Formatos.h"

#include <limits>
#include <utility>

ModeloSeleccion::ModeloSeleccion(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int ModeloSeleccion::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(std::min<qsizetype>(filas_.filas(), std::numeric_limits<int>::max()));
}

int ModeloSeleccion::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : filas_.columnas();
}

QString ModeloSeleccion::textoCelda(int fila, int columna) const
{
    const ColumnaResultado &c = filas_.columna(columna);
    if (c.esNulo(fila))
        return {};
    switch (c.tipo()) {
    case TipoDato::Entero:
        return QString::number(c.entero(fila));
    case TipoDato::Real:
        return formatearNumero(c.real(fila), u",0.00");
    case TipoDato::Fecha:
        return formatearFecha(c.fecha(fila));
    case TipoDato::FechaHora:
        return formatearFecha(c.fechaHora(fila).date());
    case TipoDato::Hora:
        return formatearHora(c.hora(fila));
    case TipoDato::Texto:
        return c.texto(fila);
    case TipoDato::Binario:
        break;
    }
    return {};
}

QVariant ModeloSeleccion::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return textoCelda(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const TipoDato tipo = filas_.columna(index.column()).tipo();
        const bool numero = tipo == TipoDato::Entero || tipo == TipoDato::Real;
        return QVariant::fromValue(Qt::AlignVCenter | (numero ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant ModeloSeleccion::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < titulos_.size())
        return titulos_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ModeloSeleccion::tomarFilas(TablaResultado &filas)
{
    beginResetModel();
    filas_ = std::move(filas);
    filas.limpiar();
    titulos_.clear();
    for (int i = 0; i < filas_.columnas(); ++i)
        titulos_.append(filas_.columna(i).nombre());
    columnaCodigo_ = filas_.indice(u"codigo");
    endResetModel();
}

void ModeloSeleccion::limpiar()
{
    TablaResultado vacia;
    tomarFilas(vacia);
}

bool ModeloSeleccion::ponerTitulo(QStringView columna, const QString &titulo)
{
    const int i = filas_.indice(columna);
    if (i < 0)
        return false;
    titulos_[i] = titulo;
    Q_EMIT headerDataChanged(Qt::Horizontal, i, i);
    return true;
}

qint64 ModeloSeleccion::codigo(int fila) const
{
    if (columnaCodigo_ < 0 || fila < 0 || fila >= rowCount())
        return 0;
    const ColumnaResultado &c = filas_.columna(columnaCodigo_);
    if (c.esNulo(fila))
        return 0;
    return c.tipo() == TipoDato::Entero ? c.entero(fila) : static_cast<qint64>(c.comoReal(fila));
}

QString ModeloSeleccion::texto(int fila, QStringView columna) const
{
    if (fila < 0 || fila >= rowCount())
        return {};
    return filas_.texto(fila, columna);
}

int ModeloSeleccion::filaCodigoEmpiezaPor(QStringView prefijo) const
{
    if (columnaCodigo_ < 0)
        return -1;
    const ColumnaResultado &c = filas_.columna(columnaCodigo_);
    const int n = rowCount();
    for (int fila = 0; fila < n; ++fila) {
        if (c.esNulo(fila))
            continue;
        if (c.comoTexto(fila).startsWith(prefijo, Qt::CaseInsensitive))
            return fila;
    }
    return -1;
}
