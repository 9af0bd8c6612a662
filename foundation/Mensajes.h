#pragma once

#include <QString>
#include <QStringView>

// The one way the program talks to the user: notices, questions and the input box.
// Callers use the public functions; an implementation (message boxes, the test recorder, the
// console default) supplies the protected ones and always receives texts whose line breaks
// are "\n" (a "\r\n" or a lone "\r" in the caller's text becomes "\n").
class Mensajes
{
public:
    enum class Tipo {
        Aviso, // warning
        Error, // error
        Informacion, // information
        Mensaje, // plain message, no icon
        PreguntaSiNo, // question answered "Sí" or "No"
        PreguntaAceptarCancelar, // question answered "Aceptar" or "Cancelar"
        PedirTexto, // input box
    };

    virtual ~Mensajes();

    void aviso(const QString &texto);
    void error(const QString &texto);
    void informacion(const QString &texto);
    void mensaje(const QString &texto);

    // True when the user answers "Sí" / "Aceptar"; false for "No" / "Cancelar" or closing.
    [[nodiscard]] bool preguntaSiNo(const QString &texto);
    [[nodiscard]] bool preguntaAceptarCancelar(const QString &texto);

    // Input box titled titulo with the label etiqueta, starting with valor. True and valor
    // replaced when accepted; false and valor untouched when cancelled.
    [[nodiscard]] bool pedirTexto(const QString &titulo, const QString &etiqueta, QString &valor);

    // The text with "\r\n" and lone "\r" turned into "\n".
    [[nodiscard]] static QString normalizarSaltos(QStringView texto);

protected:
    // Shows a notice of tipo Aviso, Error, Informacion or Mensaje.
    virtual void mostrar(Tipo tipo, const QString &texto) = 0;
    // Asks a question of tipo PreguntaSiNo or PreguntaAceptarCancelar.
    virtual bool preguntar(Tipo tipo, const QString &texto) = 0;
    // Shows the input box; on acceptance sets valor and returns true.
    virtual bool pedir(const QString &titulo, const QString &etiqueta, QString &valor) = 0;
};

// The implementation in use. Until establecerMensajes() installs one, notices go to stderr
// and every question is answered "No" / "Cancelar", so nothing ever waits for a user.
Mensajes &mensajes();

// Installs the implementation in use; not owned, it must outlive its use. nullptr restores the
// stderr default.
void establecerMensajes(Mensajes *implementacion);
