#include "LineaOrdenes.h"

#include <QStringView>

using namespace Qt::StringLiterals;

namespace {

using Orden = LineaOrdenes::Orden;

constexpr unsigned bit(Orden o)
{
    return 1u << static_cast<unsigned>(o);
}

constexpr unsigned todas = bit(Orden::Configurar) | bit(Orden::CrearBd) | bit(Orden::CrearUsuario)
        | bit(Orden::DatosDemo) | bit(Orden::Comprobar);
constexpr unsigned conectan = todas & ~bit(Orden::Configurar);

struct DefinicionOrden
{
    Orden orden;
    QStringView nombre;
    QStringView argumentos; // usage of the positional arguments; "" when none
    QStringView resumen; // one line for the general help
    QStringView descripcion; // paragraph of the command's help
};

constexpr DefinicionOrden ordenes[] = {
        {Orden::Configurar, u"configurar", u"",
         u"Escribe la conexión con la base de datos en el fichero de configuración.",
         u"Escribe en la sección «Base de datos» del fichero de configuración las claves de las "
         u"opciones indicadas (servidor, puerto, base de datos, usuario y contraseña, esta "
         u"cifrada como la guarda la ventana de inicio de sesión); las demás claves no cambian. "
         u"Sin ninguna de esas opciones muestra la conexión que tiene el fichero, una línea "
         u"«clave=valor» por dato (la contraseña no se muestra)."},
        {Orden::CrearBd, u"crear-bd", u"", u"Crea la base de datos y sus tablas.",
         u"Crea la base de datos (utf8mb4, utf8mb4_spanish_ci) si no existe y ejecuta "
         u"crear_tablas.sql y datos_iniciales.sql de la carpeta del esquema. En una base de datos "
         u"que ya existe solo añade las tablas y las filas iniciales que falten."},
        {Orden::CrearUsuario, u"crear-usuario", u"NICK", u"Da de alta un usuario del programa.",
         u"Da de alta el usuario NICK. Si la entrada estándar es un terminal pide la contraseña "
         u"dos veces sin mostrarla; si no, la lee de la primera línea de la entrada estándar. "
         u"Guarda su resumen MD5 en minúsculas, como la ventana de usuarios. Sin --administrador "
         u"ni --modificacion el usuario solo puede consultar. Un nick que ya existe (sin "
         u"distinguir mayúsculas) no se da de alta otra vez."},
        {Orden::DatosDemo, u"datos-demo", u"", u"Añade datos de demostración.",
         u"Añade un pequeño juego de datos de ejemplo: formas de pago, clientes y proveedores, "
         u"familias, marcas, modelos y artículos con código de barras EAN-13, técnicos, acciones, "
         u"departamentos y la serie «A» de las facturas. Se puede repetir: lo que ya existe no se "
         u"duplica ni se cambia."},
        {Orden::Comprobar, u"comprobar", u"", u"Comprueba la conexión y las tablas.",
         u"Se conecta como lo hará el programa, muestra la versión del servidor y compara las "
         u"tablas de la base de datos con las que el programa necesita. Termina con 1 si no se "
         u"puede conectar o si falta alguna tabla."},
};

struct DefinicionOpcion
{
    QStringView nombre;
    QStringView valor; // placeholder of the value; "" for a switch
    QStringView ayuda;
    unsigned ordenes; // bit(Orden) of the commands that accept it
};

constexpr DefinicionOpcion definiciones[] = {
        {u"ini", u"FICHERO",
         u"Fichero de configuración del programa. Por defecto el que indique la variable "
         u"QUENVALIA_INI o, si no, quenvalia.INI junto al ejecutable quenvalia.",
         todas},
        {u"servidor", u"SERVIDOR",
         u"Nombre o dirección del servidor MariaDB/MySQL (clave «Tipo BD MySQL - Servidor»).",
         todas},
        {u"puerto", u"PUERTO", u"Puerto TCP del servidor (clave «Tipo BD MySQL - Puerto», 3306).",
         todas},
        {u"socket", u"RUTA",
         u"Socket Unix del servidor; se usa cuando no se indica --servidor o este es «localhost». "
         u"No se guarda en el fichero de configuración.",
         conectan},
        {u"bd", u"NOMBRE", u"Base de datos (clave «Tipo BD MySQL - Nombre BD»).", todas},
        {u"usuario", u"USUARIO", u"Usuario de la base de datos (clave «Tipo BD MySQL - Usuario»).",
         todas},
        {u"contrasena", u"CONTRASEÑA",
         u"Contraseña del usuario de la base de datos (clave «Tipo BD MySQL - Contraseña»). Con "
         u"«-» se pide sin mostrarla o, si la entrada no es un terminal, se lee de la primera "
         u"línea de la entrada estándar.",
         todas},
        {u"esquema", u"CARPETA",
         u"Carpeta de crear_tablas.sql y datos_iniciales.sql. Por defecto la carpeta schema del "
         u"código fuente con que se compiló el programa.",
         bit(Orden::CrearBd)},
        {u"nombre", u"TEXTO", u"Nombre completo del usuario (por defecto, el nick).",
         bit(Orden::CrearUsuario)},
        {u"administrador", u"",
         u"El usuario puede administrar usuarios y la base de datos (administrador «S»).",
         bit(Orden::CrearUsuario)},
        {u"modificacion", u"",
         u"El usuario puede crear, cambiar y eliminar registros (modificación «S»).",
         bit(Orden::CrearUsuario)},
        {u"si-no-existe", u"",
         u"Si ya hay un usuario con ese nick, no cambia nada y termina con 0.",
         bit(Orden::CrearUsuario)},
        {u"help", u"", u"Muestra esta ayuda.", todas},
};

const DefinicionOrden *buscarOrden(QStringView nombre)
{
    for (const DefinicionOrden &d : ordenes) {
        if (d.nombre == nombre)
            return &d;
    }
    return nullptr;
}

const DefinicionOrden *definicionDe(Orden orden)
{
    for (const DefinicionOrden &d : ordenes) {
        if (d.orden == orden)
            return &d;
    }
    return nullptr;
}

const DefinicionOpcion *buscarOpcion(QStringView nombre)
{
    for (const DefinicionOpcion &d : definiciones) {
        if (d.nombre == nombre)
            return &d;
    }
    return nullptr;
}

constexpr qsizetype anchoTexto = 96;

// `texto` broken into lines of at most anchoTexto characters; the first line continues
// `inicio`, the others start with `sangria` blanks.
QString ajustar(const QString &inicio, QStringView texto, qsizetype sangria)
{
    QString s;
    QString linea = inicio;
    if (!linea.isEmpty() && linea.size() >= sangria - 1) {
        s += linea + u'\n';
        linea.clear();
    }
    linea = linea.leftJustified(sangria);
    bool primera = true;
    for (const QStringView palabra : texto.split(u' ')) {
        if (!primera && linea.size() + 1 + palabra.size() > anchoTexto) {
            s += linea + u'\n';
            linea = QString(sangria, u' ');
            primera = true;
        }
        if (!primera)
            linea += u' ';
        linea += palabra;
        primera = false;
    }
    return s + linea + u'\n';
}

QString usoOrden(const DefinicionOrden &d)
{
    QString s = d.nombre.toString();
    if (!d.argumentos.isEmpty())
        s += u' ' + d.argumentos.toString();
    return s;
}

} // namespace

QString LineaOrdenes::nombreOrden(Orden orden)
{
    const DefinicionOrden *d = definicionDe(orden);
    return d ? d->nombre.toString() : QString();
}

QStringList LineaOrdenes::opcionesDe(Orden orden)
{
    QStringList nombres;
    for (const DefinicionOpcion &d : definiciones) {
        if (d.ordenes & bit(orden))
            nombres.append(d.nombre.toString());
    }
    return nombres;
}

QString LineaOrdenes::textoAyuda(Orden orden)
{
    const DefinicionOrden *d = definicionDe(orden);
    if (!d) {
        QString s = u"Uso: quenvalia-admin ORDEN [opciones]\n"
                    u"     quenvalia-admin ayuda [ORDEN]\n\n"_s;
        s += ajustar({},
                     u"Tareas de administración de Trevanox Quenvalia fuera de las ventanas del "
                     u"programa. La conexión con la base de datos se toma del fichero de "
                     u"configuración del programa (sección «Base de datos»); las opciones "
                     u"--servidor, --puerto, --socket, --bd, --usuario y --contrasena la cambian "
                     u"solo para la orden que se ejecuta.",
                     0);
        s += u"\nÓrdenes:\n"_s;
        for (const DefinicionOrden &o : ordenes)
            s += ajustar(u"  "_s + usoOrden(o), o.resumen, 24);
        s += u'\n';
        s += ajustar({},
                     u"Termina con 0 cuando la orden se ha hecho y con 1 cuando no, con el motivo "
                     u"en la salida de errores. «quenvalia-admin ORDEN --help» muestra las "
                     u"opciones de cada orden.",
                     0);
        return s;
    }
    QString s = u"Uso: quenvalia-admin "_s + usoOrden(*d) + u" [opciones]\n\n"_s;
    s += ajustar({}, d->descripcion, 0);
    s += u"\nOpciones:\n"_s;
    for (const DefinicionOpcion &o : definiciones) {
        if (!(o.ordenes & bit(orden)))
            continue;
        QString inicio = (o.nombre == u"help" ? u"  -h, --"_s : u"  --"_s) + o.nombre;
        if (!o.valor.isEmpty())
            inicio += u' ' + o.valor.toString();
        s += ajustar(inicio, o.ayuda, 27);
    }
    return s;
}

bool LineaOrdenes::leer(const QStringList &argumentos, LineaOrdenes &salida, QString &error)
{
    salida = LineaOrdenes();
    bool pideAyuda = false; // "ayuda" given as the command
    bool ordenLeida = false;
    QStringList posicionales;
    QList<std::pair<QString, QString>> dadas;

    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString &a = argumentos[i];
        if (a == u"-h") {
            dadas.append({u"help"_s, {}});
            continue;
        }
        if (!a.startsWith(u"--")) {
            if (a.startsWith(u'-') && a != u"-") {
                error = u"Opción desconocida: "_s + a;
                return false;
            }
            if (!ordenLeida) {
                if (!pideAyuda && a == u"ayuda") {
                    pideAyuda = true;
                    continue;
                }
                const DefinicionOrden *d = buscarOrden(a);
                if (!d) {
                    error = u"Orden desconocida: "_s + a;
                    return false;
                }
                salida.orden = d->orden;
                ordenLeida = true;
                continue;
            }
            posicionales.append(a);
            continue;
        }
        QString nombre = a.mid(2);
        QString valor;
        const qsizetype igual = nombre.indexOf(u'=');
        const bool conIgual = igual >= 0;
        if (conIgual) {
            valor = nombre.mid(igual + 1);
            nombre.truncate(igual);
        }
        const DefinicionOpcion *d = buscarOpcion(nombre);
        if (!d) {
            error = u"Opción desconocida: --"_s + nombre;
            return false;
        }
        if (d->valor.isEmpty()) {
            if (conIgual) {
                error = u"La opción --"_s + nombre + u" no lleva valor."_s;
                return false;
            }
        } else if (!conIgual) {
            if (i + 1 >= argumentos.size()) {
                error = u"Falta el valor de la opción --"_s + nombre + u'.';
                return false;
            }
            valor = argumentos[++i];
        }
        dadas.append({nombre, valor});
    }

    if (pideAyuda) {
        salida.ayuda = true;
        if (!posicionales.isEmpty()) {
            error = u"La orden ayuda admite como mucho el nombre de una orden."_s;
            return false;
        }
        return true;
    }
    for (const auto &[nombre, valor] : dadas) {
        if (nombre == u"help") {
            salida.ayuda = true;
            return true;
        }
    }
    if (salida.orden == Orden::Ninguna) {
        error = u"Falta la orden. «quenvalia-admin --help» muestra las órdenes."_s;
        return false;
    }

    const QString orden = nombreOrden(salida.orden);
    for (const auto &[nombre, valor] : dadas) {
        const DefinicionOpcion *d = buscarOpcion(nombre);
        if (!(d->ordenes & bit(salida.orden))) {
            error = u"La opción --"_s + nombre + u" no se usa con la orden "_s + orden + u'.';
            return false;
        }
        if (salida.opciones.contains(nombre)) {
            error = u"La opción --"_s + nombre + u" está repetida."_s;
            return false;
        }
        salida.opciones.insert(nombre, valor);
    }
    if (salida.tiene(u"puerto"_s)) {
        bool ok = false;
        const uint puerto = salida.valor(u"puerto"_s).trimmed().toUInt(&ok);
        if (!ok || puerto < 1 || puerto > 65535) {
            error = u"El puerto debe ser un número de 1 a 65535: "_s + salida.valor(u"puerto"_s);
            return false;
        }
    }

    const qsizetype esperados = salida.orden == Orden::CrearUsuario ? 1 : 0;
    if (posicionales.size() < esperados) {
        error = u"Falta el nick del usuario: quenvalia-admin crear-usuario NICK"_s;
        return false;
    }
    if (posicionales.size() > esperados) {
        error = u"Argumento no esperado para la orden "_s + orden + u": "_s
                + posicionales.at(esperados);
        return false;
    }
    salida.argumentos = posicionales;
    return true;
}
