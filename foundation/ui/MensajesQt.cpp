#include "MensajesQt.h"

#include "DatosSesion.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

std::unique_ptr<QMessageBox> MensajesQt::crearCaja(Tipo tipo, const QString &texto, QWidget *padre)
{
    auto caja = std::make_unique<QMessageBox>(padre);
    caja->setWindowTitle(tituloAplicacion());
    caja->setTextFormat(Qt::PlainText);
    caja->setText(texto);
    switch (tipo) {
    case Tipo::Aviso:
        caja->setIcon(QMessageBox::Warning);
        break;
    case Tipo::Error:
        caja->setIcon(QMessageBox::Critical);
        break;
    case Tipo::Informacion:
        caja->setIcon(QMessageBox::Information);
        break;
    case Tipo::PreguntaSiNo:
    case Tipo::PreguntaAceptarCancelar:
        caja->setIcon(QMessageBox::Question);
        break;
    case Tipo::Mensaje:
    case Tipo::PedirTexto:
        caja->setIcon(QMessageBox::NoIcon);
        break;
    }

    if (tipo == Tipo::PreguntaSiNo || tipo == Tipo::PreguntaAceptarCancelar) {
        const bool siNo = tipo == Tipo::PreguntaSiNo;
        QPushButton *afirmativo
                = caja->addButton(siNo ? u"Sí"_s : u"Aceptar"_s, QMessageBox::YesRole);
        QPushButton *negativo
                = caja->addButton(siNo ? u"No"_s : u"Cancelar"_s, QMessageBox::NoRole);
        caja->setDefaultButton(afirmativo);
        caja->setEscapeButton(negativo);
    } else {
        QPushButton *aceptar = caja->addButton(u"Aceptar"_s, QMessageBox::AcceptRole);
        caja->setDefaultButton(aceptar);
        caja->setEscapeButton(aceptar);
    }
    return caja;
}

std::unique_ptr<QInputDialog> MensajesQt::crearCajaTexto(const QString &titulo,
                                                         const QString &etiqueta,
                                                         const QString &valor, QWidget *padre)
{
    auto caja = std::make_unique<QInputDialog>(padre);
    caja->setInputMode(QInputDialog::TextInput);
    caja->setWindowTitle(titulo.isEmpty() ? tituloAplicacion() : titulo);
    caja->setLabelText(etiqueta);
    caja->setTextValue(valor);
    caja->setOkButtonText(u"Aceptar"_s);
    caja->setCancelButtonText(u"Cancelar"_s);
    return caja;
}

void MensajesQt::mostrar(Tipo tipo, const QString &texto)
{
    crearCaja(tipo, texto, QApplication::activeWindow())->exec();
}

bool MensajesQt::preguntar(Tipo tipo, const QString &texto)
{
    const auto caja = crearCaja(tipo, texto, QApplication::activeWindow());
    caja->exec();
    return caja->buttonRole(caja->clickedButton()) == QMessageBox::YesRole;
}

bool MensajesQt::pedir(const QString &titulo, const QString &etiqueta, QString &valor)
{
    const auto caja = crearCajaTexto(titulo, etiqueta, valor, QApplication::activeWindow());
    if (caja->exec() != QDialog::Accepted)
        return false;
    valor = caja->textValue();
    return true;
}
