#include "UnidadGTecnico.h"

#include "Registro.h"
#include "UnidadModuloDatos.h"

#include <QDateTime>

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos
            = {"Añadir Técnico...", "Modificación de Técnico...", "Visualización de Técnico..."},
            .primerCampo = "fechaalta",
            .requeridos = {{"nombre", "El campo Nombre debe tener un valor."}},
            .campos = {{.columna = "fechaalta",
                        .etiqueta = "Fecha Alta",
                        .editor = TformGBase::Editor::Fecha},
                       {.columna = "nombre"},
                       {.columna = "importesueldo", .etiqueta = "Sueldo"},
                       {.columna = "preciohora"},
                       {.columna = "preciohoraextra"},
                       {.columna = "telefono"},
                       {.columna = "email1"},
                       {.columna = "email2"},
                       {.columna = "observacion", .editor = TformGBase::Editor::Multilinea}},
            .valoresIniciales =
                    [](Registro &r) {
                        r.asignar(u"fechaalta", QDateTime(QDate::currentDate(), QTime(0, 0)));
                    },
    };
    return d;
}

} // namespace

TformGTecnico::TformGTecnico(QWidget *parent)
    : TformGSimple(md().tTecnico, definicion(), parent)
{ }
