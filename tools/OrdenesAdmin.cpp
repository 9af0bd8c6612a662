#include "OrdenesAdmin.h"

#include "AnalizadorSql.h"

#include "Configuracion.h"
#include "DatosDemo.h"
#include "DescriptorTabla.h"
#include "EjecutorScript.h"
#include "UnidadProcedimientos.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView seccionBaseDatos = u"Base de datos";
constexpr QStringView claveServidor = u"Tipo BD MySQL - Servidor";
constexpr QStringView clavePuerto = u"Tipo BD MySQL - Puerto";
constexpr QStringView claveNombreBd = u"Tipo BD MySQL - Nombre BD";
constexpr QStringView claveUsuario = u"Tipo BD MySQL - Usuario";

constexpr QStringView cotejamiento = u"utf8mb4_spanish_ci";

QString descripcionConexion(const ParametrosConexion &p)
{
    const bool porSocket = !p.socket.isEmpty()
            && (p.servidor.isEmpty() || p.servidor.compare(u"localhost", Qt::CaseInsensitive) == 0);
    if (porSocket)
        return u"el socket "_s + p.socket;
    return p.servidor + u':' + QString::number(p.puerto);
}

int tamanoColumna(const char *tabla, const char *columna)
{
    const esquema::Tabla *t = esquema::buscarTabla(tabla);
    const esquema::Columna *c = t ? esquema::buscarColumna(*t, columna) : nullptr;
    return c ? c->tamano : 0;
}

QString siNo(bool valor)
{
    return valor ? u"S"_s : u"N"_s;
}

} // namespace

QString OrdenesAdmin::rutaIniPorDefecto()
{
    const QDir carpeta(QCoreApplication::applicationDirPath());
    const QString aqui = carpeta.filePath(u"quenvalia.INI"_s);
    if (QFileInfo::exists(carpeta.filePath(u"quenvalia"_s)) || QFileInfo::exists(aqui))
        return aqui;
    const QString programa = carpeta.filePath(u"../shell/quenvalia"_s);
    if (QFileInfo::exists(programa))
        return QDir::cleanPath(programa + u".INI"_s);
    return aqui;
}

int OrdenesAdmin::ejecutar(const QStringList &argumentos)
{
    LineaOrdenes linea;
    QString error;
    if (!LineaOrdenes::leer(argumentos, linea, error))
        return fallo(error);
    if (linea.ayuda) {
        salida_ << LineaOrdenes::textoAyuda(linea.orden);
        salida_.flush();
        return 0;
    }

    QString ini = linea.valor(u"ini"_s);
    if (ini.isEmpty())
        ini = qEnvironmentVariable("QUENVALIA_INI");
    if (ini.isEmpty())
        ini = rutaIniPorDefecto();
    qputenv("QUENVALIA_INI", QFileInfo(ini).absoluteFilePath().toLocal8Bit());

    switch (linea.orden) {
    case LineaOrdenes::Orden::Configurar:
        return configurar(linea);
    case LineaOrdenes::Orden::CrearBd:
        return crearBaseDatos(linea);
    case LineaOrdenes::Orden::CrearUsuario:
        return crearUsuario(linea);
    case LineaOrdenes::Orden::DatosDemo:
        return cargarDatosDemo(linea);
    case LineaOrdenes::Orden::Comprobar:
        return comprobar(linea);
    case LineaOrdenes::Orden::Ninguna:
        break;
    }
    return fallo(u"Falta la orden."_s);
}

int OrdenesAdmin::configurar(const LineaOrdenes &linea)
{
    const QString ruta = rutaFicheroIni();
    const bool escribe = linea.tiene(u"servidor"_s) || linea.tiene(u"puerto"_s)
            || linea.tiene(u"bd"_s) || linea.tiene(u"usuario"_s) || linea.tiene(u"contrasena"_s);
    if (!escribe) {
        informar(u"fichero="_s + ruta);
        informar(u"servidor="_s + leerIniCadena(seccionBaseDatos, claveServidor));
        informar(u"puerto="_s + leerIniCadena(seccionBaseDatos, clavePuerto, u"3306"_s));
        informar(u"bd="_s + leerIniCadena(seccionBaseDatos, claveNombreBd));
        informar(u"usuario="_s + leerIniCadena(seccionBaseDatos, claveUsuario));
        return 0;
    }

    QString contrasena;
    if (linea.tiene(u"contrasena"_s)) {
        contrasena = linea.valor(u"contrasena"_s);
        if (contrasena == u"-"
            && !leerContrasena(u"Contraseña de la base de datos: "_s, true, contrasena))
            return 1;
    }
    const std::pair<QStringView, QStringView> claves[] = {
            {u"servidor", claveServidor},
            {u"puerto", clavePuerto},
            {u"bd", claveNombreBd},
            {u"usuario", claveUsuario},
    };
    for (const auto &[opcion, clave] : claves) {
        const QString nombre = opcion.toString();
        if (!linea.tiene(nombre))
            continue;
        QString valor = linea.valor(nombre);
        if (nombre == u"puerto")
            valor = valor.trimmed();
        if (!escribirIniCadena(seccionBaseDatos, clave, valor))
            return fallo(mensajeErrorEscrituraIni());
    }
    if (linea.tiene(u"contrasena"_s) && !escribirContrasenaBD(contrasena))
        return fallo(mensajeErrorEscrituraIni());

    informar(u"Conexión guardada en "_s + ruta + u": servidor «"_s
             + leerIniCadena(seccionBaseDatos, claveServidor) + u"», puerto "_s
             + leerIniCadena(seccionBaseDatos, clavePuerto, u"3306"_s) + u", base de datos «"_s
             + leerIniCadena(seccionBaseDatos, claveNombreBd) + u"», usuario «"_s
             + leerIniCadena(seccionBaseDatos, claveUsuario) + u"»."_s);
    return 0;
}

int OrdenesAdmin::crearBaseDatos(const LineaOrdenes &linea)
{
    const QString carpeta = linea.tiene(u"esquema"_s) ? linea.valor(u"esquema"_s)
                                                      : QStringLiteral(QUENVALIA_ESQUEMA_FUENTE);
    const QString tablas = QDir(carpeta).filePath(u"crear_tablas.sql"_s);
    const QString datos = QDir(carpeta).filePath(u"datos_iniciales.sql"_s);
    for (const QString &fichero : {tablas, datos}) {
        if (!QFileInfo(fichero).isFile())
            return fallo(u"No se encuentra "_s + fichero
                         + u" (la carpeta del esquema se indica con --esquema)."_s);
    }

    ParametrosConexion parametros;
    if (!parametrosConexion(linea, true, parametros))
        return 1;
    const QString nombre = parametros.baseDatos;
    ParametrosConexion sinBaseDatos = parametros;
    sinBaseDatos.baseDatos.clear();
    Conexion conexion;
    if (!conectar(conexion, sinBaseDatos))
        return 1;

    TablaResultado existente;
    if (!conexion.consultar(u"SELECT DEFAULT_COLLATION_NAME FROM information_schema.SCHEMATA "
                            u"WHERE SCHEMA_NAME = :pNombre"_s,
                            {{u"pNombre"_s, nombre}}, existente))
        return falloBD(u"No se ha podido consultar si existe la base de datos"_s,
                       conexion.ultimoError());
    if (existente.vacia()) {
        if (!conexion.ejecutar(u"CREATE DATABASE IF NOT EXISTS "_s
                               + AnalizadorSql::citarIdentificador(nombre)
                               + u" CHARACTER SET utf8mb4 COLLATE "_s + cotejamiento))
            return falloBD(u"No se ha podido crear la base de datos «"_s + nombre + u'»',
                           conexion.ultimoError());
        informar(u"Base de datos «"_s + nombre + u"» creada."_s);
    } else {
        informar(u"La base de datos «"_s + nombre + u"» ya existe: se añade lo que le falte."_s);
        const QString actual = existente.texto(0, u"DEFAULT_COLLATION_NAME");
        if (actual.compare(cotejamiento, Qt::CaseInsensitive) != 0)
            avisar(u"Aviso: la base de datos usa el cotejamiento "_s + actual + u" y no "_s
                   + cotejamiento
                   + u"; las tablas se crean con este, pero las búsquedas pueden distinguir "
                     u"mayúsculas o acentos en otras tablas."_s);
    }

    if (!conectar(conexion, parametros))
        return 1;
    TablaResultado antes;
    if (!conexion.consultar(u"SHOW TABLES", antes))
        return falloBD(u"No se han podido leer las tablas"_s, conexion.ultimoError());
    EjecutorScript script(conexion);
    for (const QString &fichero : {tablas, datos}) {
        if (!script.ejecutarFichero(fichero)) {
            const QString donde = script.sentenciaFallida() > 0
                    ? u", sentencia "_s + QString::number(script.sentenciaFallida())
                    : QString();
            return falloBD(u"Error al ejecutar "_s + fichero + donde, script.error());
        }
    }
    TablaResultado despues;
    if (!conexion.consultar(u"SHOW TABLES", despues))
        return falloBD(u"No se han podido leer las tablas"_s, conexion.ultimoError());
    informar(u"Tablas: "_s + QString::number(despues.filas()) + u" ("_s
             + QString::number(despues.filas() - antes.filas())
             + u" nuevas). Datos iniciales al día."_s);
    return 0;
}

int OrdenesAdmin::crearUsuario(const LineaOrdenes &linea)
{
    const QString nick = linea.argumentos.value(0);
    const QString nombre = linea.tiene(u"nombre"_s) ? linea.valor(u"nombre"_s) : nick;
    if (nick.trimmed().isEmpty())
        return fallo(u"El nick no puede estar vacío."_s);
    if (const int maximo = tamanoColumna("usuario", "nick"); maximo > 0 && nick.size() > maximo)
        return fallo(u"El nick no puede tener más de "_s + QString::number(maximo)
                     + u" caracteres."_s);
    if (nombre.trimmed().isEmpty())
        return fallo(u"El nombre del usuario no puede estar vacío."_s);
    if (const int maximo = tamanoColumna("usuario", "nombre"); maximo > 0 && nombre.size() > maximo)
        return fallo(u"El nombre no puede tener más de "_s + QString::number(maximo)
                     + u" caracteres."_s);

    ParametrosConexion parametros;
    if (!parametrosConexion(linea, true, parametros))
        return 1;
    Conexion conexion;
    if (!conectar(conexion, parametros))
        return 1;

    // The unique key compares nicks without case or accents, as this does.
    TablaResultado existente;
    if (!conexion.consultar(u"SELECT codigo, nick FROM usuario WHERE nick = :pNick"_s,
                            {{u"pNick"_s, nick}}, existente))
        return falloBD(u"No se ha podido consultar la tabla usuario"_s, conexion.ultimoError());
    if (!existente.vacia()) {
        const QString mensaje = u"Ya existe un usuario con el nick ["_s
                + existente.texto(0, u"nick") + u"] (código "_s
                + QString::number(existente.entero(0, u"codigo")) + u")."_s;
        if (linea.tiene(u"si-no-existe"_s)) {
            informar(mensaje + u" No se cambia."_s);
            return 0;
        }
        return fallo(mensaje);
    }

    QString contrasena;
    if (!leerContrasena(u"Contraseña de "_s + nick + u": "_s, true, contrasena))
        return 1;
    if (contrasena.isEmpty())
        return fallo(u"La contraseña no puede estar vacía."_s);

    const bool administrador = linea.tiene(u"administrador"_s);
    const bool modificacion = linea.tiene(u"modificacion"_s);
    const QDateTime ahora = QDateTime::currentDateTime();
    ResultadoEjecucion resultado;
    if (!conexion.ejecutar(
                u"INSERT INTO usuario (nick, nombre, contrasena, administrador, modificacion, "
                u"accesoweb, fecha, fechaa) VALUES (:pNick, :pNombre, :pContrasena, "
                u":pAdministrador, :pModificacion, 'N', :pFecha, :pFecha)"_s,
                {{u"pNick"_s, nick},
                 {u"pNombre"_s, nombre},
                 {u"pContrasena"_s, calcularMD5(contrasena).toLower()},
                 {u"pAdministrador"_s, siNo(administrador)},
                 {u"pModificacion"_s, siNo(modificacion)},
                 {u"pFecha"_s, ahora}},
                &resultado)) {
        if (conexion.ultimoError().numero == 1062)
            return fallo(u"Ya existe un usuario con el nick ["_s + nick + u"]."_s);
        return falloBD(u"No se ha podido dar de alta el usuario"_s, conexion.ultimoError());
    }
    informar(u"Usuario ["_s + nick + u"] creado con el código "_s
             + QString::number(resultado.nuevoCodigo) + u" (administrador "_s + siNo(administrador)
             + u", modificación "_s + siNo(modificacion) + u")."_s);
    return 0;
}

int OrdenesAdmin::cargarDatosDemo(const LineaOrdenes &linea)
{
    ParametrosConexion parametros;
    if (!parametrosConexion(linea, true, parametros))
        return 1;
    Conexion conexion;
    if (!conectar(conexion, parametros))
        return 1;
    DatosDemo datos(conexion);
    if (!datos.cargar())
        return falloBD(u"No se han podido cargar los datos de demostración (no se ha añadido "
                       u"nada)"_s,
                       datos.error());
    if (datos.totalAnadidas() == 0) {
        informar(u"Los datos de demostración ya estaban en «"_s + parametros.baseDatos
                 + u"»: no se ha añadido nada."_s);
        return 0;
    }
    informar(u"Datos de demostración añadidos a «"_s + parametros.baseDatos + u"»:"_s);
    for (const DatosDemo::Recuento &r : datos.recuento()) {
        if (r.anadidas > 0 || r.existentes > 0)
            informar(u"  "_s + r.descripcion + u": "_s + QString::number(r.anadidas)
                     + (r.existentes > 0 ? u" (ya había "_s + QString::number(r.existentes) + u')'
                                         : QString()));
    }
    return 0;
}

int OrdenesAdmin::comprobar(const LineaOrdenes &linea)
{
    ParametrosConexion parametros;
    if (!parametrosConexion(linea, true, parametros))
        return 1;
    Conexion conexion;
    if (!conectar(conexion, parametros))
        return 1;
    informar(u"Servidor: "_s + conexion.versionServidor() + u" en "_s
             + descripcionConexion(parametros) + u", usuario «"_s + parametros.usuario + u"»."_s);
    informar(u"Base de datos: «"_s + parametros.baseDatos + u"»."_s);

    TablaResultado filas;
    if (!conexion.consultar(u"SHOW TABLES", filas))
        return falloBD(u"No se han podido leer las tablas"_s, conexion.ultimoError());
    QSet<QString> presentes;
    for (qsizetype i = 0; i < filas.filas(); ++i)
        presentes.insert(filas.columna(0).texto(i).toLower());
    QStringList faltan;
    const auto tablas = esquema::tablas();
    for (const esquema::Tabla &t : tablas) {
        if (!presentes.contains(QString::fromUtf8(t.nombre).toLower()))
            faltan.append(QString::fromUtf8(t.nombre));
    }

    if (presentes.contains(u"parametro"_s)) {
        TablaResultado version;
        if (conexion.consultar(u"SELECT valor FROM parametro WHERE nombre = 'version'", version)
            && !version.vacia())
            informar(u"Versión que espera la base de datos: "_s + version.texto(0, u"valor"));
    }
    if (presentes.contains(u"usuario"_s)) {
        TablaResultado usuarios;
        if (conexion.consultar(u"SELECT COUNT(*) AS n FROM usuario", usuarios)) {
            const qint64 n = usuarios.entero(0, u"n");
            informar(u"Usuarios: "_s + QString::number(n) + u'.');
            if (n == 0)
                avisar(u"Aviso: no hay ningún usuario, así que nadie puede iniciar sesión "
                       u"(quenvalia-admin crear-usuario NICK da de alta uno)."_s);
        }
    }

    if (!faltan.isEmpty())
        return fallo(u"Faltan "_s + QString::number(faltan.size()) + u" de las "_s
                     + QString::number(tablas.size()) + u" tablas que necesita el programa: "_s
                     + faltan.join(u", "_s)
                     + u". «quenvalia-admin crear-bd» las crea sin tocar las demás."_s);
    informar(u"Tablas: están las "_s + QString::number(tablas.size())
             + u" que necesita el programa."_s);
    return 0;
}

bool OrdenesAdmin::parametrosConexion(const LineaOrdenes &linea, bool conBaseDatos,
                                      ParametrosConexion &salida)
{
    auto valor = [&](const QString &opcion, QStringView clave, const QString &defecto = {}) {
        return linea.tiene(opcion) ? linea.valor(opcion)
                                   : leerIniCadena(seccionBaseDatos, clave, defecto);
    };
    salida = ParametrosConexion();
    salida.servidor = valor(u"servidor"_s, claveServidor).trimmed();
    salida.socket = linea.valor(u"socket"_s);
    if (!salida.socket.isEmpty() && !linea.tiene(u"servidor"_s))
        salida.servidor = u"localhost"_s;
    const QString puerto = valor(u"puerto"_s, clavePuerto, u"3306"_s).trimmed();
    bool ok = false;
    const uint numero = puerto.toUInt(&ok);
    if (!ok || numero < 1 || numero > 65535) {
        fallo(u"El puerto «"_s + puerto + u"» de "_s + rutaFicheroIni()
              + u" no es un número de 1 a 65535."_s);
        return false;
    }
    salida.puerto = numero;
    salida.baseDatos = valor(u"bd"_s, claveNombreBd).trimmed();
    salida.usuario = valor(u"usuario"_s, claveUsuario);
    if (linea.tiene(u"contrasena"_s)) {
        salida.contrasena = linea.valor(u"contrasena"_s);
        if (salida.contrasena == u"-"
            && !leerContrasena(u"Contraseña de la base de datos: "_s, false, salida.contrasena))
            return false;
    } else {
        salida.contrasena = leerContrasenaBD();
    }

    if (salida.servidor.isEmpty()) {
        fallo(u"No se sabe a qué servidor conectar: "_s + rutaFicheroIni()
              + u" no tiene la clave «"_s + claveServidor
              + u"» y no se ha indicado --servidor ni --socket."_s);
        return false;
    }
    if (conBaseDatos && salida.baseDatos.isEmpty()) {
        fallo(u"No se sabe qué base de datos usar: "_s + rutaFicheroIni()
              + u" no tiene la clave «"_s + claveNombreBd + u"» y no se ha indicado --bd."_s);
        return false;
    }
    return true;
}

bool OrdenesAdmin::conectar(Conexion &conexion, const ParametrosConexion &parametros)
{
    if (conexion.conectar(parametros))
        return true;
    falloBD(u"No se ha podido conectar con el servidor en "_s + descripcionConexion(parametros)
                    + u" como «"_s + parametros.usuario + u'»'
                    + (parametros.baseDatos.isEmpty()
                               ? QString()
                               : u" a la base de datos «"_s + parametros.baseDatos + u'»'),
            conexion.ultimoError());
    return false;
}

bool OrdenesAdmin::leerContrasena(const QString &pregunta, bool confirmar, QString &contrasena)
{
    QString error;
    if (entrada_->leer(pregunta, confirmar, contrasena, error))
        return true;
    fallo(error);
    return false;
}

void OrdenesAdmin::informar(const QString &texto)
{
    salida_ << texto << Qt::endl;
}

void OrdenesAdmin::avisar(const QString &texto)
{
    salida_.flush();
    errores_ << u"quenvalia-admin: "_s << texto << Qt::endl;
}

int OrdenesAdmin::fallo(const QString &texto)
{
    avisar(texto);
    return 1;
}

int OrdenesAdmin::falloBD(const QString &texto, const ErrorBD &error)
{
    QString mensaje = texto + u": "_s + error.texto;
    if (error.numero != 0)
        mensaje += u" (error "_s + QString::number(error.numero) + u')';
    return fallo(mensaje);
}
