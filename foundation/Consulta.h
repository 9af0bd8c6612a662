#pragma once

#include "Conexion.h"

#include <QString>

// A named query of the data module: a statement with its parameters, the connection it runs
// on, and the rows of its last run. Shared queries are closed by whoever used them.
class Consulta
{
public:
    explicit Consulta(Conexion *conexion = nullptr, QString sql = {})
        : conexion_(conexion)
        , sql_(std::move(sql))
    { }

    Conexion *conexion() const { return conexion_; }
    void establecerConexion(Conexion *conexion) { conexion_ = conexion; }

    const QString &sql() const { return sql_; }
    // Replaces the statement (closing the query) and forgets the parameters.
    void establecerSql(const QString &sql);
    Parametros &parametros() { return parametros_; }

    // Runs the statement and keeps its rows. False with error() set on failure (rows cleared).
    [[nodiscard]] bool abrir();
    // Runs a statement that returns no rows.
    [[nodiscard]] bool ejecutar(ResultadoEjecucion *resultado = nullptr);
    void cerrar();
    bool activa() const { return activa_; }

    const TablaResultado &filas() const { return filas_; }
    TablaResultado &filas() { return filas_; }
    const ErrorBD &error() const { return error_; }

private:
    Conexion *conexion_;
    QString sql_;
    Parametros parametros_;
    TablaResultado filas_;
    ErrorBD error_;
    bool activa_ = false;
};
