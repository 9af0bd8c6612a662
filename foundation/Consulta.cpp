#include "Consulta.h"

void Consulta::establecerSql(const QString &sql)
{
    cerrar();
    sql_ = sql;
    parametros_ = Parametros();
}

bool Consulta::abrir()
{
    cerrar();
    error_.limpiar();
    if (!conexion_) {
        error_ = {0, QStringLiteral("La consulta no tiene conexión."), sql_};
        return false;
    }
    if (!conexion_->consultar(sql_, parametros_, filas_)) {
        error_ = conexion_->ultimoError();
        filas_.limpiar();
        return false;
    }
    activa_ = true;
    return true;
}

bool Consulta::ejecutar(ResultadoEjecucion *resultado)
{
    cerrar();
    error_.limpiar();
    if (!conexion_) {
        error_ = {0, QStringLiteral("La consulta no tiene conexión."), sql_};
        return false;
    }
    if (!conexion_->ejecutar(sql_, parametros_, resultado)) {
        error_ = conexion_->ultimoError();
        return false;
    }
    return true;
}

void Consulta::cerrar()
{
    filas_.limpiar();
    activa_ = false;
}
