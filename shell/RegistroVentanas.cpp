#include "RegistroVentanas.h"

#include "UnidadMenuPrincipal.h"

void registrarVentanasPrograma(TformMenuPrincipal &ventana)
{
    // No list window, edit view or dialog is linked into the program yet: their actions stay
    // disabled until registered here with ventana.registrarVentanaLista(),
    // ventana.registrarDialogo() and ventana.registrarSeleccion().
    Q_UNUSED(ventana);
}
