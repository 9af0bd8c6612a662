#pragma once

#include "Conexion.h"

#include "DescriptorTabla.h"

#include <QString>

#include <functional>
#include <memory>

class Registro;

// The rules of one table dataset of the data module: which table (through its descriptor), on
// which connection, the defaults of a new row, the values derived before storing, and how a
// refused save is reported. Windows never edit through it directly: each one asks it for a
// record buffer of its own (crearRegistro), so two windows never share one buffer.
class DatasetTabla
{
public:
    // How a save refused by the server is told to the user.
    enum class AvisoErrores {
        MensajeTabla, // 1062: the table's duplicate message (warning); others: the generic text
        Generico, // every server error, 1062 included: the generic text (information)
        SinTratar // the server's text as an error message
    };

    DatasetTabla(Conexion *conexion, const char *tabla, AvisoErrores aviso);

    const esquema::Tabla &tabla() const { return *tabla_; }
    QString nombreTabla() const { return QString::fromUtf8(tabla_->nombre); }
    Conexion *conexion() const { return conexion_; }
    void establecerConexion(Conexion *conexion) { conexion_ = conexion; }
    AvisoErrores aviso() const { return aviso_; }
    // The warning shown for a duplicate key (empty for tables without one).
    QString mensajeDuplicado() const { return QString::fromUtf8(tabla_->mensajeDuplicado); }

    // Filled by the data module: defaults set when a row is begun, values derived just before
    // it is stored. Both receive the record buffer, whose owner code (codigoPadre) says which
    // work order or project the row belongs to.
    std::function<void(Registro &)> alIniciarFila;
    std::function<void(Registro &)> antesDeGuardar;

    // A new record buffer on this dataset, owned by the caller (one per window).
    std::unique_ptr<Registro> crearRegistro() const;

private:
    Conexion *conexion_;
    const esquema::Tabla *tabla_;
    AvisoErrores aviso_;
};
