#pragma once

#include "Mensajes.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <optional>

// Test double of Mensajes: records every notice and question with its text and answers the
// questions from a queue of scripted answers. Installs itself on construction and puts the
// previous implementation back on destruction.
//
// A question or input box with no scripted answer is recorded, answered "No" / "Cancelar" and
// fails the running test (QTest::qFail) unless fallarSinRespuesta is false.
class MensajesGrabados : public Mensajes
{
public:
    struct Registro
    {
        Tipo tipo;
        QString texto; // with "\n" line breaks; for PedirTexto, the title, "\n" and the label
        friend bool operator==(const Registro &, const Registro &) = default;
    };

    MensajesGrabados();
    ~MensajesGrabados() override;
    MensajesGrabados(const MensajesGrabados &) = delete;
    MensajesGrabados &operator=(const MensajesGrabados &) = delete;

    // Scripts the answer of the next question: true for "Sí" / "Aceptar".
    void responder(bool afirmativa);
    // Scripts the next input box: accepted with this text.
    void responderTexto(const QString &texto);
    // Scripts the next input box: cancelled.
    void cancelarTexto();

    [[nodiscard]] const QList<Registro> &registros() const { return m_registros; }
    // The texts recorded for one kind, in order.
    [[nodiscard]] QStringList textos(Tipo tipo) const;
    // Scripted answers not used yet.
    [[nodiscard]] qsizetype respuestasPendientes() const { return m_respuestas.size(); }
    // True once a question arrived with no scripted answer.
    [[nodiscard]] bool huboPreguntaSinRespuesta() const { return m_sinRespuesta; }

    // Forgets the records, the pending answers and the unanswered flag.
    void limpiar();

    bool fallarSinRespuesta = true;

protected:
    void mostrar(Tipo tipo, const QString &texto) override;
    bool preguntar(Tipo tipo, const QString &texto) override;
    bool pedir(const QString &titulo, const QString &etiqueta, QString &valor) override;

private:
    struct Respuesta
    {
        bool afirmativa;
        bool esTexto;
        QString texto;
    };

    std::optional<Respuesta> siguienteRespuesta(const QString &texto);

    QList<Registro> m_registros;
    QQueue<Respuesta> m_respuestas;
    bool m_sinRespuesta = false;
    Mensajes *m_anterior = nullptr;
};
