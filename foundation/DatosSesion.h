#pragma once

#include <QString>

// Identity and rights of the user who logged in; empty until a login succeeds.
struct DatosSesion
{
    QString versionPrograma; // the program's version text, set at start
    QString nickUsuario; // the nick as typed at login; empty: nobody logged in
    qint64 codigoUsuario = 0; // usuario.codigo, stamped into the audit columns
    QString nombreUsuario;
    bool esAdministrador = false;
    bool puedeModificar = false;
    QString usuarioBD; // database user the connection was opened with
    QString contrasenaUsuario; // the stored password digest, kept for the session
};

// The process-wide session state.
DatosSesion &datosSesion();

// The program's name, as it heads the windows and the message boxes: "Trevanox Quenvalia".
QString tituloAplicacion();

// The program's version text.
inline constexpr const char *versionPrograma = "2.6.9.499 (06-01-2011)";

// Rights for the administration menu options "Usuarios" and "UtilidadesBD": the user must be
// an administrator. When refused and `avisar`, warns "No tiene permisos para acceder a esta
// opción de menú." first.
bool tienePermisoMenu(const QString &opcion, bool avisar);

// Right to change data in any window: the user's modification flag. When refused and
// `avisar`, warns "No tiene permisos para realizar esta acción." first.
bool tienePermisoModificar(const QString &ventana, bool avisar);
