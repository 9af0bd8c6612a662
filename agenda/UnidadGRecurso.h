#pragma once

#include "TformGSimple.h"

// The resource edit view, with the resource documents.
class TformGRecurso : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGRecurso(QWidget *parent = nullptr);
};
