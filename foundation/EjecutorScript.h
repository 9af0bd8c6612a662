#pragma once

#include "Conexion.h"

#include <QString>

// Runs a script of statements separated by ";" on a connection, in order, stopping at the
// first failure.
class EjecutorScript
{
public:
    explicit EjecutorScript(Conexion &conexion)
        : conexion_(conexion)
    { }

    // Runs every statement of the script. On failure the connection's error is kept in
    // error(), its `sentencia` holding the failing statement, and sentenciaFallida() its
    // 1-based position.
    [[nodiscard]] bool ejecutar(QStringView script);
    // Reads the file (UTF-8) and runs it; a file that cannot be read is an error naming it.
    [[nodiscard]] bool ejecutarFichero(const QString &ruta);

    const ErrorBD &error() const { return error_; }
    int sentenciaFallida() const { return fallida_; }
    int sentenciasEjecutadas() const { return ejecutadas_; }

private:
    Conexion &conexion_;
    ErrorBD error_;
    int fallida_ = 0;
    int ejecutadas_ = 0;
};
