#include "Mensajes.h"
#include "MensajesGrabados.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using Tipo = Mensajes::Tipo;

// The messages interface: line breaks reach implementations as "\n", the console default never
// waits, and the test recorder records and answers as scripted.
class TstMensajes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void textoNormalizado_data();
    void textoNormalizado();
    void respuestasPreparadas();
    void pedirTexto();
    void preguntaSinRespuestaFallaLaPrueba();
    void preguntaSinRespuestaResponde_No();
    void porDefectoNoEspera();
    void grabadorDevuelveElAnterior();

private:
    std::unique_ptr<MensajesGrabados> m_grabados;
};

void TstMensajes::init()
{
    establecerMensajes(nullptr);
    m_grabados = std::make_unique<MensajesGrabados>();
}

void TstMensajes::cleanup()
{
    m_grabados.reset();
    establecerMensajes(nullptr);
}

void TstMensajes::textoNormalizado_data()
{
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("grabado");

    QTest::newRow("aviso con CRLF") << Tipo::Aviso << u"Uno\r\nDos"_s << u"Uno\nDos"_s;
    QTest::newRow("error con CR suelto") << Tipo::Error << u"Uno\rDos"_s << u"Uno\nDos"_s;
    QTest::newRow("información con LF") << Tipo::Informacion << u"Uno\nDos"_s << u"Uno\nDos"_s;
    QTest::newRow("mensaje con LF CR") << Tipo::Mensaje << u"a\n\rb"_s << u"a\n\nb"_s;
    QTest::newRow("CR CR LF") << Tipo::Aviso << u"a\r\r\nb"_s << u"a\n\nb"_s;
    QTest::newRow("CR al final") << Tipo::Error << u"fin\r"_s << u"fin\n"_s;
    QTest::newRow("pregunta Sí/No") << Tipo::PreguntaSiNo << u"¿Borrar?\r\nNo se podrá deshacer"_s
                                    << u"¿Borrar?\nNo se podrá deshacer"_s;
    QTest::newRow("pregunta Aceptar/Cancelar")
            << Tipo::PreguntaAceptarCancelar << u"¿Seguir?\r"_s << u"¿Seguir?\n"_s;
    QTest::newRow("sin saltos") << Tipo::Mensaje << u"Hola"_s << u"Hola"_s;
}

void TstMensajes::textoNormalizado()
{
    QFETCH(Tipo, tipo);
    QFETCH(QString, texto);
    QFETCH(QString, grabado);

    Mensajes &m = mensajes();
    switch (tipo) {
    case Tipo::Aviso:
        m.aviso(texto);
        break;
    case Tipo::Error:
        m.error(texto);
        break;
    case Tipo::Informacion:
        m.informacion(texto);
        break;
    case Tipo::Mensaje:
        m.mensaje(texto);
        break;
    case Tipo::PreguntaSiNo:
        m_grabados->responder(true);
        QVERIFY(m.preguntaSiNo(texto));
        break;
    case Tipo::PreguntaAceptarCancelar:
        m_grabados->responder(true);
        QVERIFY(m.preguntaAceptarCancelar(texto));
        break;
    case Tipo::PedirTexto:
        QFAIL("not a row of this table");
    }
    QCOMPARE(m_grabados->registros(), (QList<MensajesGrabados::Registro> {{tipo, grabado}}));
    QCOMPARE(Mensajes::normalizarSaltos(texto), grabado);
}

void TstMensajes::respuestasPreparadas()
{
    m_grabados->responder(true);
    m_grabados->responder(false);
    m_grabados->responder(false);
    m_grabados->responder(true);

    QCOMPARE(mensajes().preguntaSiNo(u"uno"_s), true);
    QCOMPARE(mensajes().preguntaSiNo(u"dos"_s), false);
    mensajes().aviso(u"entre medias"_s);
    QCOMPARE(mensajes().preguntaAceptarCancelar(u"tres"_s), false);
    QCOMPARE(mensajes().preguntaAceptarCancelar(u"cuatro"_s), true);

    QCOMPARE(m_grabados->respuestasPendientes(), 0);
    QVERIFY(!m_grabados->huboPreguntaSinRespuesta());
    QCOMPARE(m_grabados->textos(Tipo::PreguntaSiNo), (QStringList {u"uno"_s, u"dos"_s}));
    QCOMPARE(m_grabados->textos(Tipo::PreguntaAceptarCancelar),
             (QStringList {u"tres"_s, u"cuatro"_s}));
    QCOMPARE(m_grabados->registros().at(2),
             (MensajesGrabados::Registro {Tipo::Aviso, u"entre medias"_s}));
}

void TstMensajes::pedirTexto()
{
    m_grabados->responderTexto(u"nuevo"_s);
    m_grabados->cancelarTexto();

    QString valor = u"inicial"_s;
    QVERIFY(mensajes().pedirTexto(u"Título"_s, u"Nombre:\r\nsin acentos"_s, valor));
    QCOMPARE(valor, u"nuevo"_s);
    QVERIFY(!mensajes().pedirTexto(u"Título"_s, u"Otra vez"_s, valor));
    QCOMPARE(valor, u"nuevo"_s);

    QCOMPARE(m_grabados->textos(Tipo::PedirTexto),
             (QStringList {u"Título\nNombre:\nsin acentos"_s, u"Título\nOtra vez"_s}));
}

void TstMensajes::preguntaSinRespuestaFallaLaPrueba()
{
    QEXPECT_FAIL("", "a question with no scripted answer fails the running test", Continue);
    const bool respuesta = mensajes().preguntaSiNo(u"¿Sin preparar?"_s);
    QVERIFY(!respuesta);
    QVERIFY(m_grabados->huboPreguntaSinRespuesta());
}

void TstMensajes::preguntaSinRespuestaResponde_No()
{
    m_grabados->fallarSinRespuesta = false;
    QString valor = u"igual"_s;
    QVERIFY(!mensajes().preguntaAceptarCancelar(u"¿Sin preparar?"_s));
    QVERIFY(!mensajes().pedirTexto(u"T"_s, u"E"_s, valor));
    QCOMPARE(valor, u"igual"_s);
    QVERIFY(m_grabados->huboPreguntaSinRespuesta());
    QCOMPARE(m_grabados->registros().size(), 2);

    m_grabados->limpiar();
    QVERIFY(!m_grabados->huboPreguntaSinRespuesta());
    QVERIFY(m_grabados->registros().isEmpty());
}

void TstMensajes::porDefectoNoEspera()
{
    m_grabados.reset();
    QString valor = u"igual"_s;
    QVERIFY(!mensajes().preguntaSiNo(u"¿Seguro?"_s));
    QVERIFY(!mensajes().preguntaAceptarCancelar(u"¿Seguro?"_s));
    QVERIFY(!mensajes().pedirTexto(u"Título"_s, u"Etiqueta"_s, valor));
    QCOMPARE(valor, u"igual"_s);
    mensajes().error(u"solo a la salida de errores"_s);
}

void TstMensajes::grabadorDevuelveElAnterior()
{
    Mensajes *primero = &mensajes();
    QCOMPARE(primero, static_cast<Mensajes *>(m_grabados.get()));
    {
        MensajesGrabados segundo;
        QCOMPARE(&mensajes(), static_cast<Mensajes *>(&segundo));
        mensajes().aviso(u"al segundo"_s);
        QCOMPARE(segundo.registros().size(), 1);
    }
    QCOMPARE(&mensajes(), primero);
    QVERIFY(m_grabados->registros().isEmpty());
}

QTEST_GUILESS_MAIN(TstMensajes)
#include "tst_mensajes.moc"
