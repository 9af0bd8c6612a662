#pragma once

class QWidget;

// The program's login step: runs the login window modally over `padre`. Its outcome is
// datosSesion().nickUsuario, non-empty when a user logged in.
void iniciarSesionConVentana(QWidget *padre);
