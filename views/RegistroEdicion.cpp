#include "RegistroEdicion.h"

#include <QHash>

namespace {

QHash<int, FabricaVistaEdicion> &fabricas()
{
    static QHash<int, FabricaVistaEdicion> registro;
    return registro;
}

} // namespace

void registrarVistaEdicion(int entidadSeleccion, FabricaVistaEdicion fabrica)
{
    fabricas().insert(entidadSeleccion, std::move(fabrica));
}

bool hayVistaEdicion(int entidad)
{
    return fabricas().contains(entidad);
}

std::unique_ptr<QDialog> crearVistaEdicion(int entidad, QWidget *padre)
{
    const auto it = fabricas().constFind(entidad);
    if (it == fabricas().constEnd() || !*it)
        return nullptr;
    return (*it)(padre);
}
