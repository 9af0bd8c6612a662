#include "EstadoNavegacion.h"

EstadoNavegacion &navegacion()
{
    static EstadoNavegacion estado;
    return estado;
}
