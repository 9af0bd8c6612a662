#pragma once

#include "Conexion.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

#include <vector>

// A small, believable set of demonstration rows for the master tables: payment methods,
// departments, customers and suppliers, families, brands, models, articles, technicians,
// actions and the invoice series "A". Rows are only added where missing, so loading twice
// leaves the database as loading once.
class DatosDemo
{
public:
    // What one table received from the last cargar().
    struct Recuento
    {
        QString tabla; // table name
        QString descripcion; // plural name for the user ("formas de pago")
        int anadidas = 0; // rows added
        int existentes = 0; // rows of the set that were already there
    };

    explicit DatosDemo(Conexion &conexion)
        : conexion_(conexion)
    { }

    // Adds every row of the set that the database lacks, inside one transaction. A row is
    // looked for by its natural key (the name, or the columns of the table's unique key) and,
    // when it is there, left as it stands; references between the rows (an article's family,
    // brand, model and supplier) use the codes found or assigned. False, with error() holding
    // the server's error and nothing added, when a statement fails; the tables must exist.
    [[nodiscard]] bool cargar();

    const QList<Recuento> &recuento() const { return recuento_; }
    int totalAnadidas() const;
    const ErrorBD &error() const { return error_; }

private:
    struct Campo
    {
        const char *columna;
        QVariant valor;
    };

    bool cargarTodo();
    // The `codigo` of the row of `tabla` whose `clave` columns hold those values; a new row of
    // `clave` and `resto` (and `fechaa` = now where the table has it) when there is none.
    bool asegurar(const char *tabla, const std::vector<Campo> &clave,
                  const std::vector<Campo> &resto, qint64 &codigo);
    Recuento &recuentoDe(const char *tabla);
    bool fallo();

    Conexion &conexion_;
    QList<Recuento> recuento_;
    QSet<std::pair<QString, qint64>> anadidas_; // (table, codigo) of the rows added by this load
    ErrorBD error_;
};
