#pragma once

#include "Conexion.h"
#include "EntradaContrasena.h"
#include "LineaOrdenes.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// The commands of quenvalia-admin: writing the connection into the settings file, creating the
// database, a user and the demonstration data, and checking an installation. Each run opens its
// own connection, from the program's settings file with the command line's options over it.
class OrdenesAdmin
{
public:
    // What was done goes to `salida`; failures and warnings, in Spanish, to `errores`. Neither
    // is owned; both must outlive the object.
    OrdenesAdmin(QTextStream &salida, QTextStream &errores)
        : salida_(salida)
        , errores_(errores)
    { }

    // Where passwords are read from (crear-usuario, "--contrasena -"); by default the terminal
    // or standard input. Not owned; must outlive the calls to ejecutar().
    void establecerEntrada(EntradaContrasena *entrada) { entrada_ = entrada; }

    // Runs one command line (the program name first) and returns the exit status: 0 when the
    // command was done, 1 when it was refused or failed, with the reason written to `errores`.
    // The settings file is the one of --ini, else the one QUENVALIA_INI names, else
    // rutaIniPorDefecto(); QUENVALIA_INI is set to it, so the settings functions of the whole
    // process read that file afterwards.
    int ejecutar(const QStringList &argumentos);

    // The program's settings file as seen from this executable: quenvalia.INI in its folder when
    // the program quenvalia is there too or nothing else is found, else the one beside
    // ../shell/quenvalia (the build tree). Requires a QCoreApplication.
    static QString rutaIniPorDefecto();

private:
    int configurar(const LineaOrdenes &linea);
    int crearBaseDatos(const LineaOrdenes &linea);
    int crearUsuario(const LineaOrdenes &linea);
    int cargarDatosDemo(const LineaOrdenes &linea);
    int comprobar(const LineaOrdenes &linea);

    // The connection parameters of the settings file with the command line's over them, read
    // the password if asked. False (message written) when the server or, with
    // `conBaseDatos`, the database name is missing, or a value is not valid.
    bool parametrosConexion(const LineaOrdenes &linea, bool conBaseDatos,
                            ParametrosConexion &salida);
    bool conectar(Conexion &conexion, const ParametrosConexion &parametros);
    bool leerContrasena(const QString &pregunta, bool confirmar, QString &contrasena);

    void informar(const QString &texto);
    void avisar(const QString &texto);
    int fallo(const QString &texto);
    int falloBD(const QString &texto, const ErrorBD &error);

    QTextStream &salida_;
    QTextStream &errores_;
    EntradaContrasena entradaTerminal_;
    EntradaContrasena *entrada_ = &entradaTerminal_;
};
