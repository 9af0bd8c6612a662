#pragma once

#include "TformGSimple.h"

// The note edit view; notes hold documents and take dropped files.
class TformGNota : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGNota(QWidget *parent = nullptr);
};
