#pragma once

#include "VistaEdicion.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <vector>

class QHBoxLayout;
class Registro;

// A simple edit view: the fields of one table laid out from a field list and the row of the
// edit-view table (titles, audit, first field, required fields, documents). Kinds derive from
// it only to add what is really theirs.
class TformGSimple : public TformGBase
{
    Q_OBJECT

public:
    // One field of the form, in the order of the focus.
    struct CampoVista
    {
        const char *columna;
        const char *etiqueta = nullptr; // nullptr: the column's caption
        Editor editor = Editor::Automatico;
        QStringList valores = {}; // items of a drop-down list
        int entidad = 0; // lookup entity of a code field
        const char *tablaNombre = nullptr; // table whose name is shown beside the code
        bool puntoDecimal = true; // false: a typed "." stays a "."
        const char *grupo = nullptr; // group box the field sits in; nullptr: none
        const char *pestana = nullptr; // tab page the field (or its group) sits on
        const char *ayuda = nullptr; // hint
        bool mayusculas = false; // what is typed turns into capitals
        bool mitad = false; // the field's group takes half the width, beside the next one
    };

    struct Requerido
    {
        const char *columna;
        const char *mensaje;
    };

    // The row of a simple kind.
    struct Definicion
    {
        const char *titulos[3]; // nuevo, modificar, zoom
        bool auditoria = true;
        bool comprobarCodigo = true;
        const char *primerCampo = nullptr; // nullptr: the first field of the window
        const char *campoFallo = "nombre"; // focused after a refused store
        std::vector<Requerido> requeridos = {};
        std::vector<CampoVista> campos = {};
        std::function<void(Registro &)> valoresIniciales = {};
        const char *moduloDocumentos = nullptr;
        bool aceptaFicheros = false;
    };

    // Builds the fields and prepares the record for the mode (FormCreate).
    TformGSimple(const DatasetTabla &dataset, const Definicion &definicion,
                 QWidget *parent = nullptr);

    // The row of a field, where a kind may add a button after the editor.
    QHBoxLayout *filaCampo(const QString &columna) const;

protected:
    void valoresIniciales() override;

private:
    std::function<void(Registro &)> valoresIniciales_;
    QHash<QString, QHBoxLayout *> filas_;
};
