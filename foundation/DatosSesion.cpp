#include "DatosSesion.h"

#include "Mensajes.h"

DatosSesion &datosSesion()
{
    static DatosSesion datos {QString::fromUtf8(versionPrograma), {}, 0, {}, false, false, {}, {}};
    return datos;
}

QString tituloAplicacion()
{
    return QStringLiteral("Trevanox Quenvalia");
}

bool tienePermisoMenu(const QString &opcion, bool avisar)
{
    Q_UNUSED(opcion); // only the two administration options are ever asked about
    const bool permitido = datosSesion().esAdministrador;
    if (!permitido && avisar)
        mensajes().aviso(QStringLiteral("No tiene permisos para acceder a esta opción de menú."));
    return permitido;
}

bool tienePermisoModificar(const QString &ventana, bool avisar)
{
    Q_UNUSED(ventana);
    const bool permitido = datosSesion().puedeModificar;
    if (!permitido && avisar)
        mensajes().aviso(QStringLiteral("No tiene permisos para realizar esta acción."));
    return permitido;
}
