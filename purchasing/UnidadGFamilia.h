#pragma once

#include "TformGSimple.h"

// The family edit view.
class TformGFamilia : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGFamilia(QWidget *parent = nullptr);
};
