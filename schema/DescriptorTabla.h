#pragma once

#include <span>
#include <string_view>

// Plain description of every table of the database: the one source for schema checks,
// datasets, grids and forms. Texts are UTF-8.
namespace esquema {

enum class Tipo {
    Entero64, // bigint
    Entero32, // int
    Real, // double
    Texto, // varchar(tamano)
    TextoLargo, // text / longtext
    Fecha, // date
    Hora, // time
    FechaHora, // datetime
    Binario // blob / longblob
};

struct Columna
{
    const char *nombre; // column name as in the table (lower case)
    Tipo tipo;
    int tamano; // maximum characters of a varchar; 0 for the other types
    bool requerido; // saving the row with this column empty is refused
    const char *etiqueta; // caption in lists and edit views; "" when the column has none
    const char *formato; // display format ("pos;neg;zero" style); "" for the default
};

struct Tabla
{
    const char *nombre; // table name (lower case)
    std::span<const Columna> columnas; // in the order of the creation script
    const char *mensajeDuplicado; // warning shown on a duplicate key; "" for the generic one
};

// Display formats shared by several columns.
inline constexpr const char *formatoMoneda = ",0.00 €;-,0.00 €";

// Every table, in the order of the creation script.
std::span<const Tabla> tablas();

// The table of that name, or nullptr. Like the server, the lookups ignore the case of the name.
const Tabla *buscarTabla(std::string_view nombre);

// The column of that name in the table, or nullptr.
const Columna *buscarColumna(const Tabla &tabla, std::string_view nombre);

} // namespace esquema
