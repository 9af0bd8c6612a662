#include "Registro.h"

#include "DatasetTabla.h"
#include "Mensajes.h"

#include <QDateTime>
#include <QtDebug>

namespace {

QString etiquetaDe(const esquema::Columna &c)
{
    const QString etiqueta = QString::fromUtf8(c.etiqueta);
    return etiqueta.isEmpty() ? QString::fromUtf8(c.nombre) : etiqueta;
}

bool vacio(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return true;
    if (v.typeId() == QMetaType::QString)
        return v.toString().isEmpty();
    return false;
}

bool iguales(const QVariant &a, const QVariant &b)
{
    if (a.isNull() != b.isNull())
        return false;
    return a.isNull() || a == b;
}

} // namespace

Registro::Registro(const DatasetTabla &dataset)
    : dataset_(dataset)
{
    const auto n = dataset_.tabla().columnas.size();
    valores_.resize(n);
    originales_.resize(n);
    asignados_.assign(n, false);
}

int Registro::indice(QStringView columna) const
{
    const auto &cols = dataset_.tabla().columnas;
    for (size_t i = 0; i < cols.size(); ++i) {
        if (QString::fromUtf8(cols[i].nombre).compare(columna, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QVariant Registro::convertir(const esquema::Columna &c, const QVariant &v) const
{
    if (!v.isValid() || v.isNull())
        return {};
    const bool textoVacio = v.typeId() == QMetaType::QString && v.toString().isEmpty();
    switch (c.tipo) {
    case esquema::Tipo::Entero64:
    case esquema::Tipo::Entero32:
        return textoVacio ? QVariant() : QVariant::fromValue<qint64>(v.toLongLong());
    case esquema::Tipo::Real:
        return textoVacio ? QVariant() : QVariant(v.toDouble());
    case esquema::Tipo::Texto: {
        QString s = v.toString();
        if (c.tamano > 0 && s.size() > c.tamano)
            s.truncate(c.tamano);
        return s;
    }
    case esquema::Tipo::TextoLargo:
        return v.toString();
    case esquema::Tipo::Fecha:
        return textoVacio ? QVariant() : QVariant(v.toDate());
    case esquema::Tipo::Hora:
        return textoVacio ? QVariant() : QVariant(v.toTime());
    case esquema::Tipo::FechaHora:
        return textoVacio ? QVariant() : QVariant(v.toDateTime());
    case esquema::Tipo::Binario:
        return v.toByteArray();
    }
    return v;
}

bool Registro::locate(qint64 codigo)
{
    error_.limpiar();
    estado_ = Estado::Navegar;
    TablaResultado r;
    Conexion *c = dataset_.conexion();
    if (!c->consultar(QStringLiteral("SELECT * FROM ") + dataset_.nombreTabla()
                              + QStringLiteral(" WHERE codigo = :pCodigo"),
                      {{QStringLiteral("pCodigo"), QVariant::fromValue(codigo)}}, r)) {
        error_ = c->ultimoError();
        hayFila_ = false;
        return false;
    }
    if (r.filas() == 0) {
        hayFila_ = false;
        std::fill(valores_.begin(), valores_.end(), QVariant());
        originales_ = valores_;
        return false;
    }
    const auto &cols = dataset_.tabla().columnas;
    for (size_t i = 0; i < cols.size(); ++i) {
        const int j = r.indice(QString::fromUtf8(cols[i].nombre));
        valores_[i] = j < 0 ? QVariant() : convertir(cols[i], r.columna(j).valor(0));
    }
    originales_ = valores_;
    asignados_.assign(cols.size(), false);
    hayFila_ = true;
    return true;
}

void Registro::append()
{
    error_.limpiar();
    std::fill(valores_.begin(), valores_.end(), QVariant());
    asignados_.assign(valores_.size(), false);
    estado_ = Estado::Insertar;
    if (dataset_.alIniciarFila)
        dataset_.alIniciarFila(*this);
}

bool Registro::edit()
{
    if (!hayFila_)
        return false;
    if (estado_ == Estado::Navegar) {
        originales_ = valores_;
        asignados_.assign(valores_.size(), false);
        estado_ = Estado::Editar;
    }
    return true;
}

void Registro::cancel()
{
    if (estado_ == Estado::Navegar)
        return;
    if (hayFila_)
        valores_ = originales_;
    else
        std::fill(valores_.begin(), valores_.end(), QVariant());
    asignados_.assign(valores_.size(), false);
    estado_ = Estado::Navegar;
}

qint64 Registro::codigo() const
{
    return entero(u"codigo");
}

QVariant Registro::valor(QStringView columna) const
{
    const int i = indice(columna);
    return i < 0 ? QVariant() : valores_[static_cast<size_t>(i)];
}

bool Registro::esNulo(QStringView columna) const
{
    const QVariant v = valor(columna);
    return !v.isValid() || v.isNull();
}

QString Registro::texto(QStringView columna) const
{
    return valor(columna).toString();
}

qint64 Registro::entero(QStringView columna) const
{
    return valor(columna).toLongLong();
}

double Registro::real(QStringView columna) const
{
    return valor(columna).toDouble();
}

void Registro::asignar(QStringView columna, const QVariant &v)
{
    const int i = indice(columna);
    if (i < 0) {
        qWarning() << "columna desconocida" << columna << "en" << dataset_.nombreTabla();
        return;
    }
    const auto k = static_cast<size_t>(i);
    valores_[k] = convertir(dataset_.tabla().columnas[k], v);
    asignados_[k] = true;
}

bool Registro::modificado(QStringView columna) const
{
    const int i = indice(columna);
    if (i < 0)
        return false;
    const auto k = static_cast<size_t>(i);
    if (estado_ == Estado::Insertar)
        return asignados_[k];
    return !iguales(valores_[k], originales_[k]);
}

bool Registro::hayCambios() const
{
    for (size_t k = 0; k < valores_.size(); ++k) {
        if (estado_ == Estado::Insertar ? asignados_[k] : !iguales(valores_[k], originales_[k]))
            return true;
    }
    return false;
}

bool Registro::comprobarRequeridos()
{
    const auto &cols = dataset_.tabla().columnas;
    for (size_t k = 0; k < cols.size(); ++k) {
        if (cols[k].requerido && vacio(valores_[k])) {
            mensajes().aviso(QStringLiteral("El campo '") + etiquetaDe(cols[k])
                             + QStringLiteral("' debe tener un valor."));
            return false;
        }
    }
    return true;
}

bool Registro::post()
{
    error_.limpiar();
    if (estado_ == Estado::Navegar)
        return true;
    if (dataset_.antesDeGuardar)
        dataset_.antesDeGuardar(*this);
    if (!comprobarRequeridos())
        return false;
    const bool ok = estado_ == Estado::Insertar ? insertar() : actualizar();
    if (!ok)
        return false;
    originales_ = valores_;
    asignados_.assign(valores_.size(), false);
    estado_ = Estado::Navegar;
    hayFila_ = true;
    return true;
}

bool Registro::insertar()
{
    const auto &cols = dataset_.tabla().columnas;
    QString columnas;
    QString marcadores;
    Parametros p;
    for (size_t k = 0; k < cols.size(); ++k) {
        if (!asignados_[k] || QLatin1String(cols[k].nombre) == QLatin1String("codigo"))
            continue;
        const QString nombre = QString::fromUtf8(cols[k].nombre);
        if (!columnas.isEmpty()) {
            columnas += QStringLiteral(", ");
            marcadores += QStringLiteral(", ");
        }
        columnas += u'`' + nombre + u'`';
        marcadores += QStringLiteral(":p") + nombre;
        p.poner(u'p' + nombre, valores_[k]);
    }
    const QString sql = QStringLiteral("INSERT INTO ") + dataset_.nombreTabla()
            + QStringLiteral(" (") + columnas + QStringLiteral(") VALUES (") + marcadores + u')';
    ResultadoEjecucion r;
    Conexion *c = dataset_.conexion();
    if (!c->ejecutar(sql, p, &r)) {
        error_ = c->ultimoError();
        avisarErrorServidor();
        return false;
    }
    const int i = indice(u"codigo");
    if (i >= 0 && r.nuevoCodigo > 0)
        valores_[static_cast<size_t>(i)] = QVariant::fromValue(static_cast<qint64>(r.nuevoCodigo));
    return true;
}

bool Registro::actualizar()
{
    const auto &cols = dataset_.tabla().columnas;
    QString asignaciones;
    Parametros p;
    for (size_t k = 0; k < cols.size(); ++k) {
        if (iguales(valores_[k], originales_[k]))
            continue;
        const QString nombre = QString::fromUtf8(cols[k].nombre);
        if (!asignaciones.isEmpty())
            asignaciones += QStringLiteral(", ");
        asignaciones += u'`' + nombre + QStringLiteral("` = :p") + nombre;
        p.poner(u'p' + nombre, valores_[k]);
    }
    if (asignaciones.isEmpty())
        return true;
    // The row is found by the code it had when it was read.
    const int ic = indice(u"codigo");
    const QVariant codigoLeido = ic < 0 ? QVariant() : originales_[static_cast<size_t>(ic)];
    p.poner(QStringLiteral("pCodigoRegistro"), codigoLeido);
    const QString sql = QStringLiteral("UPDATE ") + dataset_.nombreTabla() + QStringLiteral(" SET ")
            + asignaciones + QStringLiteral(" WHERE codigo = :pCodigoRegistro");
    ResultadoEjecucion r;
    Conexion *c = dataset_.conexion();
    if (!c->ejecutar(sql, p, &r)) {
        error_ = c->ultimoError();
        avisarErrorServidor();
        return false;
    }
    if (r.filasAfectadas == 0) {
        // Another workstation deleted the row meanwhile.
        error_ = {0, QStringLiteral("El registro seleccionado ya no existe."), sql};
        mensajes().aviso(error_.texto);
        return false;
    }
    return true;
}

bool Registro::remove()
{
    error_.limpiar();
    if (!hayFila_)
        return false;
    Conexion *c = dataset_.conexion();
    const int ic = indice(u"codigo");
    const QVariant codigoLeido = ic < 0 ? QVariant() : originales_[static_cast<size_t>(ic)];
    if (!c->ejecutar(QStringLiteral("DELETE FROM ") + dataset_.nombreTabla()
                             + QStringLiteral(" WHERE codigo = :pCodigo"),
                     {{QStringLiteral("pCodigo"), codigoLeido}})) {
        error_ = c->ultimoError();
        return false;
    }
    std::fill(valores_.begin(), valores_.end(), QVariant());
    originales_ = valores_;
    asignados_.assign(valores_.size(), false);
    hayFila_ = false;
    estado_ = Estado::Navegar;
    return true;
}

void Registro::avisarErrorServidor()
{
    const QString generico
            = QStringLiteral("Se ha producido un error al intentar guardar el registro:")
            + QStringLiteral("\n\n") + QString::number(error_.numero) + QStringLiteral(" -> ")
            + error_.texto;
    switch (dataset_.aviso()) {
    case DatasetTabla::AvisoErrores::MensajeTabla:
        if (error_.numero == 1062 && !dataset_.mensajeDuplicado().isEmpty())
            mensajes().aviso(dataset_.mensajeDuplicado());
        else
            mensajes().informacion(generico);
        break;
    case DatasetTabla::AvisoErrores::Generico:
        mensajes().informacion(generico);
        break;
    case DatasetTabla::AvisoErrores::SinTratar:
        mensajes().error(error_.texto);
        break;
    }
}
