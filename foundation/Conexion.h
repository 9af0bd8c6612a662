#pragma once

#include "ErrorBD.h"
#include "Parametros.h"
#include "TablaResultado.h"

#include <QString>

struct st_mysql;

// Where and as whom to connect.
struct ParametrosConexion
{
    QString servidor; // host name or address; empty or "localhost" with a socket uses the socket
    unsigned int puerto = 3306;
    QString socket; // Unix socket path; empty for TCP
    QString baseDatos;
    QString usuario;
    QString contrasena;
    unsigned int segundosConexion = 10;
    unsigned int segundosLectura = 600;
};

// What a statement that returns no rows did.
struct ResultadoEjecucion
{
    quint64 filasAfectadas = 0; // rows matched (the connection asks for found rows)
    quint64 nuevoCodigo = 0; // key assigned by the server to an inserted row, 0 if none
};

// One connection to the MariaDB/MySQL server over the C client library: utf8mb4, strict
// SQL mode, auto-commit, "rows changed" meaning rows matched. Every statement is prepared
// on the server and its named parameters are bound, never spliced into the text.
// A lost connection is reported as an error and re-established by the next statement.
class Conexion
{
public:
    Conexion() = default;
    ~Conexion();
    Conexion(const Conexion &) = delete;
    Conexion &operator=(const Conexion &) = delete;

    // Connects (closing any earlier connection). False with ultimoError() set on failure.
    [[nodiscard]] bool conectar(const ParametrosConexion &parametros);
    void desconectar();
    bool conectada() const { return mysql_ != nullptr; }
    const ParametrosConexion &parametros() const { return parametros_; }

    // Runs a statement that returns no rows.
    [[nodiscard]] bool ejecutar(QStringView sql, const Parametros &parametros = {},
                                ResultadoEjecucion *resultado = nullptr);
    // Runs a statement and reads all of its rows into `salida` (cleared first).
    [[nodiscard]] bool consultar(QStringView sql, const Parametros &parametros,
                                 TablaResultado &salida);
    [[nodiscard]] bool consultar(QStringView sql, TablaResultado &salida)
    {
        return consultar(sql, {}, salida);
    }
    // The same for statements composed with "+" (from the program's own constants).
    [[nodiscard]] bool ejecutar(const QString &sql, const Parametros &parametros = {},
                                ResultadoEjecucion *resultado = nullptr)
    {
        return ejecutar(QStringView(sql), parametros, resultado);
    }
    [[nodiscard]] bool consultar(const QString &sql, const Parametros &parametros,
                                 TablaResultado &salida)
    {
        return consultar(QStringView(sql), parametros, salida);
    }
    [[nodiscard]] bool consultar(const QString &sql, TablaResultado &salida)
    {
        return consultar(QStringView(sql), {}, salida);
    }

    // Transactions, for the few operations that must not be left half done.
    [[nodiscard]] bool iniciarTransaccion();
    [[nodiscard]] bool confirmarTransaccion();
    void deshacerTransaccion();

    const ErrorBD &ultimoError() const { return error_; }
    // Version text of the server, empty when not connected.
    QString versionServidor() const;

private:
    bool abrir();
    bool asegurarConexion(QStringView sql);
    void anotarErrorConexion(QStringView sql);
    bool ejecutarInterno(QStringView sql, const Parametros &parametros,
                         ResultadoEjecucion *resultado, TablaResultado *salida);
    bool consultarTexto(QStringView sql, ResultadoEjecucion *resultado, TablaResultado *salida);

    st_mysql *mysql_ = nullptr;
    ParametrosConexion parametros_;
    bool perdida_ = false; // the server dropped us; reconnect before the next statement
    bool configurada_ = false;
    ErrorBD error_;
};

// Decodes a message from the server or client library: UTF-8 when it is valid UTF-8,
// otherwise Windows-1252 (servers with a single-byte message character set).
QString decodificarMensajeServidor(const char *texto);
