#include "Espanol.h"
#include "MensajesQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using Tipo = Mensajes::Tipo;

// The message boxes of the program: Spanish buttons, the program's title, plain text, answers.
class TstMensajesQt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void caja_data();
    void caja();
    void respuestas_data();
    void respuestas();
    void cajaDeTexto();
    void espanol();

private:
    // Once the next modal box shows, clicks its button with that text (or presses Esc).
    void pulsarAlAparecer(const QString &boton);
    MensajesQt m_mensajes;
};

void TstMensajesQt::initTestCase()
{
    QApplication::setApplicationDisplayName(u"Quenvalia"_s);
}

void TstMensajesQt::cleanup()
{
    establecerMensajes(nullptr);
}

void TstMensajesQt::pulsarAlAparecer(const QString &boton)
{
    QTimer::singleShot(0, this, [this, boton] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            pulsarAlAparecer(boton);
            return;
        }
        if (boton.isEmpty()) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *b : modal->findChildren<QAbstractButton *>()) {
            if (b->text() == boton) {
                b->click();
                return;
            }
        }
    });
}

void TstMensajesQt::caja_data()
{
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<int>("icono");
    QTest::addColumn<QStringList>("botones");

    QTest::newRow("aviso") << Tipo::Aviso << int(QMessageBox::Warning)
                           << QStringList {u"Aceptar"_s};
    QTest::newRow("error") << Tipo::Error << int(QMessageBox::Critical)
                           << QStringList {u"Aceptar"_s};
    QTest::newRow("información") << Tipo::Informacion << int(QMessageBox::Information)
                                 << QStringList {u"Aceptar"_s};
    QTest::newRow("mensaje") << Tipo::Mensaje << int(QMessageBox::NoIcon)
                             << QStringList {u"Aceptar"_s};
    QTest::newRow("Sí/No") << Tipo::PreguntaSiNo << int(QMessageBox::Question)
                           << QStringList {u"Sí"_s, u"No"_s};
    QTest::newRow("Aceptar/Cancelar") << Tipo::PreguntaAceptarCancelar << int(QMessageBox::Question)
                                      << QStringList {u"Aceptar"_s, u"Cancelar"_s};
}

void TstMensajesQt::caja()
{
    QFETCH(Tipo, tipo);
    QFETCH(int, icono);
    QFETCH(QStringList, botones);

    const auto caja = MensajesQt::crearCaja(tipo, u"<b>1 < 2</b>\nsegunda línea"_s);
    QCOMPARE(caja->windowTitle(), u"Trevanox Quenvalia"_s);
    QCOMPARE(int(caja->icon()), icono);
    QCOMPARE(caja->textFormat(), Qt::PlainText);
    QCOMPARE(caja->text(), u"<b>1 < 2</b>\nsegunda línea"_s);
    QStringList textos;
    for (QAbstractButton *boton : caja->buttons())
        textos.append(boton->text());
    textos.sort();
    botones.sort();
    QCOMPARE(textos, botones);
    QCOMPARE(caja->defaultButton()->text(), botones.contains(u"Sí"_s) ? u"Sí"_s : u"Aceptar"_s);
    if (botones.size() == 2)
        QCOMPARE(caja->escapeButton()->text(), botones.contains(u"No"_s) ? u"No"_s : u"Cancelar"_s);
}

void TstMensajesQt::respuestas_data()
{
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<QString>("boton"); // "" presses Esc
    QTest::addColumn<bool>("esperado");

    QTest::newRow("Sí") << Tipo::PreguntaSiNo << u"Sí"_s << true;
    QTest::newRow("No") << Tipo::PreguntaSiNo << u"No"_s << false;
    QTest::newRow("Esc en Sí/No") << Tipo::PreguntaSiNo << QString() << false;
    QTest::newRow("Aceptar") << Tipo::PreguntaAceptarCancelar << u"Aceptar"_s << true;
    QTest::newRow("Cancelar") << Tipo::PreguntaAceptarCancelar << u"Cancelar"_s << false;
    QTest::newRow("Esc en Aceptar/Cancelar") << Tipo::PreguntaAceptarCancelar << QString() << false;
}

void TstMensajesQt::respuestas()
{
    QFETCH(Tipo, tipo);
    QFETCH(QString, boton);
    QFETCH(bool, esperado);

    establecerMensajes(&m_mensajes);
    pulsarAlAparecer(boton);
    const bool respuesta = tipo == Tipo::PreguntaSiNo
            ? mensajes().preguntaSiNo(u"¿Seguro?"_s)
            : mensajes().preguntaAceptarCancelar(u"¿Seguro?"_s);
    QCOMPARE(respuesta, esperado);
}

void TstMensajesQt::cajaDeTexto()
{
    const auto caja = MensajesQt::crearCajaTexto(u"Serie"_s, u"Nueva serie:"_s, u"A"_s);
    QCOMPARE(caja->windowTitle(), u"Serie"_s);
    QCOMPARE(caja->labelText(), u"Nueva serie:"_s);
    QCOMPARE(caja->textValue(), u"A"_s);
    QCOMPARE(caja->okButtonText(), u"Aceptar"_s);
    QCOMPARE(caja->cancelButtonText(), u"Cancelar"_s);

    establecerMensajes(&m_mensajes);
    QTimer::singleShot(0, this, [] {
        if (auto *dialogo = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            dialogo->setTextValue(u"B"_s);
            dialogo->accept();
        }
    });
    QString valor = u"A"_s;
    QVERIFY(mensajes().pedirTexto(u"Serie"_s, u"Nueva serie:"_s, valor));
    QCOMPARE(valor, u"B"_s);

    pulsarAlAparecer(QString());
    QVERIFY(!mensajes().pedirTexto(u"Serie"_s, u"Nueva serie:"_s, valor));
    QCOMPARE(valor, u"B"_s);
}

void TstMensajesQt::espanol()
{
    configurarEspanol(*qApp);
    QCOMPARE(QLocale().language(), QLocale::Spanish);
    QCOMPARE(QLocale().territory(), QLocale::Spain);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancelar"_s);
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TstMensajesQt)
#include "tst_mensajesqt.moc"
