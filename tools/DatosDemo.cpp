#include "DatosDemo.h"

#include "CodigoEan13.h"
#include "DescriptorTabla.h"

#include <QDate>
#include <QDateTime>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace {

struct FormaPago
{
    QStringView nombre;
    QStringView descripcion;
    int dias;
};

constexpr FormaPago formasPago[] = {
        {u"Contado", u"Pago al contado en el momento de la entrega.", 0},
        {u"Transferencia 30 días", u"Transferencia bancaria a 30 días de la fecha de factura.", 30},
        {u"Recibo domiciliado 60 días", u"Recibo domiciliado en la cuenta del cliente a 60 días.",
         60},
        {u"Pagaré 90 días", u"Pagaré con vencimiento a 90 días de la fecha de factura.", 90},
};

constexpr QStringView departamentos[] = {u"Servicio técnico", u"Administración", u"Comercial"};

// A company's tax code is its form letter, seven digits (the first two those of the province)
// and a check digit; a person's is eight digits and a check letter.
struct Tercero
{
    QStringView nombre;
    QStringView identificacion; // letter and seven digits, or eight digits
    QStringView tipo;
    QStringView direccion;
    QStringView poblacion;
    QStringView provincia;
    int cp;
    QStringView telefono;
    QStringView personaContacto;
    QStringView email;
    int formaPago; // index into formasPago
    double precioHora; // customers: price of an hour of work, travel and discount
    double precioDesplazamiento;
    double porcentajeDto;
};

constexpr Tercero terceros[] = {
        {u"Talleres Hermanos Ruiz, S.L.", u"B2845671", u"Cliente", u"Calle Mayor, 14",
         u"Alcalá de Henares", u"Madrid", 28801, u"918 812 345", u"Antonio Ruiz Castillo",
         u"administracion@talleresruiz.example", 1, 38, 15, 0},
        {u"Clínica Dental Sonrisa Castellana, S.L.", u"B4712390", u"Cliente",
         u"Paseo de Zorrilla, 101, 2.º B", u"Valladolid", u"Valladolid", 47007, u"983 334 210",
         u"Marta Herrero Pascual", u"recepcion@sonrisacastellana.example", 2, 38, 12, 5},
        {u"Gestoría Martínez y Asociados, S.L.", u"B3058214", u"Cliente",
         u"Gran Vía Escultor Salzillo, 7", u"Murcia", u"Murcia", 30004, u"968 217 450",
         u"José Antonio Martínez Nicolás", u"gestoria@martinezasociados.example", 1, 35, 10, 0},
        {u"Hotel Mirador de la Alhambra, S.A.", u"A1806637", u"Cliente", u"Cuesta de Gomérez, 22",
         u"Granada", u"Granada", 18009, u"958 226 731", u"Elena Morales Jiménez",
         u"direccion@miradoralhambra.example", 2, 40, 18, 8},
        {u"Carmen López García", u"25481736", u"Cliente", u"Calle del Coso, 56, 1.º izda.",
         u"Zaragoza", u"Zaragoza", 50001, u"976 398 112", u"Carmen López García",
         u"carmen.lopez@correo.example", 0, 32, 10, 0},
        {u"Asesoría Jurídica Ortega Vidal, S.L.P.", u"B2630945", u"Cliente", u"Calle Portales, 33",
         u"Logroño", u"La Rioja", 26001, u"941 245 678", u"Álvaro Ortega Vidal",
         u"despacho@ortegavidal.example", 3, 36, 12, 3},
        {u"Distribuciones Informáticas del Sur, S.A.", u"A4177302", u"Proveedor",
         u"Avenida de la Innovación, 15, nave 4", u"Sevilla", u"Sevilla", 41020, u"954 468 900",
         u"Rafael Domínguez Vega", u"pedidos@disur.example", 1, 0, 0, 0},
        {u"Suministros Electrónicos Levante, S.L.", u"B4629518", u"Proveedor",
         u"Calle Ciudad de Barcelona, 37", u"Paterna", u"Valencia", 46988, u"961 342 775",
         u"Vicente Soler Ferrer", u"comercial@selevante.example", 3, 0, 0, 0},
        {u"Papelería y Consumibles Bilbaína, S.L.", u"B4860127", u"Proveedor", u"Calle Ercilla, 18",
         u"Bilbao", u"Bizkaia", 48009, u"944 236 518", u"Iñaki Etxeberria Goikoetxea",
         u"ventas@pcbilbaina.example", 2, 0, 0, 0},
};

constexpr QStringView familias[]
        = {u"Ordenadores de sobremesa", u"Portátiles",    u"Impresoras", u"Consumibles",
           u"Redes y comunicaciones",   u"Almacenamiento"};

constexpr QStringView marcas[] = {u"Albor", u"Nimbo", u"Cierzo", u"Tramontana", u"Ponent"};

struct Articulo
{
    QStringView nombre;
    QStringView referencia;
    int familia; // indexes into familias, marcas and terceros
    int marca;
    QStringView modelo;
    int proveedor;
    double precioCompra;
    double porcentajeBeneficio;
    double precioVenta; // precioCompra × (1 + porcentajeBeneficio / 100)
    double stock;
    double stockMinimo;
    QStringView codigoBarras; // the first twelve digits; the check digit is computed
};

constexpr Articulo articulos[] = {
        {u"Ordenador de sobremesa Albor Office 5 (i5, 16 GB, SSD 512 GB)", u"AO5-16-512", 0, 0,
         u"Office 5", 6, 489.00, 25, 611.25, 6, 2, u"843700100015"},
        {u"Portátil Nimbo Pro 14 (i7, 16 GB, SSD 1 TB)", u"NP14-16-1T", 1, 1, u"Pro 14", 6, 742.00,
         22, 905.24, 4, 1, u"843700200014"},
        {u"Portátil Nimbo Air 13 (i5, 8 GB, SSD 256 GB)", u"NA13-8-256", 1, 1, u"Air 13", 6, 455.00,
         25, 568.75, 3, 1, u"843700200021"},
        {u"Impresora láser Cierzo LX-200 monocromo", u"CLX200", 2, 2, u"LX-200", 7, 118.00, 30,
         153.40, 5, 2, u"843700300017"},
        {u"Impresora multifunción Cierzo MF-450 color", u"CMF450", 2, 2, u"MF-450", 7, 236.50, 28,
         302.72, 2, 1, u"843700300024"},
        {u"Tóner negro Cierzo LX-200 (3.000 páginas)", u"T-LX200-N", 3, 2, u"LX-200", 7, 34.20, 40,
         47.88, 18, 5, u"843700300031"},
        {u"Papel A4 80 g, paquete de 500 hojas", u"PAP-A4-80", 3, 4, u"Estándar A4", 8, 3.20, 45,
         4.64, 120, 40, u"843700500019"},
        {u"Conmutador Tramontana 24 puertos gigabit", u"TS-24G", 4, 3, u"TS-24G", 7, 96.00, 35,
         129.60, 3, 1, u"843700400012"},
        {u"Punto de acceso Wi-Fi Tramontana AX1800", u"TAP-AX18", 4, 3, u"AX1800", 7, 54.00, 35,
         72.90, 7, 2, u"843700400029"},
        {u"Disco SSD Albor 1 TB SATA", u"ASSD-1T", 5, 0, u"S1000", 6, 52.00, 30, 67.60, 10, 3,
         u"843700100022"},
        {u"Disco externo Nimbo 2 TB USB-C", u"NEXT-2T", 5, 1, u"E2000", 6, 61.00, 30, 79.30, 1, 2,
         u"843700200038"},
};

struct Tecnico
{
    QStringView nombre;
    QStringView telefono;
    QStringView email;
    double precioHora;
    double precioHoraExtra;
    double sueldo;
};

constexpr Tecnico tecnicos[] = {
        {u"Javier Moreno Sánchez", u"654 321 987", u"javier.moreno@trevanox.example", 32, 45, 1850},
        {u"Lucía Fernández Gil", u"678 452 310", u"lucia.fernandez@trevanox.example", 32, 45, 1850},
        {u"Pablo Navarro Ruiz", u"699 874 125", u"pablo.navarro@trevanox.example", 28, 40, 1620},
};

struct Accion
{
    QStringView nombre;
    double precio;
    QStringView descripcion;
};

constexpr Accion acciones[] = {
        {u"Instalación y configuración de equipo", 45,
         u"Montaje, instalación del sistema y de los programas del cliente y puesta en marcha."},
        {u"Revisión preventiva", 35,
         u"Limpieza, comprobación de discos y copias, actualizaciones."},
        {u"Reparación en taller", 38, u"Diagnóstico y reparación en nuestras instalaciones."},
        {u"Desplazamiento", 15, u"Visita al domicilio del cliente."},
        {u"Copia de seguridad y restauración", 40,
         u"Copia de los datos del cliente y su restauración en el equipo nuevo o reparado."},
};

// Plural names of the tables for the summary, in loading order.
struct Tabla
{
    const char *nombre;
    QStringView descripcion;
};

constexpr Tabla tablasCargadas[] = {
        {"formapago", u"formas de pago"},
        {"departamento", u"departamentos"},
        {"tercero", u"terceros"},
        {"familia", u"familias"},
        {"marca", u"marcas"},
        {"modelo", u"modelos"},
        {"material", u"artículos"},
        {"tecnico", u"técnicos"},
        {"accion", u"acciones"},
        {"serie", u"series"},
};

// The tax code with its check character: for a company the digit of the sum of the digits in
// even places and the digit sums of the doubled digits in odd places; for a person the letter
// of the number modulo 23.
QString completarIdentificacion(QStringView base)
{
    if (base.size() == 8 && base[0].isDigit()) {
        static constexpr QStringView letras = u"TRWAGMYFPDXBNJZSQVHLCKE";
        return base.toString() + letras[base.toInt() % 23];
    }
    int suma = 0;
    for (qsizetype i = 1; i < base.size(); ++i) {
        const int d = base[i].digitValue();
        if (i % 2 == 0) {
            suma += d;
        } else {
            const int doble = 2 * d;
            suma += doble / 10 + doble % 10;
        }
    }
    return base.toString() + QChar(u'0' + (10 - suma % 10) % 10);
}

} // namespace

int DatosDemo::totalAnadidas() const
{
    int total = 0;
    for (const Recuento &r : recuento_)
        total += r.anadidas;
    return total;
}

bool DatosDemo::cargar()
{
    error_.limpiar();
    recuento_.clear();
    anadidas_.clear();
    for (const Tabla &t : tablasCargadas)
        recuento_.append({QString::fromLatin1(t.nombre), t.descripcion.toString(), 0, 0});
    if (!conexion_.iniciarTransaccion())
        return fallo();
    if (!cargarTodo()) {
        conexion_.deshacerTransaccion();
        for (Recuento &r : recuento_)
            r.anadidas = 0;
        return false;
    }
    if (!conexion_.confirmarTransaccion())
        return fallo();
    return true;
}

bool DatosDemo::cargarTodo()
{
    const QDate hoy = QDate::currentDate();
    qint64 codigo = 0;

    QList<qint64> codigosFormaPago;
    for (const FormaPago &f : formasPago) {
        if (!asegurar("formapago", {{"nombre", f.nombre.toString()}},
                      {{"descripcion", f.descripcion.toString()}, {"dias", f.dias}}, codigo))
            return false;
        codigosFormaPago.append(codigo);
    }

    qint64 departamentoTecnico = 0;
    for (const QStringView d : departamentos) {
        if (!asegurar("departamento", {{"nombre", d.toString()}}, {}, codigo))
            return false;
        if (departamentoTecnico == 0)
            departamentoTecnico = codigo;
    }

    QList<qint64> codigosTercero;
    for (const Tercero &t : terceros) {
        std::vector<Campo> resto = {
                {"direccion", t.direccion.toString()},
                {"poblacion", t.poblacion.toString()},
                {"provincia", t.provincia.toString()},
                {"cp", t.cp},
                {"pais", u"España"_s},
                {"telefono", t.telefono.toString()},
                {"personacontacto", t.personaContacto.toString()},
                {"email", t.email.toString()},
                {"codigoformapago", codigosFormaPago.at(t.formaPago)},
                {"fechaalta", hoy.addYears(-2).startOfDay()},
        };
        if (t.tipo == u"Cliente") {
            resto.push_back({"preciohora", t.precioHora});
            resto.push_back({"preciodesplazamiento", t.precioDesplazamiento});
            resto.push_back({"porcentajedto", t.porcentajeDto});
        }
        if (!asegurar("tercero",
                      {{"nombre", t.nombre.toString()},
                       {"cif", completarIdentificacion(t.identificacion)},
                       {"tipo", t.tipo.toString()}},
                      resto, codigo))
            return false;
        codigosTercero.append(codigo);
    }

    QList<qint64> codigosFamilia;
    for (const QStringView f : familias) {
        if (!asegurar("familia", {{"nombre", f.toString()}}, {}, codigo))
            return false;
        codigosFamilia.append(codigo);
    }
    QList<qint64> codigosMarca;
    for (const QStringView m : marcas) {
        if (!asegurar("marca", {{"nombre", m.toString()}}, {}, codigo))
            return false;
        codigosMarca.append(codigo);
    }

    for (const Articulo &a : articulos) {
        qint64 modelo = 0;
        if (!asegurar("modelo", {{"nombre", a.modelo.toString()}}, {}, modelo))
            return false;
        if (!asegurar("material",
                      {{"nombre", a.nombre.toString()},
                       {"codigotercero", codigosTercero.at(a.proveedor)},
                       {"codigomarca", codigosMarca.at(a.marca)},
                       {"codigomodelo", modelo}},
                      {{"referencia", a.referencia.toString()},
                       {"codigofamilia", codigosFamilia.at(a.familia)},
                       {"fecha", hoy.addMonths(-3).startOfDay()},
                       {"preciocompra", a.precioCompra},
                       {"porcentajebeneficio", a.porcentajeBeneficio},
                       {"precioventa", a.precioVenta},
                       {"porcentajeiva", 21.0},
                       {"porcentajedto", 0.0},
                       {"stock", a.stock},
                       {"stockminimo", a.stockMinimo},
                       {"avisostockminimo", u"S"_s},
                       {"codigobarras", completarEan13(a.codigoBarras)},
                       {"fechamodprecio", hoy.addMonths(-3).startOfDay()}},
                      codigo))
            return false;
    }

    for (const Tecnico &t : tecnicos) {
        if (!asegurar("tecnico", {{"nombre", t.nombre.toString()}},
                      {{"telefono", t.telefono.toString()},
                       {"email1", t.email.toString()},
                       {"preciohora", t.precioHora},
                       {"preciohoraextra", t.precioHoraExtra},
                       {"importesueldo", t.sueldo},
                       {"codigodepartamento", departamentoTecnico},
                       {"fechaalta", hoy.addYears(-1).startOfDay()}},
                      codigo))
            return false;
    }

    for (const Accion &a : acciones) {
        if (!asegurar("accion", {{"nombre", a.nombre.toString()}},
                      {{"precio", a.precio},
                       {"descripcion", a.descripcion.toString()},
                       {"fechaalta", hoy.addYears(-1).startOfDay()}},
                      codigo))
            return false;
    }

    return asegurar("serie", {{"nombre", u"A"_s}, {"tabla", u"factura"_s}},
                    {{"mostrarennumero", u"S"_s}}, codigo);
}

bool DatosDemo::asegurar(const char *tabla, const std::vector<Campo> &clave,
                         const std::vector<Campo> &resto, qint64 &codigo)
{
    const QString nombreTabla = QString::fromLatin1(tabla);
    Parametros parametros;
    QString condicion;
    for (const Campo &c : clave) {
        const QString columna = QString::fromLatin1(c.columna);
        if (!condicion.isEmpty())
            condicion += u" AND "_s;
        condicion += columna + u" = :p"_s + columna;
        parametros.poner(u"p"_s + columna, c.valor);
    }
    TablaResultado fila;
    if (!conexion_.consultar(u"SELECT codigo FROM "_s + nombreTabla + u" WHERE "_s + condicion
                                     + u" LIMIT 1"_s,
                             parametros, fila))
        return fallo();
    Recuento &recuento = recuentoDe(tabla);
    if (!fila.vacia()) {
        codigo = fila.entero(0, u"codigo");
        // A row this load added earlier (a model shared by two articles) was not there before.
        if (!anadidas_.contains({nombreTabla, codigo}))
            ++recuento.existentes;
        return true;
    }

    QString columnas;
    QString valores;
    auto anadir = [&](const QString &columna, const QVariant &valor) {
        if (!columnas.isEmpty()) {
            columnas += u", "_s;
            valores += u", "_s;
        }
        columnas += columna;
        valores += u":p"_s + columna;
        parametros.poner(u"p"_s + columna, valor);
    };
    for (const Campo &c : clave)
        anadir(QString::fromLatin1(c.columna), c.valor);
    for (const Campo &c : resto)
        anadir(QString::fromLatin1(c.columna), c.valor);
    const esquema::Tabla *descriptor = esquema::buscarTabla(tabla);
    if (descriptor && esquema::buscarColumna(*descriptor, "fechaa"))
        anadir(u"fechaa"_s, QDateTime::currentDateTime());

    ResultadoEjecucion resultado;
    if (!conexion_.ejecutar(u"INSERT INTO "_s + nombreTabla + u" ("_s + columnas + u") VALUES ("_s
                                    + valores + u')',
                            parametros, &resultado))
        return fallo();
    codigo = static_cast<qint64>(resultado.nuevoCodigo);
    anadidas_.insert({nombreTabla, codigo});
    ++recuento.anadidas;
    return true;
}

DatosDemo::Recuento &DatosDemo::recuentoDe(const char *tabla)
{
    for (Recuento &r : recuento_) {
        if (r.tabla == QLatin1StringView(tabla))
            return r;
    }
    recuento_.append({QString::fromLatin1(tabla), QString::fromLatin1(tabla), 0, 0});
    return recuento_.last();
}

bool DatosDemo::fallo()
{
    error_ = conexion_.ultimoError();
    return false;
}
