#pragma once

#include <QDialog>

#include <functional>
#include <memory>

// The edit views that the lookup dialog's "Nuevo" opens, by lookup entity number. The program
// registers them at start; a lookup dialog asks for one after setting modoEdicion to "nuevo".
using FabricaVistaEdicion = std::function<std::unique_ptr<QDialog>(QWidget *padre)>;

// Registers (or replaces) the edit view of lookup entity `entidadSeleccion`.
void registrarVistaEdicion(int entidadSeleccion, FabricaVistaEdicion fabrica);
// Whether entity `entidad` has an edit view.
bool hayVistaEdicion(int entidad);
// A new edit view of entity `entidad` over `padre`, for the caller to exec() and destroy;
// nullptr when the entity has none.
std::unique_ptr<QDialog> crearVistaEdicion(int entidad, QWidget *padre);
