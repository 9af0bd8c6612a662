#include "UnidadGSerie.h"

#include "UnidadModuloDatos.h"

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos = {"Añadir Serie...", "Modificación de Serie...", "Visualización de Serie..."},
            .primerCampo = "nombre",
            .requeridos = {{"nombre", "El campo Serie debe tener un valor."},
                           {"tabla", "El campo Tabla debe tener un valor."}},
            .campos = {{.columna = "nombre", .etiqueta = "Serie", .mayusculas = true},
                       {.columna = "tabla",
                        .editor = TformGBase::Editor::ListaFija,
                        .valores = TformGSerie::tablasDocumento()},
                       {.columna = "mostrarennumero",
                        .etiqueta = "Mostrar serie en número",
                        .editor = TformGBase::Editor::Casilla}},
    };
    return d;
}

} // namespace

TformGSerie::TformGSerie(QWidget *parent)
    : TformGSimple(md().tSerie, definicion(), parent)
{ }

QStringList TformGSerie::tablasDocumento()
{
    return {QStringLiteral("albaranproveedor"), QStringLiteral("factura"),
            QStringLiteral("facturaproveedor"), QStringLiteral("partetrabajo")};
}
