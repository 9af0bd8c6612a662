#pragma once

#include <QString>

// Where the command takes passwords from: the terminal without echo when standard input is
// one, otherwise the first line of standard input. Tests put a subclass with fixed answers.
class EntradaContrasena
{
public:
    virtual ~EntradaContrasena() = default;

    // Reads one password. On a terminal `pregunta` is shown on standard error and, with
    // `confirmar`, the password is asked a second time and both must agree; from a pipe or file
    // one line is read (without its line end) and `confirmar` does not apply. The bytes are
    // taken as UTF-8. False, with `error` set to a message for the user, when nothing could be
    // read (end of input) or the two answers differ.
    [[nodiscard]] virtual bool leer(const QString &pregunta, bool confirmar, QString &contrasena,
                                    QString &error);
};
