#include "UnidadGFamilia.h"

#include "UnidadModuloDatos.h"

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos
            = {"Añadir Familia...", "Modificación de Familia...", "Visualización de Familia..."},
            .auditoria = false,
            .primerCampo = "nombre",
            .requeridos = {{"nombre", "El campo Nombre debe tener un valor."}},
            .campos = {{.columna = "nombre"}, {.columna = "observacion"}},
    };
    return d;
}

} // namespace

TformGFamilia::TformGFamilia(QWidget *parent)
    : TformGSimple(md().tFamilia, definicion(), parent)
{ }
