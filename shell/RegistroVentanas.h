#pragma once

class TformMenuPrincipal;

// Plugs the program's list windows, edit views, dialogs and lookup dialog into the main
// window. Each unit that provides one of them adds its registration here.
void registrarVentanasPrograma(TformMenuPrincipal &ventana);
