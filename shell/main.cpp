#include "Espanol.h"
#include "MensajesQt.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevanox Quenvalia"));
    QApplication::setOrganizationName(QStringLiteral("Trevanox"));
    configurarEspanol(aplicacion);
    MensajesQt mensajesQt;
    establecerMensajes(&mensajesQt);

    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Trevanox Quenvalia v. 2.6.9.499 (06-01-2011)"));
    ventana.resize(1024, 700);
    ventana.show();
    return QApplication::exec();
}
