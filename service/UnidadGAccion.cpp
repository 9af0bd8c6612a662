#include "UnidadGAccion.h"

#include "Registro.h"
#include "UnidadModuloDatos.h"

#include <QDateTime>

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos
            = {"Añadir Acción...", "Modificación de Acción...", "Visualización de Acción..."},
            .primerCampo = "nombre",
            .requeridos = {{"nombre", "El campo Nombre debe tener un valor."}},
            .campos
            = {{.columna = "nombre"},
               {.columna = "precio", .etiqueta = "Importe", .puntoDecimal = false},
               {.columna = "fechaalta", .etiqueta = "Fecha", .editor = TformGBase::Editor::Fecha},
               {.columna = "descripcion"}},
            .valoresIniciales =
                    [](Registro &r) {
                        r.asignar(u"fechaalta", QDateTime(QDate::currentDate(), QTime(0, 0)));
                    },
    };
    return d;
}

} // namespace

TformGAccion::TformGAccion(QWidget *parent)
    : TformGSimple(md().tAccion, definicion(), parent)
{ }
