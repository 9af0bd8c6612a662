#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A date and time as the client library gives it, without any conversion.
struct FechaNativa
{
    int16_t anio = 0;
    uint8_t mes = 0;
    uint8_t dia = 0;
    uint8_t hora = 0;
    uint8_t minuto = 0;
    uint8_t segundo = 0;
    uint32_t microsegundos = 0;
};

// Plain column-wise storage of a result as a hand-written program over the client library
// would keep it: one vector per column and kind, texts back to back, a byte per NULL.
struct TablaNativa
{
    enum class Clase { Entero, Real, Fecha, Texto };

    struct Columna
    {
        Clase clase = Clase::Texto;
        std::vector<uint8_t> nulos;
        std::vector<int64_t> enteros;
        std::vector<double> reales;
        std::vector<FechaNativa> fechas;
        std::string textos;
        std::vector<uint32_t> finTexto;

        // Adds a NULL: the flag plus a placeholder in the column's own vector.
        void anadirNulo();
        void reservar(size_t filas);
    };

    std::vector<Columna> columnas;

    size_t filas() const { return columnas.empty() ? 0 : columnas.front().nulos.size(); }
    // Heap bytes held by the vectors (their capacity).
    size_t bytesUsados() const;
    // Sum of a real column, for checking that two readers saw the same values.
    double suma(size_t columna) const;
};
