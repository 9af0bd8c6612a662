#include "RegistroVentanas.h"

#include "RegistroEdicion.h"
#include "UnidadGAccion.h"
#include "UnidadGFamilia.h"
#include "UnidadGFormaPago.h"
#include "UnidadGMarca.h"
#include "UnidadGModelo.h"
#include "UnidadGNota.h"
#include "UnidadGRecurso.h"
#include "UnidadGSerie.h"
#include "UnidadGTecnico.h"
#include "UnidadGTipoGasto.h"
#include "UnidadMenuPrincipal.h"
#include "UnidadSeleccion.h"
#include "VistaEdicion.h"

namespace {

template<class Vista>
std::unique_ptr<QDialog> crear(QWidget *padre)
{
    return std::make_unique<Vista>(padre);
}

} // namespace

void registrarVentanasPrograma(TformMenuPrincipal &ventana)
{
    // List windows and the remaining dialogs are registered here as their units arrive, with
    // ventana.registrarVentanaLista(), ventana.registrarDialogo() and
    // ventana.registrarSeleccion().
    ventana.registrarDialogo(QStringLiteral("TformGNota"), &crear<TformGNota>);

    // Edit views the lookup dialog's "Nuevo" opens, by lookup entity.
    registrarVistaEdicion(1, &crear<TformGTipoGasto>);
    registrarVistaEdicion(15, &crear<TformGFormaPago>);
    registrarVistaEdicion(50, &crear<TformGMarca>);
    registrarVistaEdicion(80, &crear<TformGModelo>);
    registrarVistaEdicion(90, &crear<TformGFamilia>);
    registrarVistaEdicion(170, &crear<TformGAccion>);
    registrarVistaEdicion(180, &crear<TformGTecnico>);
    registrarVistaEdicion(220, &crear<TformGRecurso>);
    registrarVistaEdicion(291, &crear<TformGSerie>);

    // The lookup dialog, for the main window's quick find and the edit views' code fields.
    ventana.registrarSeleccion(
            [](int tipo, QWidget *padre) { (void)abrirSeleccion(tipo, padre, false); });
    abrirSeleccionCodigo = [](int entidad, QWidget *padre) {
        return abrirSeleccion(entidad, padre);
    };
}
