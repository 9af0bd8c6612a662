#pragma once

#include "TformGSimple.h"

// The model edit view.
class TformGModelo : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGModelo(QWidget *parent = nullptr);
};
