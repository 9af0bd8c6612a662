#include "InicioSesion.h"

#include "UnidadLogin.h"

void iniciarSesionConVentana(QWidget *padre)
{
    TformInicioSesion ventana(padre);
    ventana.exec();
}
