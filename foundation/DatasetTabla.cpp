#include "DatasetTabla.h"

#include "Registro.h"

#include <stdexcept>

DatasetTabla::DatasetTabla(Conexion *conexion, const char *tabla, AvisoErrores aviso)
    : conexion_(conexion)
    , tabla_(esquema::buscarTabla(tabla))
    , aviso_(aviso)
{
    if (!tabla_)
        throw std::logic_error(std::string("tabla sin descriptor: ") + tabla);
}

std::unique_ptr<Registro> DatasetTabla::crearRegistro() const
{
    return std::make_unique<Registro>(*this);
}
