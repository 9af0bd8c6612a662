#pragma once

#include "Conexion.h"

#include <QString>

// Prepares the benchmark's database: creates it and its tables when asked, and fills
// `factura` and `tercero` with a reproducible set of invoices and customers generated on the
// server from the Sequence engine (the same rows for the same number of invoices).
class GeneradorDatos
{
public:
    explicit GeneradorDatos(Conexion &conexion)
        : conexion_(conexion)
    { }

    // Customers generated for a number of invoices: one per fifty invoices, at least 100.
    static qint64 clientesPara(qint64 facturas);

    // Connects to the server without a database, creates `parametros.baseDatos` (utf8mb4,
    // Spanish collation) if it does not exist, connects to it and, when it has no tables,
    // runs crear_tablas.sql from `carpetaEsquema`. The connection is left on that database.
    [[nodiscard]] bool crearBaseDatos(const ParametrosConexion &parametros,
                                      const QString &carpetaEsquema);
    // Checks that the connected database has its tables (a message pointing to --crear-bd
    // otherwise).
    [[nodiscard]] bool comprobarTablas();
    // Leaves exactly `facturas` generated invoices and their customers in the database: when
    // the counts differ, both tables are emptied and filled again. A database with invoice
    // lines is refused, since it is not one of the benchmark's. `*rellenada` tells whether
    // the tables were filled.
    [[nodiscard]] bool asegurarFilas(qint64 facturas, bool *rellenada = nullptr);

    // Leaves exactly `articulos` generated articles in `material`, with the families, brands
    // and models they point to (added when missing) and, as suppliers, the third parties of
    // type "Otro"; call after asegurarFilas(). `*rellenada` tells whether they were generated.
    [[nodiscard]] bool asegurarArticulos(qint64 articulos, bool *rellenada = nullptr);

    // Message for the user after a failure.
    const QString &error() const { return error_; }

private:
    bool fallo(const QString &que);
    bool contar(const QString &tabla, qint64 &salida);
    bool rellenar(qint64 facturas);

    Conexion &conexion_;
    QString error_;
};
