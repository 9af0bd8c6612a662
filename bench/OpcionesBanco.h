#pragma once

#include "Conexion.h"

#include <QString>
#include <QStringList>

// What the benchmark was asked to do, read from its command line.
struct OpcionesBanco
{
    ParametrosConexion conexion; // conexion.baseDatos is the benchmark's database
    QString carpetaEsquema; // folder of crear_tablas.sql
    qint64 filas = 100000; // invoices wanted in the database
    int repeticiones = 5; // runs of each measurement; the median is reported
    bool crearBaseDatos = false;
    bool ayuda = false;

    // Largest number of invoices: the generated invoice numbers have eight digits.
    static constexpr qint64 filasMaximas = 99999999;

    // Reads the arguments (the program name first). False, with `error` set to a message
    // for the user, when they are not valid; `salida` is then partly filled.
    [[nodiscard]] static bool leer(const QStringList &argumentos, OpcionesBanco &salida,
                                   QString &error);
    // The --help text.
    static QString textoAyuda();
    // Reads host, port, socket, user and password from DIR/servidor.env as the test server
    // script writes it. False with `error` set when the file cannot be read.
    [[nodiscard]] static bool leerServidorPruebas(const QString &carpeta,
                                                  ParametrosConexion &salida, QString &error);
};
