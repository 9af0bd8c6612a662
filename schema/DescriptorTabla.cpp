#include "DescriptorTabla.h"

#include <algorithm>

namespace esquema {
namespace {

// Table and column names are plain ASCII, and the server ignores their case; the Parts
// and older statements spell some of them in mixed case ("CodigoTercero").
bool mismoNombre(std::string_view a, std::string_view b)
{
    const auto minuscula = [](char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, {}, minuscula, minuscula);
}

} // namespace

const Tabla *buscarTabla(std::string_view nombre)
{
    for (const Tabla &tabla : tablas()) {
        if (mismoNombre(tabla.nombre, nombre))
            return &tabla;
    }
    return nullptr;
}

const Columna *buscarColumna(const Tabla &tabla, std::string_view nombre)
{
    for (const Columna &columna : tabla.columnas) {
        if (mismoNombre(columna.nombre, nombre))
            return &columna;
    }
    return nullptr;
}

} // namespace esquema
