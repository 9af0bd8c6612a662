#include "BaseDatosPrueba.h"

#include "AnalizadorSql.h"
#include "EjecutorScript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

BaseDatosPrueba::~BaseDatosPrueba()
{
    if (!nombre_.isEmpty() && conexion_.conectada())
        (void)conexion_.ejecutar(QStringLiteral("DROP DATABASE IF EXISTS `") + nombre_ + u'`');
}

bool BaseDatosPrueba::leerServidor(ParametrosConexion &salida, QString *razon)
{
    const QString dir = qEnvironmentVariable("QUENVALIA_TEST_SERVIDOR_DIR");
    if (dir.isEmpty()) {
        if (razon)
            *razon = QStringLiteral("QUENVALIA_TEST_SERVIDOR_DIR no está definida");
        return false;
    }
    return leerServidorDe(dir, salida, razon);
}

bool BaseDatosPrueba::leerServidorDe(const QString &carpeta, ParametrosConexion &salida,
                                     QString *razon)
{
    QFile f(carpeta + QStringLiteral("/servidor.env"));
    if (!f.open(QIODevice::ReadOnly)) {
        if (razon)
            *razon = QStringLiteral("No se puede leer ") + f.fileName()
                    + QStringLiteral(" (¿está en marcha el servidor de pruebas?)");
        return false;
    }
    while (!f.atEnd()) {
        const QString linea = QString::fromUtf8(f.readLine()).trimmed();
        const qsizetype igual = linea.indexOf(u'=');
        if (igual < 0)
            continue;
        const QString clave = linea.left(igual);
        const QString valor = linea.mid(igual + 1);
        if (clave == u"host")
            salida.servidor = valor;
        else if (clave == u"port")
            salida.puerto = valor.toUInt();
        else if (clave == u"socket")
            salida.socket = valor;
        else if (clave == u"user")
            salida.usuario = valor;
        else if (clave == u"password")
            salida.contrasena = valor;
    }
    return true;
}

QString BaseDatosPrueba::carpetaEsquema()
{
    const QString dir = qEnvironmentVariable("QUENVALIA_ESQUEMA_DIR");
    return dir.isEmpty() ? QStringLiteral(QUENVALIA_ESQUEMA_FUENTE) : dir;
}

bool BaseDatosPrueba::crear(Contenido contenido)
{
    contenido_ = contenido;
    if (!leerServidor(parametros_, &razon_))
        return false;
    if (!conexion_.conectar(parametros_)) {
        razon_ = conexion_.ultimoError().texto;
        return false;
    }
    QString base = QCoreApplication::applicationName().toLower();
    base.replace(QRegularExpression(QStringLiteral("[^a-z0-9_]")), QStringLiteral("_"));
    nombre_ = QStringLiteral("q_") + base.left(40) + u'_'
            + QString::number(QCoreApplication::applicationPid());
    if (!conexion_.ejecutar(QStringLiteral("DROP DATABASE IF EXISTS `") + nombre_ + u'`')
        || !conexion_.ejecutar(
                QStringLiteral("CREATE DATABASE `") + nombre_
                + QStringLiteral("` CHARACTER SET utf8mb4 COLLATE utf8mb4_spanish_ci"))) {
        razon_ = conexion_.ultimoError().texto;
        nombre_.clear();
        return false;
    }
    parametros_.baseDatos = nombre_;
    if (!conexion_.conectar(parametros_)) {
        razon_ = conexion_.ultimoError().texto;
        return false;
    }
    if (contenido == Contenido::Vacia)
        return true;
    EjecutorScript script(conexion_);
    if (!script.ejecutarFichero(carpetaEsquema() + QStringLiteral("/crear_tablas.sql"))) {
        razon_ = script.error().texto + QStringLiteral(" en ") + script.error().sentencia;
        return false;
    }
    if (contenido == Contenido::TablasYDatosIniciales
        && !script.ejecutarFichero(carpetaEsquema() + QStringLiteral("/datos_iniciales.sql"))) {
        razon_ = script.error().texto + QStringLiteral(" en ") + script.error().sentencia;
        return false;
    }
    return true;
}

bool BaseDatosPrueba::vaciar()
{
    TablaResultado tablas;
    if (!conexion_.consultar(u"SHOW TABLES", tablas))
        return false;
    for (qsizetype i = 0; i < tablas.filas(); ++i) {
        if (!conexion_.ejecutar(QStringLiteral("TRUNCATE TABLE ")
                                + AnalizadorSql::citarIdentificador(tablas.columna(0).texto(i))))
            return false;
    }
    if (contenido_ == Contenido::TablasYDatosIniciales) {
        EjecutorScript script(conexion_);
        return script.ejecutarFichero(carpetaEsquema() + QStringLiteral("/datos_iniciales.sql"));
    }
    return true;
}
