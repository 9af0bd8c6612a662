#include "UnidadGRecurso.h"

#include "Registro.h"
#include "UnidadModuloDatos.h"

#include <QDateTime>

namespace {

// Location of the resources entered in this window, which does not ask for one.
QVariant ubicacionPorDefecto()
{
    return QStringLiteral("Sin ubicación");
}

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos = {"Añadir Recurso...", "Modificación de Recurso...",
                        "Visualización de Recurso..."},
            .comprobarCodigo = false,
            .requeridos = {{"nombre", "El campo Nombre debe tener un valor."}},
            .campos = {
                    {.columna = "nombre", .grupo = "", .pestana = "Datos"},
                    {.columna = "tipo",
                     .editor = TformGBase::Editor::ListaAbierta,
                     .valores = {QStringLiteral("Documentación"), QStringLiteral("Web"),
                                 QStringLiteral("Software"), QStringLiteral("Hardware"),
                                 QStringLiteral("Otro")},
                     .grupo = "",
                     .pestana = "Datos"},
                    {.columna = "version", .grupo = "", .pestana = "Datos"},
                    {.columna = "fechaalta", .etiqueta = "Fecha", .grupo = "", .pestana = "Datos"},
                    {.columna = "fechainicio", .grupo = "Proyecto ", .pestana = "Datos",
                     .mitad = true},
                    {.columna = "fechafin", .grupo = "Proyecto ", .pestana = "Datos"},
                    {.columna = "fechaplazoentrega",
                     .etiqueta = "Fecha entrega",
                     .grupo = "Proyecto ",
                     .pestana = "Datos",
                     .ayuda = "Fecha de vencimiento"},
                    {.columna = "tiempodesarrollo",
                     .etiqueta = "Horas desarrollo",
                     .grupo = "Proyecto ",
                     .pestana = "Datos"},
                    {.columna = "importecoste", .grupo = "Proyecto ", .pestana = "Datos"},
                    {.columna = "importeventa", .grupo = "Proyecto ", .pestana = "Datos"},
                    {.columna = "fase",
                     .editor = TformGBase::Editor::ListaAbierta,
                     .valores = {QString(), QStringLiteral("Iniciado"),
                                 QStringLiteral("Desarrollo"),
                                 QStringLiteral("Entregado y en depuración"),
                                 QStringLiteral("Completado")},
                     .grupo = "Proyecto ",
                     .pestana = "Datos"},
                    {.columna = "fechacompra", .etiqueta = "F. compra", .grupo = "Hardware ",
                     .pestana = "Datos", .mitad = true},
                    {.columna = "fechafingarantia",
                     .etiqueta = "F. fin garantía",
                     .grupo = "Hardware ",
                     .pestana = "Datos"},
                    {.columna = "numerofactura", .grupo = "Hardware ", .pestana = "Datos"},
                    {.columna = "codigoinventario",
                     .etiqueta = "Cód. Inventario",
                     .grupo = "Hardware ",
                     .pestana = "Datos"},
                    {.columna = "codigotercero",
                     .etiqueta = "Cód. Tercero",
                     .grupo = "Hardware ",
                     .pestana = "Datos"},
                    {.columna = "observacion", .grupo = "Observación ", .pestana = "Datos"},
                    {.columna = "descripciontecnica", .pestana = "Descripción técnica"},
            },
            .valoresIniciales =
                    [](Registro &r) {
                        const QDateTime ahora = QDateTime::currentDateTime();
                        r.asignar(u"fechaalta", ahora);
                        r.asignar(u"fechainicio", ahora);
                        r.asignar(u"ubicacion", ubicacionPorDefecto());
                    },
            .moduloDocumentos = "Recursos",
    };
    return d;
}

} // namespace

TformGRecurso::TformGRecurso(QWidget *parent)
    : TformGSimple(md().tRecurso, definicion(), parent)
{
    // The table requires a location the window has no field for: a row without one gets the
    // default, or it could never be stored.
    if (modo() == Modo::Modificar && registroValido() && registro().texto(u"ubicacion").isEmpty())
        registro().asignar(u"ubicacion", ubicacionPorDefecto());
}
