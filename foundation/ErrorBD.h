#pragma once

#include <QString>

// A failure reported by the database layer: the server's (or client library's) error number
// and text, and the statement that failed.
struct ErrorBD
{
    unsigned int numero = 0; // server error number (1062 duplicate key), client error (2006...)
    QString texto; // the server's message, already decoded
    QString sentencia; // the statement text as written by the program

    bool hay() const { return numero != 0 || !texto.isEmpty(); }
    void limpiar()
    {
        numero = 0;
        texto.clear();
        sentencia.clear();
    }
};

// A value read from the database together with the failure that prevented reading it.
// When `error.hay()` the value is the type's default.
template<typename T>
struct ResultadoBD
{
    T valor{};
    ErrorBD error;

    bool ok() const { return !error.hay(); }
    explicit operator bool() const { return ok(); }
};
