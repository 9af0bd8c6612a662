#pragma once

#include "Mensajes.h"

#include <QString>

#include <memory>

class QInputDialog;
class QMessageBox;
class QWidget;

// Mensajes shown as modal message boxes and input boxes with Spanish buttons, titled with the
// application's name and placed over the active window.
class MensajesQt : public Mensajes
{
public:
    // The box for a notice or question of that kind, not yet shown: icon, plain text, buttons
    // "Aceptar" (notices), "Sí"/"No" or "Aceptar"/"Cancelar" (questions; the first is the
    // default, the second answers Esc and closing). Owned by the caller.
    [[nodiscard]] static std::unique_ptr<QMessageBox> crearCaja(Tipo tipo, const QString &texto,
                                                                QWidget *padre = nullptr);

    // The input box, not yet shown, with "Aceptar"/"Cancelar". Owned by the caller.
    [[nodiscard]] static std::unique_ptr<QInputDialog> crearCajaTexto(const QString &titulo,
                                                                      const QString &etiqueta,
                                                                      const QString &valor,
                                                                      QWidget *padre = nullptr);

protected:
    void mostrar(Tipo tipo, const QString &texto) override;
    bool preguntar(Tipo tipo, const QString &texto) override;
    bool pedir(const QString &titulo, const QString &etiqueta, QString &valor) override;
};
