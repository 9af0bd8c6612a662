#include "GeneradorDatos.h"

#include "EjecutorScript.h"

#include <QDir>

#include <algorithm>

namespace {

// Database names come from the command line: quoted as an identifier, never spliced bare.
QString identificador(QString nombre)
{
    return u'`' + nombre.replace(u'`', QStringLiteral("``")) + u'`';
}

QString tablaSecuencia(qint64 n)
{
    return QStringLiteral("seq_1_to_") + QString::number(n);
}

// Customers: codigo = seq, Spanish names with accents and ñ, mostly "Cliente", a few "Otro".
QString sentenciaClientes(qint64 clientes)
{
    return QStringLiteral(
                   "INSERT INTO tercero (codigo, nombre, cif, fechaalta, direccion, telefono, "
                   "poblacion, provincia, cp, personacontacto, email, pais, tipo, observacion, "
                   "codigoformapago, porcentajedto, riesgomaximo, codusuarioa, fechaa) "
                   "SELECT seq, "
                   "CONCAT(ELT(1 + seq % 8, 'Cliente ', 'Ferretería Núñez ', "
                   "'Panadería La Espiga ', 'Talleres Peña ', 'Distribuciones Ibáñez ', "
                   "'Óptica Martín ', 'Construcciones Muñoz ', 'Electrónica Güell '), "
                   "LPAD(seq, 7, '0')), "
                   "CONCAT(LPAD(seq * 37 % 100000000, 8, '0'), "
                   "SUBSTRING('TRWAGMYFPDXBNJZSQVHLCKE', 1 + seq * 37 % 100000000 % 23, 1)), "
                   "TIMESTAMP('2010-01-04') + INTERVAL seq % 4000 DAY, "
                   "CONCAT(ELT(1 + seq % 5, 'C/ Mayor', 'Avda. de la Constitución', "
                   "'C/ Cervantes', 'Plaza de España', 'C/ San José'), ', ', 1 + seq % 150), "
                   "CONCAT('9', LPAD(seq * 7919 % 100000000, 8, '0')), "
                   "ELT(1 + seq % 6, 'Madrid', 'Valencia', 'Sevilla', 'Zaragoza', 'Málaga', "
                   "'A Coruña'), "
                   "ELT(1 + seq % 6, 'Madrid', 'Valencia', 'Sevilla', 'Zaragoza', 'Málaga', "
                   "'A Coruña'), "
                   "ELT(1 + seq % 6, 28001, 46001, 41001, 50001, 29001, 15001) + seq % 50, "
                   "IF(seq % 3 = 0, NULL, CONCAT(ELT(1 + seq % 4, 'José ', 'María ', "
                   "'Begoña ', 'Íñigo '), ELT(1 + seq % 3, 'García', 'Martínez', 'Ordóñez'))), "
                   "CONCAT('cliente', seq, '@example.com'), 'España', "
                   "IF(seq % 25 = 0, 'Otro', 'Cliente'), "
                   "IF(seq % 4 = 0, 'Facturación trimestral; envío por correo', NULL), "
                   "1 + seq % 3, IF(seq % 10 = 0, 5e0, 0e0), (1 + seq % 20) * 1000e0, 1, "
                   "TIMESTAMP('2010-01-04') + INTERVAL seq % 4000 DAY "
                   "FROM ")
            + tablaSecuencia(clientes);
}

// Invoices: codigo = seq, over seven years, one customer in turn; the amounts follow the
// invoice rules (VAT and discount on the base, total = base - discount + VAT), some
// collected in full, some in part, some not at all, and a few with NULL amounts collected.
QString sentenciaFacturas(qint64 facturas, qint64 clientes)
{
    return QStringLiteral(
                   "INSERT INTO factura (codigo, numero, serie, fecha, codigocliente, "
                   "baseimponible, porcentajeiva, importeiva, porcentajedescuento, "
                   "importedescuento, importetotal, cobrado, importecobrado, observacion, "
                   "contabiliza, imprimida, enviada, fechaenvio, piefactura, fechavencimiento, "
                   "codusuarioa, codusuariom, fechaa, fecham) "
                   "SELECT seq, CONCAT(LPAD(seq, 8, '0'), serie, '/', anio), serie, fecha, "
                   "1 + seq % ")
            + QString::number(clientes)
            + QStringLiteral(
                    ", base, iva, base * iva / 100, dto, base * dto / 100, total, "
                    "IF(seq % 3 = 1, 'S', 'N'), "
                    "CASE WHEN seq % 11 = 0 THEN NULL WHEN seq % 3 = 1 THEN total "
                    "WHEN seq % 3 = 2 THEN total / 2 ELSE 0 END, "
                    "CASE seq % 5 WHEN 0 THEN CONCAT('Revisión anual ', anio) "
                    "WHEN 1 THEN 'Pago por transferencia; señal entregada' ELSE NULL END, "
                    "IF(seq % 7 = 0, 'N', 'S'), IF(seq % 2 = 0, 'S', 'N'), "
                    "IF(seq % 4 = 0, 'S', 'N'), "
                    "IF(seq % 4 = 0, fecha + INTERVAL 2 DAY, NULL), "
                    "IF(seq % 9 = 0, 'Inscrita en el Registro Mercantil de Cádiz, tomo 1.234, "
                    "folio 56, hoja CA-7.890', NULL), "
                    "IF(seq % 13 = 0, NULL, fecha + INTERVAL 30 DAY), "
                    "1 + seq % 3, IF(seq % 6 = 0, 2, NULL), fecha, "
                    "IF(seq % 6 = 0, fecha + INTERVAL 1 DAY, NULL) "
                    "FROM (SELECT s.*, base - base * dto / 100 + base * iva / 100 AS total "
                    "FROM (SELECT seq, 2020 + seq % 7 AS anio, IF(seq % 10 = 0, 'B', 'A') AS "
                    "serie, "
                    "TIMESTAMP(MAKEDATE(2020 + seq % 7, 1 + seq * 37 % 365), "
                    "SEC_TO_TIME(28800 + seq * 97 % 36000)) AS fecha, "
                    "(seq * 7919 % 100000) / 100e0 AS base, "
                    "CASE seq % 4 WHEN 2 THEN 10e0 WHEN 3 THEN 4e0 ELSE 21e0 END AS iva, "
                    "IF(seq % 5 = 0, 5e0, 0e0) AS dto "
                    "FROM ")
            + tablaSecuencia(facturas) + QStringLiteral(") s) t");
}

// Articles: codigo = seq, a name made unique by the sequence number (the unique key is on
// name, supplier, brand and model), 20 families, 50 brands, 100 models.
QString sentenciaArticulos(qint64 articulos, qint64 proveedores)
{
    return QStringLiteral("INSERT INTO material (codigo, nombre, codigofamilia, codigomarca, "
                          "codigomodelo, codigotercero, preciocompra, precioventa, stock, "
                          "porcentajeiva, referencia, fecha, codusuarioa, fechaa) "
                          "SELECT seq, CONCAT(ELT(1 + seq % 8, 'Tornillo hexagonal ', "
                          "'Taladro percutor ', 'Cable eléctrico ', 'Bombilla LED ', "
                          "'Tubería de cobre ', 'Llave inglesa ', 'Interruptor doble ', "
                          "'Pintura plástica '), LPAD(seq, 7, '0')), "
                          "1 + seq % 20, 1 + seq * 7 % 50, 1 + seq * 13 % 100, 25 * (1 + seq % ")
            + QString::number(proveedores)
            + QStringLiteral("), (seq * 7919 % 10000) / 100e0, (seq * 7919 % 10000) / 60e0, "
                             "seq % 300, 21e0, CONCAT('REF-', seq), "
                             "TIMESTAMP('2015-01-01') + INTERVAL seq % 3000 DAY, 1, "
                             "TIMESTAMP('2015-01-01') + INTERVAL seq % 3000 DAY FROM ")
            + tablaSecuencia(articulos);
}

} // namespace

qint64 GeneradorDatos::clientesPara(qint64 facturas)
{
    return std::max<qint64>(100, facturas / 50);
}

bool GeneradorDatos::fallo(const QString &que)
{
    const ErrorBD &e = conexion_.ultimoError();
    error_ = que + QStringLiteral(": ") + QString::number(e.numero) + QStringLiteral(" ") + e.texto;
    return false;
}

bool GeneradorDatos::contar(const QString &tabla, qint64 &salida)
{
    TablaResultado r;
    if (!conexion_.consultar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla, r))
        return fallo(QStringLiteral("No se han podido contar las filas de ") + tabla);
    salida = r.filas() == 1 ? r.columna(0).entero(0) : 0;
    return true;
}

bool GeneradorDatos::crearBaseDatos(const ParametrosConexion &parametros,
                                    const QString &carpetaEsquema)
{
    ParametrosConexion servidor = parametros;
    servidor.baseDatos.clear();
    if (!conexion_.conectar(servidor))
        return fallo(QStringLiteral("No se ha podido conectar con el servidor"));
    if (!conexion_.ejecutar(QStringLiteral("CREATE DATABASE IF NOT EXISTS ")
                            + identificador(parametros.baseDatos)
                            + QStringLiteral(" CHARACTER SET utf8mb4 COLLATE utf8mb4_spanish_ci")))
        return fallo(QStringLiteral("No se ha podido crear la base de datos"));
    if (!conexion_.conectar(parametros))
        return fallo(QStringLiteral("No se ha podido conectar con la base de datos"));
    TablaResultado tablas;
    if (!conexion_.consultar(u"SELECT COUNT(*) FROM information_schema.tables "
                             u"WHERE table_schema = DATABASE()",
                             tablas))
        return fallo(QStringLiteral("No se han podido contar las tablas"));
    if (tablas.columna(0).entero(0) > 0)
        return true;
    EjecutorScript script(conexion_);
    const QString ruta = QDir(carpetaEsquema).filePath(QStringLiteral("crear_tablas.sql"));
    if (!script.ejecutarFichero(ruta)) {
        error_ = QStringLiteral("Error al ejecutar ") + ruta + QStringLiteral(" (sentencia ")
                + QString::number(script.sentenciaFallida()) + QStringLiteral("): ")
                + script.error().texto;
        return false;
    }
    return true;
}

bool GeneradorDatos::comprobarTablas()
{
    TablaResultado tablas;
    if (!conexion_.consultar(u"SELECT COUNT(*) FROM information_schema.tables "
                             u"WHERE table_schema = DATABASE() "
                             u"AND table_name IN ('factura', 'tercero', 'facturadetalle')",
                             tablas))
        return fallo(QStringLiteral("No se han podido buscar las tablas"));
    if (tablas.columna(0).entero(0) != 3) {
        error_ = QStringLiteral("La base de datos no tiene las tablas del programa; "
                                "use --crear-bd para crearlas");
        return false;
    }
    return true;
}

bool GeneradorDatos::asegurarFilas(qint64 facturas, bool *rellenada)
{
    if (rellenada)
        *rellenada = false;
    const qint64 clientes = clientesPara(facturas);
    qint64 hayFacturas = 0;
    qint64 hayClientes = 0;
    if (!contar(QStringLiteral("factura"), hayFacturas)
        || !contar(QStringLiteral("tercero"), hayClientes))
        return false;
    if (hayFacturas == facturas && hayClientes == clientes)
        return true;

    qint64 lineas = 0;
    if (!contar(QStringLiteral("facturadetalle"), lineas))
        return false;
    if (lineas > 0) {
        error_ = QStringLiteral("La base de datos tiene líneas de factura: no parece una base "
                                "de datos de medida y no se vacía");
        return false;
    }
    if (!rellenar(facturas))
        return false;
    if (rellenada)
        *rellenada = true;
    if (!contar(QStringLiteral("factura"), hayFacturas)
        || !contar(QStringLiteral("tercero"), hayClientes))
        return false;
    if (hayFacturas != facturas || hayClientes != clientes) {
        error_ = QStringLiteral("El relleno ha dejado ") + QString::number(hayFacturas)
                + QStringLiteral(" facturas y ") + QString::number(hayClientes)
                + QStringLiteral(" clientes en lugar de ") + QString::number(facturas)
                + QStringLiteral(" y ") + QString::number(clientes);
        return false;
    }
    return true;
}

bool GeneradorDatos::rellenar(qint64 facturas)
{
    TablaResultado prueba;
    if (!conexion_.consultar(u"SELECT COUNT(*) FROM seq_1_to_1", prueba))
        return fallo(QStringLiteral("El servidor no ofrece el motor Sequence"));
    const qint64 clientes = clientesPara(facturas);
    if (!conexion_.ejecutar(u"TRUNCATE TABLE factura"))
        return fallo(QStringLiteral("No se ha podido vaciar factura"));
    if (!conexion_.ejecutar(u"TRUNCATE TABLE tercero"))
        return fallo(QStringLiteral("No se ha podido vaciar tercero"));
    if (!conexion_.ejecutar(sentenciaClientes(clientes)))
        return fallo(QStringLiteral("No se han podido generar los clientes"));
    if (!conexion_.ejecutar(sentenciaFacturas(facturas, clientes)))
        return fallo(QStringLiteral("No se han podido generar las facturas"));
    if (!conexion_.ejecutar(u"ANALYZE TABLE factura, tercero"))
        return fallo(QStringLiteral("No se han podido analizar las tablas"));
    return true;
}

bool GeneradorDatos::asegurarArticulos(qint64 articulos, bool *rellenada)
{
    if (rellenada)
        *rellenada = false;
    qint64 hay = 0;
    if (!contar(QStringLiteral("material"), hay))
        return false;
    const char *tablas[][3] = {
            {"familia", "Familia ", "20"}, {"marca", "Marca ", "50"}, {"modelo", "Modelo ", "100"}};
    for (const auto &t : tablas) {
        if (!conexion_.ejecutar(QStringLiteral("INSERT IGNORE INTO ") + QLatin1String(t[0])
                                + QStringLiteral(" (codigo, nombre) SELECT seq, CONCAT('")
                                + QLatin1String(t[1]) + QStringLiteral("', seq) FROM seq_1_to_")
                                + QLatin1String(t[2])))
            return fallo(QStringLiteral("No se han podido generar las filas de ")
                         + QLatin1String(t[0]));
    }
    if (hay == articulos)
        return true;
    // Suppliers: the generated third parties of type "Otro" (every 25th).
    qint64 terceros = 0;
    if (!contar(QStringLiteral("tercero"), terceros))
        return false;
    const qint64 proveedores = std::max<qint64>(1, terceros / 25);
    if (!conexion_.ejecutar(u"TRUNCATE TABLE material"))
        return fallo(QStringLiteral("No se ha podido vaciar material"));
    if (!conexion_.ejecutar(sentenciaArticulos(articulos, proveedores)))
        return fallo(QStringLiteral("No se han podido generar los artículos"));
    if (!conexion_.ejecutar(u"ANALYZE TABLE material, familia, marca, modelo"))
        return fallo(QStringLiteral("No se han podido analizar las tablas"));
    if (rellenada)
        *rellenada = true;
    return true;
}
