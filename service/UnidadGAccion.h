#pragma once

#include "TformGSimple.h"

// The action (work-order task) edit view.
class TformGAccion : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGAccion(QWidget *parent = nullptr);
};
