#pragma once

#include "ErrorBD.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The procedures that several windows share: names, prices and e-mail addresses read by code,
// the stock and cost-price updates, marking work orders as invoiced, duplicate checks, file
// sizes, the parameter table, the password digest, forgetting a grid layout and the modem line.
//
// Each database procedure runs one statement through a scratch query of the data module on
// md().bd (obtenerTablas: on whatever connection md().tc is attached to), so none of them may
// be called while another use of the same scratch query is open. Table and column names are
// put into the statements as given: they must come from the program's own constants, never
// from what the user types. Codes and values are always bound as parameters.
//
// Failure policy, per procedure: a ResultadoBD carries the server's error to the caller, who
// shows it; the others give their "nothing found" result and show nothing.

// `nombre` of the row `codigo` of `tabla`; "" when there is no such row or it is NULL.
[[nodiscard]] ResultadoBD<QString> obtenerNombre(qint64 codigo, const QString &tabla);

// The column `columna` of the row `codigo` of `tabla` as text (numbers and dates as the
// database shows them); "" when there is no such row or it is NULL.
[[nodiscard]] ResultadoBD<QString> obtenerCampo(qint64 codigo, const QString &tabla,
                                                const QString &columna);

// Days from a document's date to its due date for the third party `codigoTercero`: the
// `dias` of its payment method. 0 when the third party does not exist, has no payment method,
// or the method has no days.
[[nodiscard]] ResultadoBD<qint64> obtenerDiasFormaPago(qint64 codigoTercero);

// Sale price of the article `codigo`, and its name in `nombre`. A missing article or a failing
// statement gives 0 and an empty name.
[[nodiscard]] double obtenerPrecioVentaArticulo(qint64 codigo, QString &nombre);

// Hour price of the third party `codigo`, with its discount percentage and travel price in the
// out parameters. A missing third party or a failing statement gives 0 in all three.
[[nodiscard]] double obtenerPreciosTercero(qint64 codigo, double &porcentajeDto,
                                           double &precioDesplazamiento);

// The e-mail (`email1`) and the name of the technician of the user `codigoUsuario`. False, with
// `email` and `nombre` untouched, when the user or the technician is missing or the statement
// fails.
[[nodiscard]] bool obtenerEmailTecnicoUsuario(qint64 codigoUsuario, QString &email,
                                              QString &nombre);

// The first non-empty of `emailempresa1`, `emailempresa2`, `emailparticular1` and
// `emailparticular2` of the contact `codigo`; "" when all are empty, the contact is missing or
// the statement fails.
[[nodiscard]] QString obtenerEmailContacto(qint64 codigo);

// Adds `cantidad` to the stock of the article `codigo` (subtracts it when `sumar` is false).
// The change is relative, so changes from several workstations add up; an empty stock counts as
// 0. The value is true when the article exists.
[[nodiscard]] ResultadoBD<bool> actualizarStock(bool sumar, qint64 codigo, double cantidad);

// Sets the cost price of the article `codigo` to `precioCoste`, its sale price to
// cost × (1 + markup / 100) from the stored markup (an empty markup counts as 0, so the sale
// price equals the cost) and `fechamodprecio` to now, but only when the stored cost differs or
// is empty. The value is true when the article was changed.
[[nodiscard]] ResultadoBD<bool> actualizarPrecioCompra(qint64 codigo, double precioCoste);

// Stores on the work order `codigo` the billed flag ("S"/"N"), the invoice number and the
// invoice code. True when the work order exists (also when it already held these values);
// false when it does not or the statement fails.
[[nodiscard]] bool marcarParteFacturado(qint64 codigo, const QString &facturado,
                                        const QString &numFactura, qint64 codigoFactura);

// Whether some row of `tabla` holds `valor` in `columna`, without regard to case.
[[nodiscard]] ResultadoBD<bool> existeValor(const QString &valor, const QString &tabla,
                                            const QString &columna);

// Size in bytes of the file `ruta`; -1 when there is no such file (or it is a folder).
[[nodiscard]] qint64 tamanoFichero(const QString &ruta);

// The settings group that keeps the layout of the grid `nombreGrid` ("Terceros\Grid") in the
// user's settings store (QSettings, user scope, organisation "Trevanox", application
// "Quenvalia"): the name with every "\" turned into "/" ("Terceros/Grid"). Whoever saves a
// layout uses this group.
[[nodiscard]] QString grupoConfiguracionGrid(QStringView nombreGrid);

// Deletes the saved layout of the grid `nombreGrid` (the group above with everything in it).
// True when there was something to delete and it was deleted; false when nothing was stored
// under that name, the name is empty, or the store could not be written.
[[nodiscard]] bool borrarConfiguracionGrid(const QString &nombreGrid);

// The device of the serial port `puerto`: "COMn" (any case, n from 1) is /dev/ttyS(n-1) and a
// path beginning with "/" is taken as it is; anything else gives "". The environment variable
// QUENVALIA_PUERTO_SERIE, when set and not empty, names the device for every port.
[[nodiscard]] QString rutaPuertoSerie(const QString &puerto);

// Opens the serial port `puerto` for writing (an existing device only: nothing is created) and
// writes "ATDT ", `numero`, CR and LF, with output processing switched off so the bytes leave
// as written. The port stays open until colgarTelefono() (a line still open from an earlier
// call is closed first). False when the port cannot be opened or the text not written whole.
[[nodiscard]] bool marcarTelefono(const QString &numero, const QString &puerto);

// Closes the line opened by marcarTelefono, ignoring errors; nothing happens when none is open.
void colgarTelefono();

// `valor` of the `parametro` row named `nombre`; "" when there is no such row.
[[nodiscard]] ResultadoBD<QString> obtenerParametro(const QString &nombre);

// MD5 digest (RFC 1321) of the Windows-1252 bytes of `texto` as 32 upper-case hexadecimal
// digits. Characters outside the code page count as "?".
[[nodiscard]] QString calcularMD5(QStringView texto);

// Names of the tables of the database that md().tc is attached to, in the server's order. A
// failure gives the names read so far (none) and shows nothing.
[[nodiscard]] QStringList obtenerTablas();
