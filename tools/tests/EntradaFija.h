#pragma once

#include "EntradaContrasena.h"

#include <QStringList>

// Passwords given by the test instead of the terminal, answered in order; with none left it
// fails as the real input does when standard input holds nothing.
class EntradaFija : public EntradaContrasena
{
public:
    explicit EntradaFija(QStringList respuestas)
        : respuestas_(std::move(respuestas))
    { }
    bool leer(const QString &, bool, QString &contrasena, QString &error) override
    {
        if (respuestas_.isEmpty()) {
            error = QStringLiteral("No se ha recibido ninguna contraseña por la entrada estándar.");
            return false;
        }
        contrasena = respuestas_.takeFirst();
        return true;
    }

private:
    QStringList respuestas_;
};
