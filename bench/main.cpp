#include "ClienteC.h"
#include "Conexion.h"
#include "Consulta.h"
#include "DefinicionSeleccion.h"
#include "GeneradorDatos.h"
#include "Medicion.h"
#include "ModeloSeleccion.h"
#include "OpcionesBanco.h"
#include "TablaNativa.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

// The invoice list's statement, as the list window writes it.
constexpr QStringView sentenciaListaFacturas
        = u"select f.*, COALESCE(f.importetotal, 0) - COALESCE(f.importecobrado, 0) "
          u"ImportePendiente, c.nombre Cliente "
          u"from factura f, tercero c "
          u"where f.codigocliente = c.codigo";

constexpr double bytesPorMb = 1024.0 * 1024.0;

QTextStream &salida()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &avisos()
{
    static QTextStream s(stderr);
    return s;
}

int fracaso(const QString &mensaje)
{
    avisos() << "quenvalia-bench: " << mensaje << Qt::endl;
    return 1;
}

void cifra(const char *nombre, double valor, int decimales)
{
    salida() << nombre << ": " << QString::number(valor, 'f', decimales) << Qt::endl;
}

QString descripcionConexion(const ParametrosConexion &p)
{
    const bool porSocket = !p.socket.isEmpty()
            && (p.servidor.isEmpty() || p.servidor.compare(u"localhost", Qt::CaseInsensitive) == 0);
    if (porSocket)
        return QStringLiteral("socket ") + p.socket;
    return QStringLiteral("TCP ")
            + (p.servidor.isEmpty() ? QStringLiteral("localhost") : p.servidor) + u':'
            + QString::number(p.puerto);
}

// Whether two sums of the same column agree (the text protocol may round the last digit).
bool mismaSuma(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

// The article lookup's base statement and one name search, loaded as the lookup dialog loads
// them (statement, bound pattern, query, model) and by the C client. False with `error` set.
bool medirSeleccionArticulos(Conexion &conexion, ClienteC &cliente, int repeticiones,
                             qint64 articulos, QString &error)
{
    const DefinicionSeleccion &articulo = *definicionSeleccion(30);
    const QString base = sentenciaBaseSeleccion(articulo, 0);
    const QString busqueda = sentenciaBusquedaSeleccion(articulo, 0);
    const QString patron = QStringLiteral("%percutor%");
    // The C client reads the search with the (constant) pattern written into the text.
    const QByteArray baseC = base.toUtf8();
    const QByteArray busquedaC
            = QString(busqueda).replace(QStringLiteral(":pValor"), u'\'' + patron + u'\'').toUtf8();
    const qint64 encontradas = (articulos + 7) / 8; // seq % 8 = 1

    enum Lector { Base, BaseC, BaseBinario, Busqueda, BusquedaC, BusquedaBinario, NumLectores };
    std::vector<double> tiempos[NumLectores];
    for (int r = 0; r < repeticiones; ++r) {
        for (int l = 0; l < NumLectores; ++l) {
            const bool esBusqueda = l >= Busqueda;
            const qint64 esperadas = esBusqueda ? encontradas : articulos;
            qint64 leidas = 0;
            double ms = 0;
            if (l == Base || l == Busqueda) {
                Consulta consulta(&conexion, esBusqueda ? busqueda : base);
                if (esBusqueda)
                    consulta.parametros().poner(QStringLiteral("pValor"), patron);
                auto modelo = std::make_unique<ModeloSeleccion>();
                const auto inicio = Medicion::Reloj::now();
                if (!cargarSeleccion(consulta, *modelo)) {
                    error = QStringLiteral("La selección de artículos ha fallado: ")
                            + consulta.error().texto;
                    return false;
                }
                ms = Medicion::milisegundosDesde(inicio);
                leidas = modelo->rowCount();
            } else {
                auto nativa = std::make_unique<TablaNativa>();
                const QByteArray &sql = esBusqueda ? busquedaC : baseC;
                const auto inicio = Medicion::Reloj::now();
                const bool ok = (l == BaseBinario || l == BusquedaBinario)
                        ? cliente.leerBinario(sql, *nativa)
                        : cliente.leerTexto(sql, false, *nativa);
                if (!ok) {
                    error = QStringLiteral("El cliente C ha fallado: ") + cliente.error();
                    return false;
                }
                ms = Medicion::milisegundosDesde(inicio);
                leidas = static_cast<qint64>(nativa->filas());
            }
            if (leidas != esperadas) {
                error = QStringLiteral("La selección de artículos ha leído ")
                        + QString::number(leidas) + QStringLiteral(" filas en lugar de ")
                        + QString::number(esperadas);
                return false;
            }
            tiempos[l].push_back(ms);
        }
    }
    const double base_ms = Medicion::mediana(tiempos[Base]);
    const double baseC_ms = Medicion::mediana(tiempos[BaseC]);
    const double busqueda_ms = Medicion::mediana(tiempos[Busqueda]);
    const double busquedaC_ms = Medicion::mediana(tiempos[BusquedaC]);
    salida() << "articulos: " << articulos << Qt::endl;
    cifra("lookup_articulos_ms", base_ms, 1);
    cifra("lookup_articulos_cliente_c_ms", baseC_ms, 1);
    cifra("lookup_articulos_cliente_c_binario_ms", Medicion::mediana(tiempos[BaseBinario]), 1);
    cifra("relacion_lookup_articulos_cliente_c", baseC_ms > 0 ? base_ms / baseC_ms : 0, 2);
    salida() << "filas_busqueda_articulos: " << encontradas << Qt::endl;
    cifra("lookup_busqueda_articulos_ms", busqueda_ms, 1);
    cifra("lookup_busqueda_cliente_c_ms", busquedaC_ms, 1);
    cifra("lookup_busqueda_cliente_c_binario_ms", Medicion::mediana(tiempos[BusquedaBinario]), 1);
    cifra("relacion_lookup_busqueda_cliente_c", busquedaC_ms > 0 ? busqueda_ms / busquedaC_ms : 0,
          2);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quenvalia-bench"));

    OpcionesBanco opciones;
    QString error;
    if (!OpcionesBanco::leer(QCoreApplication::arguments(), opciones, error)) {
        avisos() << "quenvalia-bench: " << error << "\n"
                 << "Use --help para ver las opciones." << Qt::endl;
        return 2;
    }
    if (opciones.ayuda) {
        salida() << OpcionesBanco::textoAyuda();
        salida().flush();
        return 0;
    }

    Conexion conexion;
    GeneradorDatos generador(conexion);
    if (opciones.crearBaseDatos) {
        if (!generador.crearBaseDatos(opciones.conexion, opciones.carpetaEsquema))
            return fracaso(generador.error());
    } else if (!conexion.conectar(opciones.conexion)) {
        return fracaso(QStringLiteral("No se ha podido conectar: ") + conexion.ultimoError().texto);
    }
    if (!generador.comprobarTablas())
        return fracaso(generador.error());
    avisos() << "Servidor " << conexion.versionServidor() << " por "
             << descripcionConexion(opciones.conexion) << ", base de datos "
             << opciones.conexion.baseDatos << Qt::endl;

    const auto inicioRelleno = Medicion::Reloj::now();
    bool rellenada = false;
    if (!generador.asegurarFilas(opciones.filas, &rellenada))
        return fracaso(generador.error());
    if (rellenada)
        avisos() << "Tablas rellenadas con " << opciones.filas << " facturas y "
                 << GeneradorDatos::clientesPara(opciones.filas) << " clientes en "
                 << QString::number(Medicion::milisegundosDesde(inicioRelleno) / 1000, 'f', 1)
                 << " s" << Qt::endl;

    bool articulosGenerados = false;
    if (!generador.asegurarArticulos(opciones.filas, &articulosGenerados))
        return fracaso(generador.error());
    if (articulosGenerados)
        avisos() << "Generados " << opciones.filas << " artículos" << Qt::endl;

    ClienteC cliente;
    if (!cliente.conectar(opciones.conexion))
        return fracaso(QStringLiteral("El cliente C no ha podido conectar: ") + cliente.error());
    const QString sentencia = sentenciaListaFacturas.toString();
    const QByteArray sentenciaUtf8 = sentencia.toUtf8();

    // The first load, before anything else has been allocated and freed, gives the memory
    // figures (and warms the server's buffer pool for the timed runs).
    qint64 filas = 0;
    size_t bytesAlmacen = 0;
    int64_t crecimientoProceso = -1;
    double sumaCapa = 0;
    int columnaTotal = -1;
    {
        const int64_t antes = Medicion::bytesResidentes();
        auto tabla = std::make_unique<TablaResultado>();
        if (!conexion.consultar(sentencia, *tabla))
            return fracaso(QStringLiteral("La sentencia de la lista ha fallado: ")
                           + conexion.ultimoError().texto);
        const int64_t despues = Medicion::bytesResidentes();
        if (antes >= 0 && despues >= 0)
            crecimientoProceso = despues - antes;
        filas = tabla->filas();
        bytesAlmacen = tabla->bytesUsados();
        columnaTotal = tabla->indice(u"importetotal");
        if (columnaTotal < 0)
            return fracaso(QStringLiteral("La lista no tiene la columna importetotal"));
        for (qsizetype i = 0; i < filas; ++i)
            sumaCapa += tabla->columna(columnaTotal).real(i);
    }
    if (filas != opciones.filas)
        return fracaso(QStringLiteral("La lista tiene ") + QString::number(filas)
                       + QStringLiteral(" filas en lugar de ") + QString::number(opciones.filas));

    size_t bytesNativa = 0;
    {
        TablaNativa nativa;
        if (!cliente.leerTexto(sentenciaUtf8, false, nativa))
            return fracaso(QStringLiteral("El cliente C ha fallado: ") + cliente.error());
        bytesNativa = nativa.bytesUsados();
    }

    // Each round runs every reader once, so that a drift of the machine touches all alike.
    enum Lector { Capa, TextoFilaAFila, TextoAlmacenado, Binario, NumLectores };
    const char *nombres[NumLectores] = {"programa", "texto", "texto almacenado", "binario"};
    std::vector<double> tiempos[NumLectores];
    std::vector<double> procesador[NumLectores];
    for (int r = 0; r < opciones.repeticiones; ++r) {
        for (int l = 0; l < NumLectores; ++l) {
            qint64 leidas = 0;
            double suma = 0;
            double ms = 0;
            double cpu = 0;
            if (l == Capa) {
                auto tabla = std::make_unique<TablaResultado>();
                const double procesadorAntes = Medicion::milisegundosProcesador();
                const auto inicio = Medicion::Reloj::now();
                if (!conexion.consultar(sentencia, *tabla))
                    return fracaso(QStringLiteral("La sentencia de la lista ha fallado: ")
                                   + conexion.ultimoError().texto);
                ms = Medicion::milisegundosDesde(inicio);
                cpu = Medicion::milisegundosProcesador() - procesadorAntes;
                leidas = tabla->filas();
                for (qsizetype i = 0; i < leidas; ++i)
                    suma += tabla->columna(columnaTotal).real(i);
            } else {
                auto nativa = std::make_unique<TablaNativa>();
                const double procesadorAntes = Medicion::milisegundosProcesador();
                const auto inicio = Medicion::Reloj::now();
                const bool ok = l == Binario
                        ? cliente.leerBinario(sentenciaUtf8, *nativa)
                        : cliente.leerTexto(sentenciaUtf8, l == TextoAlmacenado, *nativa);
                if (!ok)
                    return fracaso(QStringLiteral("El cliente C ha fallado: ") + cliente.error());
                ms = Medicion::milisegundosDesde(inicio);
                cpu = Medicion::milisegundosProcesador() - procesadorAntes;
                leidas = static_cast<qint64>(nativa->filas());
                suma = nativa->suma(static_cast<size_t>(columnaTotal));
            }
            if (leidas != filas || !mismaSuma(suma, sumaCapa)) {
                return fracaso(QStringLiteral("El lector ") + QLatin1String(nombres[l])
                               + QStringLiteral(" ha leído ") + QString::number(leidas)
                               + QStringLiteral(" filas con total ") + QString::number(suma, 'f', 2)
                               + QStringLiteral("; se esperaban ") + QString::number(filas)
                               + QStringLiteral(" con total ") + QString::number(sumaCapa, 'f', 2));
            }
            tiempos[l].push_back(ms);
            procesador[l].push_back(cpu);
        }
    }

    const double capa = Medicion::mediana(tiempos[Capa]);
    const double clienteC = Medicion::mediana(tiempos[TextoFilaAFila]);
    salida() << "filas: " << filas << Qt::endl;
    cifra("abrir_lista_facturas_ms", capa, 1);
    cifra("cliente_c_ms", clienteC, 1);
    cifra("cliente_c_almacenado_ms", Medicion::mediana(tiempos[TextoAlmacenado]), 1);
    cifra("cliente_c_binario_ms", Medicion::mediana(tiempos[Binario]), 1);
    cifra("abrir_lista_facturas_cpu_ms", Medicion::mediana(procesador[Capa]), 1);
    cifra("cliente_c_cpu_ms", Medicion::mediana(procesador[TextoFilaAFila]), 1);
    cifra("cliente_c_binario_cpu_ms", Medicion::mediana(procesador[Binario]), 1);
    cifra("relacion_lista_cliente_c", clienteC > 0 ? capa / clienteC : 0, 2);
    cifra("memoria_lista_mb", static_cast<double>(bytesAlmacen) / bytesPorMb, 1);
    if (crecimientoProceso >= 0)
        cifra("memoria_proceso_mb", static_cast<double>(crecimientoProceso) / bytesPorMb, 1);
    cifra("memoria_cliente_c_mb", static_cast<double>(bytesNativa) / bytesPorMb, 1);

    if (!medirSeleccionArticulos(conexion, cliente, opciones.repeticiones, opciones.filas, error))
        return fracaso(error);
    return 0;
}
