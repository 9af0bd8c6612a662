#include "TablaResultado.h"

#include <limits>
#include <stdexcept>

namespace {
constexpr qint64 msPorDia = 86400000;
}

ColumnaResultado::ColumnaResultado(QString nombre, TipoDato tipo)
    : nombre_(std::move(nombre))
    , tipo_(tipo)
{ }

std::string_view ColumnaResultado::textoUtf8(qsizetype fila) const
{
    const auto i = static_cast<size_t>(fila);
    const uint32_t inicio = i == 0 ? 0 : finTexto_[i - 1];
    return std::string_view(textos_.data() + inicio, finTexto_[i] - inicio);
}

QString ColumnaResultado::texto(qsizetype fila) const
{
    const std::string_view t = textoUtf8(fila);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QDate ColumnaResultado::fecha(qsizetype fila) const
{
    if (esNulo(fila))
        return {};
    return QDate::fromJulianDay(entero(fila));
}

QTime ColumnaResultado::hora(qsizetype fila) const
{
    if (esNulo(fila))
        return {};
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(entero(fila) % msPorDia));
}

QDateTime ColumnaResultado::fechaHora(qsizetype fila) const
{
    if (esNulo(fila))
        return {};
    const qint64 v = entero(fila);
    return QDateTime(QDate::fromJulianDay(v / msPorDia),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(v % msPorDia)));
}

double ColumnaResultado::comoReal(qsizetype fila) const
{
    if (esNulo(fila))
        return 0;
    switch (tipo_) {
    case TipoDato::Entero:
    case TipoDato::Fecha:
    case TipoDato::Hora:
    case TipoDato::FechaHora:
        return static_cast<double>(entero(fila));
    case TipoDato::Real:
        return real(fila);
    case TipoDato::Texto:
        return texto(fila).toDouble();
    case TipoDato::Binario:
        return 0;
    }
    return 0;
}

QString ColumnaResultado::comoTexto(qsizetype fila) const
{
    if (esNulo(fila))
        return {};
    switch (tipo_) {
    case TipoDato::Entero:
        return QString::number(entero(fila));
    case TipoDato::Real:
        return QString::number(real(fila), 'g', 17);
    case TipoDato::Texto:
        return texto(fila);
    case TipoDato::Fecha:
        return fecha(fila).toString(Qt::ISODate);
    case TipoDato::Hora:
        return hora(fila).toString(Qt::ISODate);
    case TipoDato::FechaHora:
        return fechaHora(fila).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case TipoDato::Binario:
        return QString::fromLatin1(binario(fila));
    }
    return {};
}

QVariant ColumnaResultado::valor(qsizetype fila) const
{
    if (esNulo(fila))
        return {};
    switch (tipo_) {
    case TipoDato::Entero:
        return QVariant::fromValue<qint64>(entero(fila));
    case TipoDato::Real:
        return real(fila);
    case TipoDato::Texto:
        return texto(fila);
    case TipoDato::Fecha:
        return fecha(fila);
    case TipoDato::Hora:
        return hora(fila);
    case TipoDato::FechaHora:
        return fechaHora(fila);
    case TipoDato::Binario:
        return binario(fila);
    }
    return {};
}

void ColumnaResultado::reservar(qsizetype filas)
{
    const auto n = static_cast<size_t>(filas);
    nulos_.reserve(n);
    switch (tipo_) {
    case TipoDato::Real:
        reales_.reserve(n);
        break;
    case TipoDato::Texto:
        finTexto_.reserve(n);
        break;
    case TipoDato::Binario:
        binarios_.reserve(n);
        break;
    default:
        enteros_.reserve(n);
        break;
    }
}

void ColumnaResultado::anadirNulo()
{
    nulos_.push_back(1);
    switch (tipo_) {
    case TipoDato::Real:
        reales_.push_back(0);
        break;
    case TipoDato::Texto:
        finTexto_.push_back(static_cast<uint32_t>(textos_.size()));
        break;
    case TipoDato::Binario:
        binarios_.emplace_back();
        break;
    default:
        enteros_.push_back(0);
        break;
    }
}

void ColumnaResultado::anadirEntero(qint64 v)
{
    nulos_.push_back(0);
    enteros_.push_back(v);
}

void ColumnaResultado::anadirReal(double v)
{
    nulos_.push_back(0);
    reales_.push_back(v);
}

void ColumnaResultado::anadirTexto(const char *utf8, size_t longitud)
{
    if (textos_.size() + longitud > std::numeric_limits<uint32_t>::max())
        throw std::length_error("columna de texto demasiado grande");
    nulos_.push_back(0);
    textos_.append(utf8, longitud);
    finTexto_.push_back(static_cast<uint32_t>(textos_.size()));
}

void ColumnaResultado::anadirFecha(QDate f)
{
    nulos_.push_back(0);
    enteros_.push_back(f.toJulianDay());
}

void ColumnaResultado::anadirHora(qint64 msDelDia)
{
    nulos_.push_back(0);
    enteros_.push_back(msDelDia);
}

void ColumnaResultado::anadirFechaHora(qint64 diaJuliano, qint64 msDelDia)
{
    nulos_.push_back(0);
    enteros_.push_back(diaJuliano * msPorDia + msDelDia);
}

void ColumnaResultado::anadirBinario(QByteArray b)
{
    nulos_.push_back(0);
    binarios_.push_back(std::move(b));
}

size_t ColumnaResultado::bytesUsados() const
{
    size_t n = nulos_.capacity() + enteros_.capacity() * sizeof(qint64)
            + reales_.capacity() * sizeof(double) + textos_.capacity()
            + finTexto_.capacity() * sizeof(uint32_t);
    for (const QByteArray &b : binarios_)
        n += sizeof(QByteArray) + static_cast<size_t>(b.capacity());
    return n;
}

int TablaResultado::indice(QStringView nombre) const
{
    for (size_t i = 0; i < columnas_.size(); ++i) {
        if (QStringView(columnas_[i].nombre()).compare(nombre, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QVariant TablaResultado::valor(qsizetype fila, QStringView columna) const
{
    const int i = indice(columna);
    return i < 0 ? QVariant() : columnas_[static_cast<size_t>(i)].valor(fila);
}

QString TablaResultado::texto(qsizetype fila, QStringView columna) const
{
    const int i = indice(columna);
    return i < 0 ? QString() : columnas_[static_cast<size_t>(i)].comoTexto(fila);
}

qint64 TablaResultado::entero(qsizetype fila, QStringView columna) const
{
    const int i = indice(columna);
    if (i < 0)
        return 0;
    const ColumnaResultado &c = columnas_[static_cast<size_t>(i)];
    if (c.esNulo(fila))
        return 0;
    if (c.tipo() == TipoDato::Entero)
        return c.entero(fila);
    return static_cast<qint64>(c.comoReal(fila));
}

double TablaResultado::real(qsizetype fila, QStringView columna) const
{
    const int i = indice(columna);
    return i < 0 ? 0.0 : columnas_[static_cast<size_t>(i)].comoReal(fila);
}

ColumnaResultado &TablaResultado::anadirColumna(const QString &nombre, TipoDato tipo)
{
    columnas_.emplace_back(nombre, tipo);
    return columnas_.back();
}

size_t TablaResultado::bytesUsados() const
{
    size_t n = 0;
    for (const ColumnaResultado &c : columnas_)
        n += c.bytesUsados() + sizeof(ColumnaResultado);
    return n;
}
