#include "OrdenesAdmin.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quenvalia-admin"));
    QTextStream salida(stdout);
    QTextStream errores(stderr);
    OrdenesAdmin ordenes(salida, errores);
    return ordenes.ejecutar(QCoreApplication::arguments());
}
