#include "OpcionesBanco.h"

#include "BaseDatosPrueba.h"

#include <QFile>

namespace {

struct DefinicionOpcion
{
    QStringView nombre;
    QStringView valor; // empty for a switch
    QStringView ayuda;
};

constexpr DefinicionOpcion definiciones[] = {
        {u"host", u"servidor", u"Servidor MariaDB (vacío: el socket local)."},
        {u"port", u"puerto", u"Puerto TCP del servidor (3306)."},
        {u"socket", u"ruta",
         u"Socket Unix; se usa cuando el servidor está vacío o es «localhost»."},
        {u"user", u"usuario", u"Usuario de la base de datos."},
        {u"password", u"contraseña", u"Contraseña del usuario."},
        {u"database", u"base",
         u"Base de datos de la medida (obligatoria). Sus tablas factura y tercero se vacían y se "
         u"rellenan si no tienen el número de facturas pedido."},
        {u"rows", u"n", u"Número de facturas (100000); los clientes son n/50, al menos 100."},
        {u"servidor-pruebas", u"carpeta",
         u"Lee servidor, puerto, socket, usuario y contraseña de <carpeta>/servidor.env, tal como "
         u"lo escribe scripts/servidor-pruebas.sh, y se conecta por el socket salvo que se indique "
         u"--host."},
        {u"crear-bd",
         {},
         u"Crea la base de datos (utf8mb4_spanish_ci) si no existe y sus tablas con "
         u"crear_tablas.sql si no tiene ninguna."},
        {u"esquema", u"carpeta", u"Carpeta de crear_tablas.sql (la del código fuente)."},
        {u"repeticiones", u"n", u"Veces que se repite cada medida; se informa de la mediana (5)."},
        {u"help", {}, u"Muestra esta ayuda."},
};

const DefinicionOpcion *buscarDefinicion(QStringView nombre)
{
    for (const DefinicionOpcion &d : definiciones) {
        if (d.nombre == nombre)
            return &d;
    }
    return nullptr;
}

bool leerEntero(const QString &texto, qint64 minimo, qint64 maximo, qint64 &salida)
{
    bool ok = false;
    const qint64 v = texto.toLongLong(&ok);
    if (!ok || v < minimo || v > maximo)
        return false;
    salida = v;
    return true;
}

} // namespace

QString OpcionesBanco::textoAyuda()
{
    constexpr qsizetype sangria = 30;
    constexpr qsizetype ancho = 100;
    QString s = QStringLiteral(
            "Uso: quenvalia-bench --database <base> [opciones]\n\n"
            "Mide la apertura de la lista de facturas (su sentencia y la carga del almacén por "
            "columnas)\nsobre una base de datos con n facturas generadas, y la compara con el "
            "cliente C de MariaDB\nsobre la misma sentencia. Cada cifra sale en una línea "
            "«nombre: valor» (mediana de las\nrepeticiones); los avisos van a la salida de "
            "errores.\n\nOpciones:\n");
    for (const DefinicionOpcion &d : definiciones) {
        QString linea = (d.nombre == u"help" ? QStringLiteral("  -h, --") : QStringLiteral("  --"))
                + d.nombre;
        if (!d.valor.isEmpty())
            linea += QStringLiteral(" <") + d.valor + u'>';
        if (linea.size() >= sangria - 1) {
            s += linea + u'\n';
            linea.clear();
        }
        linea = linea.leftJustified(sangria);
        bool primera = true;
        for (const QStringView palabra : QStringView(d.ayuda).split(u' ')) {
            if (!primera && linea.size() + 1 + palabra.size() > ancho) {
                s += linea + u'\n';
                linea = QString(sangria, u' ');
                primera = true;
            }
            if (!primera)
                linea += u' ';
            linea += palabra;
            primera = false;
        }
        s += linea + u'\n';
    }
    return s;
}

bool OpcionesBanco::leerServidorPruebas(const QString &carpeta, ParametrosConexion &salida,
                                        QString &error)
{
    return BaseDatosPrueba::leerServidorDe(carpeta, salida, &error);
}

bool OpcionesBanco::leer(const QStringList &argumentos, OpcionesBanco &salida, QString &error)
{
    salida.carpetaEsquema = QStringLiteral(QUENVALIA_ESQUEMA_FUENTE);
    QList<std::pair<QString, QString>> dadas;
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString &a = argumentos[i];
        if (a == u"-h" || a == u"-?") {
            dadas.append({QStringLiteral("help"), {}});
            continue;
        }
        if (!a.startsWith(u"--")) {
            error = QStringLiteral("Argumento no esperado: ") + a;
            return false;
        }
        QString nombre = a.mid(2);
        QString valor;
        const qsizetype igual = nombre.indexOf(u'=');
        const bool conIgual = igual >= 0;
        if (conIgual) {
            valor = nombre.mid(igual + 1);
            nombre.truncate(igual);
        }
        const DefinicionOpcion *d = buscarDefinicion(nombre);
        if (!d) {
            error = QStringLiteral("Opción desconocida: --") + nombre;
            return false;
        }
        if (d->valor.isEmpty()) {
            if (conIgual) {
                error = QStringLiteral("La opción --") + nombre + QStringLiteral(" no lleva valor");
                return false;
            }
        } else if (!conIgual) {
            if (i + 1 >= argumentos.size()) {
                error = QStringLiteral("Falta el valor de la opción --") + nombre;
                return false;
            }
            valor = argumentos[++i];
        }
        dadas.append({nombre, valor});
    }

    auto dada = [&](QStringView nombre) -> const QString * {
        const QString *ultima = nullptr;
        for (const auto &[n, v] : dadas) {
            if (n == nombre)
                ultima = &v;
        }
        return ultima;
    };

    if (dada(u"help")) {
        salida.ayuda = true;
        return true;
    }
    if (const QString *v = dada(u"servidor-pruebas")) {
        if (!leerServidorPruebas(*v, salida.conexion, error))
            return false;
        if (!salida.conexion.socket.isEmpty())
            salida.conexion.servidor.clear();
    }
    if (const QString *v = dada(u"host"))
        salida.conexion.servidor = *v;
    if (const QString *v = dada(u"port")) {
        qint64 puerto = 0;
        if (!leerEntero(*v, 1, 65535, puerto)) {
            error = QStringLiteral("Puerto no válido: ") + *v;
            return false;
        }
        salida.conexion.puerto = static_cast<unsigned int>(puerto);
    }
    if (const QString *v = dada(u"socket"))
        salida.conexion.socket = *v;
    if (const QString *v = dada(u"user"))
        salida.conexion.usuario = *v;
    if (const QString *v = dada(u"password"))
        salida.conexion.contrasena = *v;
    if (const QString *v = dada(u"database"))
        salida.conexion.baseDatos = *v;
    if (const QString *v = dada(u"rows")) {
        if (!leerEntero(*v, 1, filasMaximas, salida.filas)) {
            error = QStringLiteral("Número de facturas no válido (de 1 a ")
                    + QString::number(filasMaximas) + QStringLiteral("): ") + *v;
            return false;
        }
    }
    if (const QString *v = dada(u"repeticiones")) {
        qint64 n = 0;
        if (!leerEntero(*v, 1, 1000, n)) {
            error = QStringLiteral("Número de repeticiones no válido (de 1 a 1000): ") + *v;
            return false;
        }
        salida.repeticiones = static_cast<int>(n);
    }
    if (const QString *v = dada(u"esquema"))
        salida.carpetaEsquema = *v;
    salida.crearBaseDatos = dada(u"crear-bd") != nullptr;

    if (salida.conexion.baseDatos.isEmpty()) {
        error = QStringLiteral("Falta --database: la base de datos de la medida");
        return false;
    }
    return true;
}
