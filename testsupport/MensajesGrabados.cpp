#include "MensajesGrabados.h"

#include <QTest>

using namespace Qt::StringLiterals;

MensajesGrabados::MensajesGrabados()
    : m_anterior(&mensajes())
{
    establecerMensajes(this);
}

MensajesGrabados::~MensajesGrabados()
{
    establecerMensajes(m_anterior);
}

void MensajesGrabados::responder(bool afirmativa)
{
    m_respuestas.enqueue({afirmativa, false, {}});
}

void MensajesGrabados::responderTexto(const QString &texto)
{
    m_respuestas.enqueue({true, true, texto});
}

void MensajesGrabados::cancelarTexto()
{
    m_respuestas.enqueue({false, true, {}});
}

QStringList MensajesGrabados::textos(Tipo tipo) const
{
    QStringList resultado;
    for (const Registro &registro : m_registros) {
        if (registro.tipo == tipo)
            resultado.append(registro.texto);
    }
    return resultado;
}

void MensajesGrabados::limpiar()
{
    m_registros.clear();
    m_respuestas.clear();
    m_sinRespuesta = false;
}

void MensajesGrabados::mostrar(Tipo tipo, const QString &texto)
{
    m_registros.append({tipo, texto});
}

bool MensajesGrabados::preguntar(Tipo tipo, const QString &texto)
{
    m_registros.append({tipo, texto});
    const auto respuesta = siguienteRespuesta(texto);
    if (respuesta && respuesta->esTexto) {
        QTest::qFail(
                qPrintable(u"Se esperaba una petición de texto y llegó la pregunta: "_s + texto),
                __FILE__, __LINE__);
        return false;
    }
    return respuesta && respuesta->afirmativa;
}

bool MensajesGrabados::pedir(const QString &titulo, const QString &etiqueta, QString &valor)
{
    const QString texto = titulo + u'\n' + etiqueta;
    m_registros.append({Tipo::PedirTexto, texto});
    const auto respuesta = siguienteRespuesta(texto);
    if (!respuesta)
        return false;
    if (!respuesta->esTexto) {
        QTest::qFail(
                qPrintable(u"Se esperaba una pregunta y llegó la petición de texto: "_s + texto),
                __FILE__, __LINE__);
        return false;
    }
    if (!respuesta->afirmativa)
        return false;
    valor = respuesta->texto;
    return true;
}

std::optional<MensajesGrabados::Respuesta>
MensajesGrabados::siguienteRespuesta(const QString &texto)
{
    if (!m_respuestas.isEmpty())
        return m_respuestas.dequeue();
    m_sinRespuesta = true;
    if (fallarSinRespuesta) {
        QTest::qFail(qPrintable(u"Pregunta sin respuesta preparada: "_s + texto), __FILE__,
                     __LINE__);
    }
    return std::nullopt;
}
