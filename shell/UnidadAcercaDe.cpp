#include "UnidadAcercaDe.h"

#include "DatosSesion.h"
#include "UnidadLogin.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TformAcercaDe::TformAcercaDe(QWidget *padre)
    : QDialog(padre)
{
    setObjectName(u"formAcercaDe"_s);
    const QString titulo = tituloAplicacion();
    setWindowTitle(u"Acerca de "_s % titulo);

    auto *icono = new QLabel(this);
    icono->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    icono->setAlignment(Qt::AlignTop);

    auto *lblTitulo = new QLabel(titulo, this);
    lblTitulo->setObjectName(u"lblTitulo"_s);
    QFont grande = lblTitulo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    grande.setBold(true);
    lblTitulo->setFont(grande);
    // Wide enough for the window manager to show the whole title.
    lblTitulo->setMinimumWidth(lblTitulo->fontMetrics().horizontalAdvance(windowTitle()) + 120);

    auto *lblVersion = new QLabel(u"Versión "_s % datosSesion().versionPrograma, this);
    lblVersion->setObjectName(u"lblVersion"_s);

    auto *textos = new QVBoxLayout;
    textos->addWidget(lblTitulo);
    textos->addWidget(lblVersion);
    textos->addStretch();

    auto *cuerpo = new QHBoxLayout;
    cuerpo->addWidget(icono);
    cuerpo->addSpacing(12);
    cuerpo->addLayout(textos, 1);

    auto *botones = new QDialogButtonBox(this);
    QPushButton *aceptar = botones->addButton(u"&Aceptar"_s, QDialogButtonBox::AcceptRole);
    aceptar->setDefault(true);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *principal = new QVBoxLayout(this);
    principal->addLayout(cuerpo);
    principal->addSpacing(8);
    principal->addWidget(botones);
    principal->setSizeConstraint(QLayout::SetFixedSize);
}
