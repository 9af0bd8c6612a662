#include "UnidadGMarca.h"

#include "UnidadModuloDatos.h"

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos = {"Añadir Marca...", "Modificación de Marca...", "Visualización de Marca..."},
            .auditoria = true,
            .primerCampo = "nombre",
            .requeridos = {{"nombre", "El campo Nombre debe tener un valor."}},
            .campos = {{.columna = "nombre"}, {.columna = "observacion"}},
    };
    return d;
}

} // namespace

TformGMarca::TformGMarca(QWidget *parent)
    : TformGSimple(md().tMarca, definicion(), parent)
{ }
