#include "TablaNativa.h"

void TablaNativa::Columna::anadirNulo()
{
    nulos.push_back(1);
    switch (clase) {
    case Clase::Entero:
        enteros.push_back(0);
        break;
    case Clase::Real:
        reales.push_back(0);
        break;
    case Clase::Fecha:
        fechas.emplace_back();
        break;
    case Clase::Texto:
        finTexto.push_back(static_cast<uint32_t>(textos.size()));
        break;
    }
}

void TablaNativa::Columna::reservar(size_t filas)
{
    nulos.reserve(filas);
    switch (clase) {
    case Clase::Entero:
        enteros.reserve(filas);
        break;
    case Clase::Real:
        reales.reserve(filas);
        break;
    case Clase::Fecha:
        fechas.reserve(filas);
        break;
    case Clase::Texto:
        finTexto.reserve(filas);
        break;
    }
}

size_t TablaNativa::bytesUsados() const
{
    size_t n = 0;
    for (const Columna &c : columnas) {
        n += sizeof(Columna) + c.nulos.capacity() + c.enteros.capacity() * sizeof(int64_t)
                + c.reales.capacity() * sizeof(double) + c.fechas.capacity() * sizeof(FechaNativa)
                + c.textos.capacity() + c.finTexto.capacity() * sizeof(uint32_t);
    }
    return n;
}

double TablaNativa::suma(size_t columna) const
{
    double s = 0;
    for (double v : columnas[columna].reales)
        s += v;
    return s;
}
