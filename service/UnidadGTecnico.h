#pragma once

#include "TformGSimple.h"

// The technician edit view.
class TformGTecnico : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGTecnico(QWidget *parent = nullptr);
};
