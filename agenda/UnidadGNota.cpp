#include "UnidadGNota.h"

#include "Registro.h"
#include "UnidadModuloDatos.h"

#include <QDateTime>

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos = {"Añadir Nota...", "Modificación de Nota...", "Visualización de Nota..."},
            .primerCampo = "fechaalta",
            .campoFallo = "asunto",
            .requeridos = {{"asunto", "El campo Asunto debe tener un valor."}},
            .campos = {{.columna = "fechaalta",
                        .etiqueta = "Fecha",
                        .editor = TformGBase::Editor::FechaHora},
                       {.columna = "asunto"},
                       {.columna = "nombre", .etiqueta = "Nota"}},
            .valoresIniciales
            = [](Registro &r) { r.asignar(u"fechaalta", QDateTime::currentDateTime()); },
            .moduloDocumentos = "Notas",
            .aceptaFicheros = true,
    };
    return d;
}

} // namespace

TformGNota::TformGNota(QWidget *parent)
    : TformGSimple(md().tNota, definicion(), parent)
{ }
