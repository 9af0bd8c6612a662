#pragma once

#include "TformGSimple.h"

// The payment method edit view.
class TformGFormaPago : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGFormaPago(QWidget *parent = nullptr);
};
