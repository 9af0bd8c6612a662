#include "EjecutorScript.h"

#include "AnalizadorSql.h"

#include <QFile>

bool EjecutorScript::ejecutar(QStringView script)
{
    error_.limpiar();
    fallida_ = 0;
    ejecutadas_ = 0;
    const QStringList sentencias = AnalizadorSql::dividirScript(script);
    for (const QString &s : sentencias) {
        if (!conexion_.ejecutar(s)) {
            error_ = conexion_.ultimoError();
            error_.sentencia = s;
            fallida_ = ejecutadas_ + 1;
            return false;
        }
        ++ejecutadas_;
    }
    return true;
}

bool EjecutorScript::ejecutarFichero(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        error_ = {0, QStringLiteral("No se ha podido leer el fichero ") + ruta, {}};
        fallida_ = 0;
        ejecutadas_ = 0;
        return false;
    }
    return ejecutar(QString::fromUtf8(f.readAll()));
}
