#include "UnidadGTipoGasto.h"

#include "UnidadModuloDatos.h"

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos = {"Añadir Tipo de gasto...", "Modificación de Tipo de gasto...",
                        "Visualización de Tipo de gasto..."},
            .primerCampo = "nombre",
            .requeridos = {{"nombre", "El campo Nombre debe tener un valor."}},
            .campos = {{.columna = "nombre"}, {.columna = "importe"}},
    };
    return d;
}

} // namespace

TformGTipoGasto::TformGTipoGasto(QWidget *parent)
    : TformGSimple(md().tTipoGasto, definicion(), parent)
{ }
