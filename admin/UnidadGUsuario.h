#pragma once

#include "TformGSimple.h"

// The user edit view; the password is stored as its digest.
class TformGUsuario : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGUsuario(QWidget *parent = nullptr);

protected:
    bool antesDeGuardar() override;

private:
    QString contrasenaRecordada_;
};
