#include "UnidadGFormaPago.h"

#include "UnidadModuloDatos.h"

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos = {"Añadir Forma de pago...", "Modificación de Forma de pago...",
                        "Visualización de Forma de pago..."},
            .primerCampo = "nombre",
            .campos = {{.columna = "nombre"},
                       {.columna = "descripcion"},
                       {.columna = "dias",
                        .etiqueta = "Nº días vto.",
                        .editor = TformGBase::Editor::Entero}},
    };
    return d;
}

} // namespace

TformGFormaPago::TformGFormaPago(QWidget *parent)
    : TformGSimple(md().tFormaPago, definicion(), parent)
{ }
