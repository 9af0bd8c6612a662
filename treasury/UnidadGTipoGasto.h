#pragma once

#include "TformGSimple.h"

// The expense type edit view.
class TformGTipoGasto : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGTipoGasto(QWidget *parent = nullptr);
};
