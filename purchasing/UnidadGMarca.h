#pragma once

#include "TformGSimple.h"

// The brand edit view.
class TformGMarca : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGMarca(QWidget *parent = nullptr);
};
