#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The command line of quenvalia-admin, read and checked: the command, its positional arguments
// and the options given, plus the help texts that describe them.
struct LineaOrdenes
{
    enum class Orden { Ninguna, Configurar, CrearBd, CrearUsuario, DatosDemo, Comprobar };

    Orden orden = Orden::Ninguna;
    QStringList argumentos; // positional arguments after the command (the nick of crear-usuario)
    QMap<QString, QString> opciones; // by name without "--"; "" for a switch
    bool ayuda = false; // --help, -h or "ayuda [ORDEN]": show the help of `orden` (or the general)

    // Reads the arguments (the program name first). Options may stand before or after the
    // command, as "--nombre valor" or "--nombre=valor". False, with `error` set to a message for
    // the user, when a command or option is unknown, an option does not belong to the command,
    // is repeated or lacks its value, the port is not a number from 1 to 65535, or the number of
    // positional arguments is wrong.
    [[nodiscard]] static bool leer(const QStringList &argumentos, LineaOrdenes &salida,
                                   QString &error);

    // Help text: the general one for Orden::Ninguna, else the command's usage and options.
    static QString textoAyuda(Orden orden);
    // The command's name as typed ("crear-bd"); "" for Orden::Ninguna.
    static QString nombreOrden(Orden orden);
    // Names (without "--") of the options the command accepts, in the order of the help text.
    static QStringList opcionesDe(Orden orden);

    bool tiene(const QString &opcion) const { return opciones.contains(opcion); }
    QString valor(const QString &opcion) const { return opciones.value(opcion); }
};
