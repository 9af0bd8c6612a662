#pragma once

#include <QString>

// Shared navigation state: what a list window asks its edit view to do and what the lookup
// dialog chose. One process-wide record, read and written on the user-interface thread.
struct EstadoNavegacion
{
    QString modoEdicion; // "nuevo", "modificar" or "zoom"
    qint64 codigoRegistro = 0; // codigo of the record the edit view opens
    qint64 codigoSeleccionado = 0; // codigo chosen in the lookup dialog; -1 when none
    QString nombreSeleccionado; // name of the chosen record
    QString detalleSeleccionado; // detail column of the chosen record
    qint64 codigoTerceroLinea = 0; // third party that filters the lookup of lines
};

// The process-wide navigation state; lives for the whole run.
EstadoNavegacion &navegacion();
