#include "DefinicionSeleccion.h"

#include "Consulta.h"
#include "ModeloSeleccion.h"

#include <QVariant>

namespace {

using B = BusquedaSeleccion;

constexpr OpcionSeleccion porNombre {u"&Nombre", u"Order by nombre", u"&Buscar por nombre",
                                     B::Nombre, u" WHERE nombre like :pValor"};
constexpr OpcionSeleccion porNombreTercero {u"&Nombre", u"Order by nombre", u"&Buscar por nombre",
                                            B::Nombre, u" and nombre like :pValor"};
constexpr OpcionSeleccion porCodigo {
        u"Códig&o", u"Order by codigo", u"&Buscar por Código", B::Codigo, {}};
constexpr OpcionSeleccion porCif {
        u"Cif/Nif", u"Order by cif", u"&Buscar por Cif/Nif", B::Ninguna, {}};

constexpr ColumnaSeleccion codigo6 {u"Codigo", u"Código", 6};
constexpr ColumnaSeleccion codigo7 {u"Codigo", u"Código", 7};
constexpr ColumnaSeleccion codigo5 {u"Codigo", u"Código", 5};

// A kind with the two standard options and only the code column presented.
constexpr DefinicionSeleccion simple(int entidad, QStringView titulo, QStringView consulta)
{
    return {entidad, titulo, consulta, {porNombre, porCodigo}, 2, {codigo6}, 1, false};
}

// Third parties: name, code and tax number options.
constexpr DefinicionSeleccion tercero(int entidad, QStringView titulo, QStringView consulta,
                                      const OpcionSeleccion &nombre)
{
    return {entidad,  titulo,
            consulta, {nombre, porCodigo, porCif},
            3,        {entidad == 210 ? codigo6 : codigo7},
            1,        false};
}

const DefinicionSeleccion definiciones[] = {
        simple(1, u"Selección de Tipo de Gasto...", u"SELECT codigo, nombre FROM tipogasto"),
        tercero(10, u"Selección de proveedor...",
                u"SELECT Codigo, Nombre, cif FROM tercero WHERE (tipo = 'Proveedor' OR tipo = "
                u"'Otro')",
                porNombreTercero),
        simple(15, u"Selección de forma de pago...", u"SELECT codigo, nombre FROM formapago"),
        tercero(20, u"Selección de cliente...",
                u"SELECT Codigo, Nombre, cif FROM tercero WHERE (tipo = 'Cliente' OR tipo = "
                u"'Otro')",
                porNombreTercero),
        simple(21, u"Selección de forma de departamento...",
               u"SELECT codigo, nombre FROM departamento"),
        {30,
         u"Selección de artículo...",
         u"SELECT a.Codigo, a.Nombre, f.Nombre Familia, m.Nombre Marca, md.Nombre Modelo, "
         u"a.precioventa FROM material a, familia f, marca m, modelo md "
         u"WHERE a.codigofamilia=f.codigo AND a.codigomarca=m.codigo AND a.codigomodelo=md.codigo",
         {{{u"&Nombre", u"Order by a.nombre", u"&Buscar por nombre", B::Nombre,
            u" and a.nombre like :pValor"},
           {u"Códig&o", u"Order by a.codigo", u"&Buscar por Código", B::Codigo, {}},
           {u"Familia", u"Order by f.nombre", u"&Buscar por Familia", B::Nombre,
            u" and f.nombre like :pValor"},
           {u"Marca", u"Order by m.nombre", u"&Buscar por marca", B::Nombre,
            u" and m.nombre like :pValor"}}},
         4,
         {{{u"Codigo", u"Cód.", 3},
           {u"nombre", u"Artículo", 45},
           {u"Familia", u"Familia", 10},
           {u"Marca", u"Marca", 10},
           {u"Modelo", u"Mod.", 5},
           {u"precioventa", u"PVP", 5}}},
         6,
         false},
        simple(50, u"Selección de Marca...", u"SELECT Codigo, Nombre FROM marca"),
        simple(80, u"Selección de Modelo...", u"SELECT Codigo, Nombre FROM modelo"),
        simple(90, u"Selección de Familia...", u"SELECT Codigo, Nombre FROM familia"),
        {160,
         u"Selección de parte de trabajo...",
         u"SELECT p.codigo, p.numero, p.fecha, p.totalhoras, t.Nombre Tecnico1, t2.Nombre Tecnico2 "
         u"FROM partetrabajo p, tecnico t, tecnico t2 "
         u"WHERE p.tecnico1 = t.codigo and p.tecnico2 = t2.codigo "
         u"and p.codigocliente = :pCodigoCliente and p.facturado <> :pFacturado",
         {{{u"&Número", u"Order by numero", u"&Buscar por número", B::Nombre,
            u" and p.numero like :pValor"},
           {u"Códig&o", u"Order by codigo", u"&Buscar por Código", B::Codigo, {}},
           {u"Técnico 1", u"Order by t.Nombre", u"&Buscar por Técnico 1", B::Nombre,
            u" and t.nombre like :pValor"},
           // The whole day typed, so that a time of day stored with the order does not hide it.
           {u"Fecha", u"Order by fecha", u"&Buscar por fecha", B::Fecha,
            u" and p.fecha >= STR_TO_DATE(:pValor, '%d/%c/%Y %H:%i:%s')"
            u" and p.fecha < STR_TO_DATE(:pValor, '%d/%c/%Y %H:%i:%s') + INTERVAL 1 DAY"}}},
         4,
         {{codigo5,
           {u"numero", u"Nº", 5},
           {u"fecha", u"Fecha", 12},
           {u"totalhoras", u"T.Horas", 5},
           {u"tecnico1", u"Técnico 1", 20},
           {u"tecnico2", u"Técnico 2", 20}}},
         6,
         true},
        simple(170, u"Selección de Acción...", u"SELECT codigo, nombre FROM accion"),
        simple(180, u"Selección de Técnico...", u"SELECT Codigo, Nombre FROM tecnico"),
        {190,
         u"Búsqueda de incidencia...",
         u"SELECT i.codigo, i.fecha, i.asunto, t.nombre Cliente, tn.nombre Tecnico "
         u"FROM incidencia i, tercero t, tecnico tn "
         u"WHERE i.codigocliente = t.codigo and i.codigotecnico = tn.codigo",
         {{{u"&Incidencia", u"Order by i.incidencia", u"&Buscar por Incidencia", B::Nombre,
            u" and i.incidencia like :pValor"},
           {u"&Resolución", u"Order by i.incidenciaresolucion", u"&Buscar por Resolución",
            B::Nombre, u" and i.incidenciaresolucion like :pValor"},
           {u"Contacto", u"Order by i.contacto", u"&Buscar por Contacto", B::Nombre,
            u" and i.contacto like :pValor"},
           {u"Asunto", u"Order by i.asunto", u"&Buscar por Asunto", B::Nombre,
            u" and i.asunto like :pValor"}}},
         4,
         {{codigo5,
           {u"asunto", u"Asunto", 30},
           {u"tecnico", u"Técnico", 15},
           {u"cliente", u"Cliente", 15},
           {u"fecha", u"Fecha", 10}}},
         5,
         false},
        {200,
         u"Selección de Contacto...",
         u"SELECT codigo, nombre, movilempresa1, emailempresa1 FROM contacto",
         {porNombre, porCodigo},
         2,
         {{codigo7,
           {u"emailempresa1", u"Email empresa", 15},
           {u"movilempresa1", u"Móvil empresa", 15}}},
         3,
         false},
        tercero(210, u"Selección de tercero...", u"SELECT Codigo, Nombre, cif FROM tercero",
                porNombre),
        simple(220, u"Selección de Recurso...", u"SELECT Codigo, Nombre FROM recurso"),
        {230,
         u"Selección de Nota...",
         u"SELECT codigo, asunto, fechaalta FROM nota",
         {{{u"&Contenido", u"Order by nombre", u"&Buscar por contenido", B::Nombre,
            u" WHERE nombre like :pValor"},
           {u"&Asunto", u"Order by asunto", u"&Buscar por asunto", B::Nombre,
            u" WHERE asunto like :pValor"},
           porCodigo}},
         3,
         {{codigo5, {u"asunto", u"Asunto", 50}, {u"fechaalta", u"Fecha", 10}}},
         3,
         false},
        // Series, for the series list's "Buscar".
        {291,
         u"Selección de Serie...",
         u"SELECT codigo, nombre, tabla FROM serie",
         {porNombre, porCodigo},
         2,
         {{codigo6, {u"nombre", u"Serie", 8}, {u"tabla", u"Tabla", 25}}},
         3,
         false},
};

} // namespace

const DefinicionSeleccion *definicionSeleccion(int entidad)
{
    for (const DefinicionSeleccion &d : definiciones) {
        if (d.entidad == entidad)
            return &d;
    }
    return nullptr;
}

QString sentenciaBaseSeleccion(const DefinicionSeleccion &definicion, int opcion)
{
    QString sql = definicion.consultaBase.toString();
    if (opcion >= 0 && opcion < definicion.numOpciones) {
        const QStringView orden = definicion.opciones[static_cast<size_t>(opcion)].orden;
        if (!orden.isEmpty())
            sql += u' ' + orden;
    }
    return sql;
}

QString sentenciaBusquedaSeleccion(const DefinicionSeleccion &definicion, int opcion)
{
    if (opcion < 0 || opcion >= definicion.numOpciones)
        return {};
    const OpcionSeleccion &o = definicion.opciones[static_cast<size_t>(opcion)];
    if (o.busqueda != BusquedaSeleccion::Nombre && o.busqueda != BusquedaSeleccion::Fecha)
        return {};
    return definicion.consultaBase + o.condicion;
}

QVariant valorBusquedaSeleccion(BusquedaSeleccion busqueda, const QString &texto)
{
    switch (busqueda) {
    case BusquedaSeleccion::Nombre:
        return QVariant(u'%' + texto + u'%');
    case BusquedaSeleccion::Fecha:
        return texto.size() == 10 ? QVariant(texto) : QVariant();
    case BusquedaSeleccion::Codigo:
    case BusquedaSeleccion::Ninguna:
        break;
    }
    return {};
}

void ponerParametrosSeleccion(const DefinicionSeleccion &definicion, qint64 codigoTercero,
                              Parametros &parametros)
{
    if (!definicion.partesCliente)
        return;
    parametros.poner(QStringLiteral("pFacturado"), QStringLiteral("S"));
    parametros.poner(QStringLiteral("pCodigoCliente"), codigoTercero);
}

bool cargarSeleccion(Consulta &consulta, ModeloSeleccion &modelo)
{
    if (!consulta.abrir())
        return false;
    modelo.tomarFilas(consulta.filas());
    consulta.cerrar();
    return true;
}
