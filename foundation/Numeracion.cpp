#include "Numeracion.h"

#include "Conexion.h"
#include "Configuracion.h"
#include "Mensajes.h"
#include "UnidadModuloDatos.h"

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned int errorClaveDuplicada = 1062;

const QString tablaFacturas = u"factura"_s;

// The increment hands its new value back as the statement's insert id, so reading it needs no
// second statement and no other workstation can come in between.
const QString sqlAvanzar
        = u"UPDATE contador SET contador = LAST_INSERT_ID(COALESCE(contador, 0) + 1) "
          "WHERE tabla = :pTabla AND serie = :pSerie"_s;
const QString sqlCrear
        = u"INSERT INTO contador (tabla, serie, contador)  VALUES (:pTabla, :pSerie, 1)"_s;

enum class Avance { Tomado, SinFila, Fallo };

Avance avanzar(Conexion &conexion, const Parametros &parametros, qint64 &numero)
{
    ResultadoEjecucion resultado;
    if (!conexion.ejecutar(sqlAvanzar, parametros, &resultado))
        return Avance::Fallo;
    if (resultado.filasAfectadas == 0)
        return Avance::SinFila;
    numero = static_cast<qint64>(resultado.nuevoCodigo);
    return Avance::Tomado;
}

QString mensajeNoGenerado()
{
    return u"El código no ha podido generarse automáticamente."_s;
}

QString mensajeNoGuardado()
{
    return u"El contador no se ha guardado correctamente."_s;
}

QString componerConConfiguracion(qint64 contador, const QString &serieMostrada)
{
    const DatosConfiguracion &c = datosConfiguracion();
    return componerNumeroFactura(contador, serieMostrada, c.anio,
                                 static_cast<qsizetype>(c.cantidadCaracteresNumeroFactura),
                                 c.posiciones);
}

} // namespace

qint64 obtenerContadorSerie(Conexion &conexion, const QString &serie, const QString &tabla)
{
    const Parametros parametros {{u"pTabla"_s, tabla}, {u"pSerie"_s, serie}};
    qint64 numero = 1;
    // At most two increments: the second only after another workstation created the row
    // between our first increment and our insert (the insert then meets the unique key).
    for (int intento = 0; intento < 2; ++intento) {
        switch (avanzar(conexion, parametros, numero)) {
        case Avance::Tomado:
            return numero;
        case Avance::Fallo:
            mensajes().error(mensajeNoGenerado());
            return 1;
        case Avance::SinFila:
            break;
        }
        if (intento == 1)
            break;
        if (conexion.ejecutar(sqlCrear, parametros))
            return 1;
        if (conexion.ultimoError().numero != errorClaveDuplicada)
            break;
    }
    mensajes().error(mensajeNoGuardado());
    return 1;
}

qint64 obtenerContadorSerie(const QString &serie, const QString &tabla)
{
    return obtenerContadorSerie(md().bd, serie, tabla);
}

qint64 obtenerContador(Conexion &conexion, const QString &tabla)
{
    return obtenerContadorSerie(conexion, u""_s, tabla);
}

qint64 obtenerContador(const QString &tabla)
{
    return obtenerContador(md().bd, tabla);
}

bool serieMostrarEnNumero(const QString &serie, const QString &tabla)
{
    Consulta &q = md().tc2;
    q.establecerSql(u"select mostrarennumero from serie "
                    "where upper(nombre) = :pNombre and upper(tabla) = :pTabla"_s);
    q.parametros().poner(u"pNombre"_s, serie).poner(u"pTabla"_s, tabla);
    const bool mostrar
            = q.abrir() && q.filas().filas() > 0 && q.filas().texto(0, u"mostrarennumero") == u"S";
    q.cerrar();
    return mostrar;
}

QStringList obtenerSeries(const QString &tabla)
{
    Consulta &q = md().tc;
    if (tabla.isEmpty()) {
        q.establecerSql(u"select distinct(nombre) from serie"_s);
    } else {
        q.establecerSql(u"select distinct(nombre) from serie where tabla=:ptabla"_s);
        q.parametros().poner(u"ptabla"_s, tabla);
    }
    QStringList series;
    if (q.abrir()) {
        const TablaResultado &filas = q.filas();
        series.reserve(filas.filas());
        for (qsizetype i = 0; i < filas.filas(); ++i)
            series.append(filas.texto(i, u"nombre"));
    }
    q.cerrar();
    return series;
}

QString rellenarCadena(const QString &texto, qsizetype longitud, QChar caracter, bool derecha)
{
    if (texto.size() >= longitud)
        return texto;
    const QString relleno(longitud - texto.size(), caracter);
    return derecha ? texto + relleno : relleno + texto;
}

QString componerNumeroFactura(qint64 contador, const QString &serieMostrada, const QString &anio,
                              qsizetype ancho, const std::array<int, 3> &posiciones)
{
    const std::array<QString, 3> partes {
            rellenarCadena(QString::number(contador), ancho, u'0', false), serieMostrada, anio};
    QString numero;
    for (const int parte : posiciones) {
        if (parte >= 1 && parte <= 3)
            numero += partes[static_cast<size_t>(parte - 1)];
    }
    return numero;
}

QString numeroFacturaCliente(const QString &serie)
{
    // A blank series would also reach the per-table counter row, whose series is empty.
    if (serie.trimmed().isEmpty()) {
        mensajes().aviso(u"La serie de la factura debe tener un valor."_s);
        return {};
    }
    const bool mostrar = serieMostrarEnNumero(serie, tablaFacturas);
    const qint64 contador = obtenerContadorSerie(serie, tablaFacturas);
    return componerConConfiguracion(contador, mostrar ? serie : QString());
}

QString generarNumeroFactura()
{
    const qint64 contador = obtenerContador(tablaFacturas);
    return componerConConfiguracion(contador, datosConfiguracion().serie);
}
