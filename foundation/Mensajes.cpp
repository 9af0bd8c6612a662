#include "Mensajes.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Default for programs and tests that install nothing: writes to stderr, declines everything.
class MensajesConsola final : public Mensajes
{
protected:
    void mostrar(Tipo tipo, const QString &texto) override { escribir(tipo, texto); }

    bool preguntar(Tipo tipo, const QString &texto) override
    {
        escribir(tipo, texto);
        return false;
    }

    bool pedir(const QString &titulo, const QString &etiqueta, QString &) override
    {
        escribir(Tipo::PedirTexto, titulo + u": "_s + etiqueta);
        return false;
    }

private:
    static void escribir(Tipo tipo, const QString &texto)
    {
        const char *clase = "";
        switch (tipo) {
        case Tipo::Aviso:
            clase = "Aviso";
            break;
        case Tipo::Error:
            clase = "Error";
            break;
        case Tipo::Informacion:
            clase = "Información";
            break;
        case Tipo::Mensaje:
            clase = "Mensaje";
            break;
        case Tipo::PreguntaSiNo:
            clase = "Pregunta (respuesta: No)";
            break;
        case Tipo::PreguntaAceptarCancelar:
            clase = "Pregunta (respuesta: Cancelar)";
            break;
        case Tipo::PedirTexto:
            clase = "Petición de texto (respuesta: Cancelar)";
            break;
        }
        std::fprintf(stderr, "%s: %s\n", clase, texto.toLocal8Bit().constData());
        std::fflush(stderr);
    }
};

MensajesConsola consola;
Mensajes *actual = &consola;

} // namespace

Mensajes::~Mensajes() = default;

void Mensajes::aviso(const QString &texto)
{
    mostrar(Tipo::Aviso, normalizarSaltos(texto));
}

void Mensajes::error(const QString &texto)
{
    mostrar(Tipo::Error, normalizarSaltos(texto));
}

void Mensajes::informacion(const QString &texto)
{
    mostrar(Tipo::Informacion, normalizarSaltos(texto));
}

void Mensajes::mensaje(const QString &texto)
{
    mostrar(Tipo::Mensaje, normalizarSaltos(texto));
}

bool Mensajes::preguntaSiNo(const QString &texto)
{
    return preguntar(Tipo::PreguntaSiNo, normalizarSaltos(texto));
}

bool Mensajes::preguntaAceptarCancelar(const QString &texto)
{
    return preguntar(Tipo::PreguntaAceptarCancelar, normalizarSaltos(texto));
}

bool Mensajes::pedirTexto(const QString &titulo, const QString &etiqueta, QString &valor)
{
    QString respuesta = valor;
    if (!pedir(normalizarSaltos(titulo), normalizarSaltos(etiqueta), respuesta))
        return false;
    valor = respuesta;
    return true;
}

QString Mensajes::normalizarSaltos(QStringView texto)
{
    QString resultado;
    resultado.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'\r') {
            resultado.append(u'\n');
            if (i + 1 < texto.size() && texto[i + 1] == u'\n')
                ++i;
        } else {
            resultado.append(texto[i]);
        }
    }
    return resultado;
}

Mensajes &mensajes()
{
    return *actual;
}

void establecerMensajes(Mensajes *implementacion)
{
    actual = implementacion ? implementacion : &consola;
}
