#pragma once

#include "Conexion.h"

#include <QString>

// A fresh database on the tests' throwaway MariaDB server, created from the shipped creation
// script (and, when asked, the initial data) and dropped again on destruction.
// The server is the one started by the test fixture (its servidor.env); when there is none the
// calling test is skipped, except under CI=true, where it fails.
class BaseDatosPrueba
{
public:
    enum class Contenido { Vacia, Tablas, TablasYDatosIniciales };

    BaseDatosPrueba() = default;
    ~BaseDatosPrueba();
    BaseDatosPrueba(const BaseDatosPrueba &) = delete;
    BaseDatosPrueba &operator=(const BaseDatosPrueba &) = delete;

    // Creates the database and connects. False (with razon() set) when it could not be done.
    [[nodiscard]] bool crear(Contenido contenido = Contenido::TablasYDatosIniciales);
    // Empties every table again (faster than a new database), keeping the initial data if any.
    [[nodiscard]] bool vaciar();

    Conexion &conexion() { return conexion_; }
    // Parameters of the connection to this database, for extra connections.
    const ParametrosConexion &parametros() const { return parametros_; }
    const QString &nombre() const { return nombre_; }
    const QString &razon() const { return razon_; }

    // Where the server listens, read from the fixture's servidor.env; false when no server.
    static bool leerServidor(ParametrosConexion &salida, QString *razon = nullptr);
    // The same from DIR/servidor.env, as scripts/servidor-pruebas.sh writes it.
    static bool leerServidorDe(const QString &carpeta, ParametrosConexion &salida,
                               QString *razon = nullptr);
    // Folder of crear_tablas.sql and datos_iniciales.sql.
    static QString carpetaEsquema();

private:
    Conexion conexion_;
    ParametrosConexion parametros_;
    QString nombre_;
    QString razon_;
    Contenido contenido_ = Contenido::Vacia;
};

// Creates `bd` (a BaseDatosPrueba) or skips / fails the current test function as the
// environment demands.
#define QUENVALIA_CREAR_BD(bd, ...) \
    do { \
        if (!(bd).crear(__VA_ARGS__)) { \
            if (qEnvironmentVariable("CI") == QLatin1String("true")) \
                QFAIL(qPrintable(QLatin1String("Sin base de datos de pruebas: ") + (bd).razon())); \
            QSKIP(qPrintable(QLatin1String("Sin base de datos de pruebas: ") + (bd).razon())); \
        } \
    } while (false)

// Checks a database call and prints the failing statement and the server's text.
#define VERIFICAR_BD(llamada, conexion) \
    do { \
        if (!(llamada)) \
            QFAIL(qPrintable( \
                    QLatin1String("Error ") + QString::number((conexion).ultimoError().numero) \
                    + QLatin1String(": ") + (conexion).ultimoError().texto \
                    + QLatin1String("\nSentencia: ") + (conexion).ultimoError().sentencia)); \
    } while (false)
