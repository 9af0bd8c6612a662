#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

#include <cstdint>
#include <string>
#include <vector>

// Kind of values a result column holds.
enum class TipoDato { Entero, Real, Texto, Fecha, Hora, FechaHora, Binario };

// One column of a result, stored column-wise with one typed vector; NULL is kept apart
// from 0 and "" in a byte per row.
class ColumnaResultado
{
public:
    ColumnaResultado(QString nombre, TipoDato tipo);

    const QString &nombre() const { return nombre_; }
    TipoDato tipo() const { return tipo_; }
    qsizetype filas() const { return static_cast<qsizetype>(nulos_.size()); }

    bool esNulo(qsizetype fila) const { return nulos_[static_cast<size_t>(fila)] != 0; }
    // Typed reads; each is valid only for its own column type (asserted) and gives
    // 0, "", invalid dates or an empty array for NULL.
    qint64 entero(qsizetype fila) const { return enteros_[static_cast<size_t>(fila)]; }
    double real(qsizetype fila) const { return reales_[static_cast<size_t>(fila)]; }
    QString texto(qsizetype fila) const;
    // The raw UTF-8 bytes of a text column (no copy; valid while the column lives).
    std::string_view textoUtf8(qsizetype fila) const;
    QDate fecha(qsizetype fila) const;
    QTime hora(qsizetype fila) const;
    QDateTime fechaHora(qsizetype fila) const;
    QByteArray binario(qsizetype fila) const { return binarios_[static_cast<size_t>(fila)]; }

    // Any column as a number: integers and reals as they are, texts parsed (0 when not a number),
    // dates as their Julian day; NULL gives 0.
    double comoReal(qsizetype fila) const;
    // Any column as text as the database would show it ("2026-12-11", "12:30:00").
    QString comoTexto(qsizetype fila) const;
    // The value as a QVariant of the column's type; a null QVariant for NULL.
    QVariant valor(qsizetype fila) const;

    // Filling, used by the database layer.
    void reservar(qsizetype filas);
    void anadirNulo();
    void anadirEntero(qint64 v);
    void anadirReal(double v);
    void anadirTexto(const char *utf8, size_t longitud);
    void anadirFecha(QDate f); // stored as Julian day
    void anadirHora(qint64 msDelDia);
    void anadirFechaHora(qint64 diaJuliano, qint64 msDelDia);
    void anadirBinario(QByteArray b);

    // Approximate heap bytes used by the column.
    size_t bytesUsados() const;

private:
    QString nombre_;
    TipoDato tipo_;
    std::vector<uint8_t> nulos_;
    std::vector<qint64>
            enteros_; // Entero; Fecha (Julian day); Hora (ms); FechaHora (ms since JD 0)
    std::vector<double> reales_;
    std::string textos_; // all texts of the column, back to back
    std::vector<uint32_t> finTexto_;
    std::vector<QByteArray> binarios_;
};

// A whole result set: named columns of equal length. Column names are looked up without
// regard to case, as the server does.
class TablaResultado
{
public:
    TablaResultado() = default;

    qsizetype filas() const { return columnas_.empty() ? 0 : columnas_.front().filas(); }
    int columnas() const { return static_cast<int>(columnas_.size()); }
    bool vacia() const { return filas() == 0; }

    const ColumnaResultado &columna(int i) const { return columnas_[static_cast<size_t>(i)]; }
    ColumnaResultado &columna(int i) { return columnas_[static_cast<size_t>(i)]; }
    // Index of the column of that name, or -1.
    int indice(QStringView nombre) const;

    // Convenience reads by column name; an unknown name gives a null QVariant / "" / 0.
    QVariant valor(qsizetype fila, QStringView columna) const;
    QString texto(qsizetype fila, QStringView columna) const;
    qint64 entero(qsizetype fila, QStringView columna) const;
    double real(qsizetype fila, QStringView columna) const;

    void limpiar() { columnas_.clear(); }
    // Adds a column; references to earlier columns may be invalidated.
    ColumnaResultado &anadirColumna(const QString &nombre, TipoDato tipo);

    size_t bytesUsados() const;

private:
    std::vector<ColumnaResultado> columnas_;
};
