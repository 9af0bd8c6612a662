#include "UnidadGContador.h"

#include "EstadoNavegacion.h"
#include "Numeracion.h"
#include "UnidadGSerie.h"
#include "UnidadModuloDatos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos
            = {"Añadir Contador...", "Modificación de Contador...", "Visualización de Contador..."},
            .auditoria = false,
            .comprobarCodigo = false,
            .primerCampo = "tabla",
            .campoFallo = "tabla",
            .requeridos = {{"tabla", "El campo Tabla debe tener un valor"}},
            .campos
            = {{.columna = "tabla",
                .editor = TformGBase::Editor::ListaFija,
                .valores = TformGSerie::tablasDocumento()},
               {.columna = "serie", .editor = TformGBase::Editor::ListaAbierta, .mayusculas = true},
               {.columna = "contador"}},
    };
    return d;
}

} // namespace

TformContadorG::TformContadorG(QWidget *parent)
    : TformGSimple(md().tContador, definicion(), parent)
{
    cargarSeries();
    Campo *serie = campo(QStringLiteral("serie"));
    serie->alPulsarMas = [this] {
        bNuevaSerieClick();
    };
    auto *bNuevaSerie = new QToolButton(this);
    bNuevaSerie->setObjectName(QStringLiteral("bNuevaSerie"));
    bNuevaSerie->setText(QStringLiteral("+"));
    bNuevaSerie->setToolTip(QStringLiteral("Añade una nueva serie"));
    bNuevaSerie->setFocusPolicy(Qt::NoFocus);
    bNuevaSerie->setEnabled(modo() != Modo::Zoom);
    filaCampo(QStringLiteral("serie"))->addWidget(bNuevaSerie);
    connect(bNuevaSerie, &QToolButton::clicked, this, &TformContadorG::bNuevaSerieClick);
    ajustarVentana();
}

void TformContadorG::cargarSeries()
{
    auto *lista = static_cast<QComboBox *>(campo(QStringLiteral("serie"))->editor);
    const QString texto = lista->currentText();
    lista->clear();
    lista->addItems(obtenerSeries(QString()));
    lista->setCurrentText(texto);
}

void TformContadorG::bNuevaSerieClick()
{
    if (modo() == Modo::Zoom)
        return;
    const QString modoAnterior = navegacion().modoEdicion;
    navegacion().modoEdicion = QStringLiteral("nuevo");
    {
        TformGSerie serie(this);
        serie.exec();
    }
    navegacion().modoEdicion = modoAnterior;
    cargarSeries();
}
