#pragma once

#include <QString>
#include <QStringList>

#include <array>

class Conexion;

// Document numbering: the counters of table `contador`, the series of table `serie` and the
// composition of invoice numbers from counter, series and year.
//
// Drawing a number is one statement (an UPDATE that increments the row and hands the new value
// back through LAST_INSERT_ID), so workstations drawing at the same moment never get the same
// number; it also leaves that number as the connection's LAST_INSERT_ID(). A number is
// consumed when it is drawn, whether or not the document is saved. Table and series names are
// bound as values; the comparison follows the column collation (case and trailing blanks do
// not count).

// Takes the next number of the counter (tabla, serie) on md().bd and returns it, already
// stored. A counter without a row starts at 1 (the row is created); a row holding 0 or NULL
// also gives 1. On failure shows, as an error, "El código no ha podido generarse
// automáticamente." (the increment failed, e.g. no `contador` table) or "El contador no se ha
// guardado correctamente." (the new row was refused) and returns 1; the counter is unchanged.
[[nodiscard]] qint64 obtenerContadorSerie(const QString &serie, const QString &tabla);
// The same on the given connection (the public one uses md().bd).
[[nodiscard]] qint64 obtenerContadorSerie(Conexion &conexion, const QString &serie,
                                          const QString &tabla);

// The counter kept per table name alone: the row of `tabla` whose `serie` is empty. The
// per-series rows of the same table name are never read or written. Results and failures as
// obtenerContadorSerie.
[[nodiscard]] qint64 obtenerContador(const QString &tabla);
[[nodiscard]] qint64 obtenerContador(Conexion &conexion, const QString &tabla);

// Whether the series text goes into composed numbers: true only when the `serie` row of that
// name and table exists and its `mostrarennumero` is exactly "S". False when there is no row
// and when the statement fails (nothing is shown).
[[nodiscard]] bool serieMostrarEnNumero(const QString &serie, const QString &tabla);

// The distinct series names defined for `tabla`, or for every table when it is empty, in the
// order the server returns them. A failing statement gives an empty list (nothing is shown).
[[nodiscard]] QStringList obtenerSeries(const QString &tabla);

// `texto` padded with `caracter` up to `longitud` characters, on the left or, when `derecha`,
// on the right. A text already that long or longer is returned unchanged (never cut).
[[nodiscard]] QString rellenarCadena(const QString &texto, qsizetype longitud, QChar caracter,
                                     bool derecha);

// An invoice number from its three pieces, numbered as in the "Orden" settings: 1 the counter
// padded on the left with "0" to `ancho`, 2 `serieMostrada` (empty when the series is not
// shown), 3 `anio` as it stands. `posiciones[i]` names the piece placed at position i + 1; a
// position holding anything but 1, 2 or 3 contributes nothing. No separator between pieces.
[[nodiscard]] QString componerNumeroFactura(qint64 contador, const QString &serieMostrada,
                                            const QString &anio, qsizetype ancho,
                                            const std::array<int, 3> &posiciones);

// The number of a customer invoice of series `serie`: draws obtenerContadorSerie(serie,
// "factura") and composes it with the width, year and positions of datosConfiguracion(), the
// series shown only when serieMostrarEnNumero(serie, "factura"). A series that is empty or
// only blanks shows the warning "La serie de la factura debe tener un valor.", draws nothing
// and returns "".
[[nodiscard]] QString numeroFacturaCliente(const QString &serie);

// A complete invoice number for a supplier invoice saved without one: draws
// obtenerContador("factura") and composes it with the "Serie" setting (always shown, the
// `serie` table is not consulted) and the width, year and positions of datosConfiguracion().
[[nodiscard]] QString generarNumeroFactura();
