#include "DatosSesion.h"
#include "Espanol.h"
#include "InicioSesion.h"
#include "MensajesQt.h"
#include "RegistroVentanas.h"
#include "UnidadMenuPrincipal.h"
#include "UnidadModuloDatos.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    // Organisation and application name place the per-user settings (grid layouts). No
    // display name: Qt would append it to every window title, and each window already starts
    // its title with the program's name (tituloAplicacion()).
    QApplication::setOrganizationName(u"Trevanox"_s);
    QApplication::setApplicationName(u"Quenvalia"_s);
    configurarEspanol(aplicacion);
    MensajesQt mensajesQt;
    establecerMensajes(&mensajesQt);

    datosSesion().versionPrograma = QString::fromUtf8(versionPrograma);
    md();

    int resultado = 0;
    {
        TformMenuPrincipal ventana(iniciarSesionConVentana);
        registrarVentanasPrograma(ventana);
        // Nobody logged in: the program ends.
        if (ventana.iniciar())
            resultado = QApplication::exec();
    }
    establecerMensajes(nullptr);
    return resultado;
}
