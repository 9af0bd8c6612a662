#include "UnidadGModelo.h"

#include "UnidadModuloDatos.h"

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos
            = {"Añadir Modelo...", "Modificación de Modelo...", "Visualización de Modelo..."},
            .auditoria = true,
            .primerCampo = "nombre",
            .requeridos = {{"nombre", "El campo Nombre debe tener un valor."}},
            .campos = {{.columna = "nombre"}, {.columna = "observacion"}},
    };
    return d;
}

} // namespace

TformGModelo::TformGModelo(QWidget *parent)
    : TformGSimple(md().tModelo, definicion(), parent)
{ }
