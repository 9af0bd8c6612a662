#pragma once

#include "Parametros.h"

#include <QString>
#include <QStringView>

#include <array>

class Consulta;
class ModeloSeleccion;

// What a search option of the lookup dialog does with the typed text.
enum class BusquedaSeleccion {
    Ninguna, // typing does nothing
    Nombre, // re-query with the option's condition and pValor = "%" + text + "%"
    Codigo, // move to the first row whose code starts with the text; no re-query
    Fecha, // re-query for the typed dd/mm/yyyy date, only once it is complete
};

// One search option: radio caption, ordering of the base query, search label, and what typing
// does. `condicion` is appended to the base query (it starts with " WHERE" or " and").
struct OpcionSeleccion
{
    QStringView titulo;
    QStringView orden;
    QStringView etiqueta;
    BusquedaSeleccion busqueda = BusquedaSeleccion::Ninguna;
    QStringView condicion;
};

// Presentation of one result column: name as the statement returns it, caption ("" keeps the
// name) and width in characters.
struct ColumnaSeleccion
{
    QStringView nombre;
    QStringView titulo;
    int ancho = 0;
};

// One record kind the lookup dialog offers, by entity number.
struct DefinicionSeleccion
{
    int entidad = 0;
    QStringView titulo;
    QStringView consultaBase; // without ordering
    std::array<OpcionSeleccion, 4> opciones {};
    int numOpciones = 0;
    std::array<ColumnaSeleccion, 7> columnas {};
    int numColumnas = 0;
    bool partesCliente = false; // binds pCodigoCliente and pFacturado (work orders)
};

// The definition of entity `entidad`, or nullptr when the dialog does not know it.
const DefinicionSeleccion *definicionSeleccion(int entidad);

// Mask of the date search box: day/month/year with the slashes fixed.
inline constexpr QStringView mascaraFechaSeleccion = u"99/99/0000;_";

// The statement of a refresh: base query plus the ordering of option `opcion` (0-based).
QString sentenciaBaseSeleccion(const DefinicionSeleccion &definicion, int opcion);
// The statement of a search with option `opcion`: base query plus its condition, no ordering.
// Empty when the option does not re-query.
QString sentenciaBusquedaSeleccion(const DefinicionSeleccion &definicion, int opcion);
// The value of pValor for the typed text: "%text%" for a name, the text as typed for a date
// (a null QVariant when the date is not complete, 10 characters).
QVariant valorBusquedaSeleccion(BusquedaSeleccion busqueda, const QString &texto);
// The fixed parameters of the kind (work orders: the party of codigoTerceroLinea, not invoiced).
void ponerParametrosSeleccion(const DefinicionSeleccion &definicion, qint64 codigoTercero,
                              Parametros &parametros);

// Runs `consulta` (its statement and parameters already set) and, on success, hands its rows
// to `modelo`, leaving the query closed. On failure the model keeps its rows and false is
// returned with consulta.error() set. Needs no display.
[[nodiscard]] bool cargarSeleccion(Consulta &consulta, ModeloSeleccion &modelo);
