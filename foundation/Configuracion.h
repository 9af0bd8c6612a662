#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// The installation's settings: where the settings file is, the typed key access, the shared
// settings record and its loader, and the scrambling of the database password.

// The settings file: the executable's path with ".exe" replaced by ".INI", or ".INI" appended
// when the executable has no such extension (quenvalia -> quenvalia.INI). The environment
// variable QUENVALIA_INI, when set and not empty, names another file (used by tests).
// Requires a QCoreApplication unless QUENVALIA_INI is set.
[[nodiscard]] QString rutaFicheroIni();

// The folder of the program's companion files ("Descripción factura.txt", exports): the
// executable's folder, or the folder of the QUENVALIA_INI file when that variable is set.
[[nodiscard]] QString carpetaPrograma();

// "Descripción factura.txt" in carpetaPrograma().
[[nodiscard]] QString rutaDescripcionFactura();

// Key access. Every call opens the settings file, reads or writes one key and closes it again;
// nothing is cached. Section and key names are compared without regard to case and are never
// trimmed. A missing file, section or key gives the default; so does a file that cannot be read.

// The text after "=", as it stands (an existing empty value gives "", not the default).
[[nodiscard]] QString leerIniCadena(QStringView seccion, QStringView clave,
                                    const QString &defecto = {});

// A decimal integer with optional sign and surrounding blanks; any other text gives the default.
[[nodiscard]] qint64 leerIniEntero(QStringView seccion, QStringView clave, qint64 defecto);

// Read as an integer: 0 is false, any other number true, a missing or non-numeric value the
// default.
[[nodiscard]] bool leerIniBool(QStringView seccion, QStringView clave, bool defecto);

// Writes one key, creating the file or the section as needed and keeping every other line.
// The file is replaced as a whole, never left half-written. False when the file system refuses
// or the text cannot be held by one line (a line break); the caller then shows
// mensajeErrorEscrituraIni() as an error and stops what it was doing. Characters that
// Windows-1252 cannot hold are stored as "?".
[[nodiscard]] bool escribirIniCadena(QStringView seccion, QStringView clave, const QString &valor);
[[nodiscard]] bool escribirIniEntero(QStringView seccion, QStringView clave, qint64 valor);
// Stores "1" or "0".
[[nodiscard]] bool escribirIniBool(QStringView seccion, QStringView clave, bool valor);

// The user's text for a refused write: "No se ha podido escribir el fichero de configuración: "
// followed by the path of the settings file.
[[nodiscard]] QString mensajeErrorEscrituraIni();

// Writes "Descripción factura.txt" whole, in Windows-1252 with CR LF line ends, replacing the
// file as a whole. False when the file system refuses or a line holds a line break; the caller
// then shows mensajeErrorEscrituraDescripcion() as an error.
[[nodiscard]] bool escribirDescripcionFactura(const QStringList &lineas);
// "No se ha podido escribir el fichero: " followed by the path of "Descripción factura.txt".
[[nodiscard]] QString mensajeErrorEscrituraDescripcion();

// Settings kept in memory by cargarConfiguracion(), one field per loaded key, named after it.
// Empty (texts empty, numbers 0, flags false) until the first load.
struct DatosConfiguracion
{
    // "Base de datos"
    QString bdNombre; // "Tipo BD MySQL - Nombre BD"
    QString bdServidor; // "Tipo BD MySQL - Servidor"
    QString bdProtocolo; // "Tipo BD MySQL - Protocolo"
    QString bdPuerto; // "Tipo BD MySQL - Puerto"
    QString bdContrasena; // "Tipo BD MySQL - Contraseña", unscrambled (leerContrasenaBD)

    // "Defecto"
    QString tipoTercero;
    qint64 codigoClienteDefectoFacturas = 0;
    qint64 codigoProveedorDefectoFacturas = 0;
    bool crearFacturaAutomaticamente = false;
    qint64 porcentajeIvaFacturas = 0;
    bool validaParaHacienda = false;
    qint64 articuloCodigoFamilia = 0;
    qint64 articuloCodigoModelo = 0;
    qint64 articuloCodigoMarca = 0;
    qint64 articuloCodigoProveedor = 0;
    qint64 tecnico1 = 0;
    qint64 tecnico2 = 0;
    qint64 tecnico3 = 0;
    qint64 tecnico4 = 0;
    qint64 tecnico5 = 0;
    qint64 tecnico6 = 0;
    qint64 tecnicoIndeterminado = 0;
    qint64 incidenciaCodigoRecurso = 0;
    qint64 incidenciaCodigoCliente = 0;
    QString incidenciaPrioridad;
    QString incidenciaTipo;
    bool cambioControlIntro = false;
    bool permitirDuplicadoNombreTercero = false;
    bool permitirDuplicadoNombreArticulo = false;
    QString valorIndeterminado;

    // "Empresa"
    QString empresaNombre;
    QString empresaDireccion;
    QString empresaCif;
    QString empresaProvincia;
    QString empresaPoblacion;
    QString empresaNombrePersona;
    QString empresaTelefono;
    QString empresaInscripcion;
    QString empresaCp;
    QString empresaObservacion;
    QString empresaLogotipo; // path of the logo image
    QString empresaLogotipoNombre; // path of the name banner image
    QStringList descripcionFactura; // lines of "Descripción factura.txt"; empty without the file

    // "Fichero Adjunto"
    qint64 ficheroAdjuntoTamanoMaximo = 0; // bytes

    // "Facturación"
    qint64 cantidadCaracteresNumeroFactura = 0;
    QString serie;
    QString anio; // "Año", e.g. "/2024"
    // Parts of a composed invoice number by position: posiciones[0] is position 1. Each holds
    // 1 (counter), 2 (series), 3 (year) or 0 when no part is placed there.
    std::array<int, 3> posiciones {};
    bool ocultarPieFactura = false;
    bool ocultarPieObservacion = false;
    QString seriePorDefecto;

    // "Servidor email"
    QString emailServidor;
    QString emailUsuario;
    QString emailContrasena;
    QString emailPuerto;
    QString emailCuenta;
    bool emailAutenticacion = false;

    // "Título ventanas"
    QString tituloPartesTrabajo;
    QString tituloPartesTrabajoPlural;
    QString tituloPartesTrabajoBoton;
    QString tituloPartesTrabajoMenu;
    QString tituloIncidencias;
    QString tituloIncidenciasPlural;
};

// The process-wide settings record. Windows only read it; cargarConfiguracion() rewrites it
// (tests may also set fields to prepare a case).
DatosConfiguracion &datosConfiguracion();

// Rewrites datosConfiguracion() from the settings file and "Descripción factura.txt", with the
// defaults for what is missing, and resets navegacion().codigoSeleccionado to -1. "Año"
// defaults to "/" and the current year at each load. "Orden 1".."Orden 3" outside 1..3 are
// ignored, and the position table starts from zeros at each load. Never fails: what cannot be
// read takes its default.
void cargarConfiguracion();

// Seed of the password scrambling; a file written with another seed cannot be unscrambled.
inline constexpr quint32 semillaClave = 0x5A17C3E9u;

// Scrambles the Windows-1252 bytes of texto: a 32-bit generator starts at semilla and for each
// byte becomes estado * 134775813 + 1; the byte is XORed with the top 8 bits of the new state.
// Same length as the input, "" gives "", and the transformation is its own inverse for texts
// within Windows-1252 (other characters become "?" first). The result may hold any character
// of the code page, including U+0000, CR and LF.
[[nodiscard]] QString codificarClave(QStringView texto, quint32 semilla);
// The same transformation as codificarClave.
[[nodiscard]] QString decodificarClave(QStringView texto, quint32 semilla);

// The database password ("Base de datos" / "Tipo BD MySQL - Contraseña"). escribirContrasenaBD
// stores it scrambled with semillaClave as "hex:" followed by the bytes in hexadecimal, so no
// byte can break the line; "" is stored as "". leerContrasenaBD unscrambles such a value and
// returns any other value (a password typed into the file by hand) as it stands.
[[nodiscard]] QString leerContrasenaBD();
// False as for escribirIniCadena; the caller shows mensajeErrorEscrituraIni().
[[nodiscard]] bool escribirContrasenaBD(const QString &contrasena);
