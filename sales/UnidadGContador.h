#pragma once

#include "TformGSimple.h"

// The counter edit view: table, series (with a new series on the spot) and last number.
class TformContadorG : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformContadorG(QWidget *parent = nullptr);

    // Reloads the series names offered, keeping the text typed.
    void cargarSeries();
    // "Añade una nueva serie": the series view in mode "nuevo", then the list reloaded.
    void bNuevaSerieClick();
};
