#include "UnidadProcedimientos.h"

#include "UnidadModuloDatos.h"
#include "Windows1252.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// One use of a scratch query: its statement and parameters are set on construction and it is
// closed again when the use ends, whatever happened.
class UsoConsulta
{
public:
    UsoConsulta(Consulta &consulta, const QString &sql, const Parametros &parametros = {})
        : consulta_(consulta)
    {
        consulta_.establecerSql(sql);
        consulta_.parametros() = parametros;
    }
    ~UsoConsulta() { consulta_.cerrar(); }
    UsoConsulta(const UsoConsulta &) = delete;
    UsoConsulta &operator=(const UsoConsulta &) = delete;

    bool abrir() { return consulta_.abrir(); }
    bool ejecutar(ResultadoEjecucion *resultado) { return consulta_.ejecutar(resultado); }
    const TablaResultado &filas() const { return consulta_.filas(); }
    bool hayFila() const { return consulta_.filas().filas() > 0; }
    const ErrorBD &error() const { return consulta_.error(); }

private:
    Consulta &consulta_;
};

Parametros porCodigo(qint64 codigo)
{
    return {{u"pCodigo"_s, codigo}};
}

// Reads the column `columna` of the row found by `sql` as text; "" when there is no row.
ResultadoBD<QString> leerTexto(const QString &sql, qint64 codigo, int columna)
{
    ResultadoBD<QString> r;
    UsoConsulta q(md().tc2, sql, porCodigo(codigo));
    if (!q.abrir())
        r.error = q.error();
    else if (q.hayFila())
        r.valor = q.filas().columna(columna).comoTexto(0);
    return r;
}

// Runs an UPDATE and tells whether it found its row.
ResultadoBD<bool> actualizar(Consulta &consulta, const QString &sql, const Parametros &parametros)
{
    ResultadoBD<bool> r;
    ResultadoEjecucion ejecucion;
    UsoConsulta q(consulta, sql, parametros);
    if (!q.ejecutar(&ejecucion))
        r.error = q.error();
    else
        r.valor = ejecucion.filasAfectadas > 0;
    return r;
}

// The line opened by marcarTelefono; -1 when none is open.
int descriptorModem = -1;

bool escribirTodo(int descriptor, const QByteArray &datos)
{
    const char *p = datos.constData();
    auto quedan = static_cast<size_t>(datos.size());
    while (quedan > 0) {
        const ssize_t n = ::write(descriptor, p, quedan);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        quedan -= static_cast<size_t>(n);
    }
    return true;
}

bool esNumeroDecimal(QStringView texto)
{
    if (texto.isEmpty())
        return false;
    for (const QChar c : texto) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

ResultadoBD<QString> obtenerNombre(qint64 codigo, const QString &tabla)
{
    return leerTexto(u"SELECT Codigo, Nombre  FROM "_s + tabla + u" WHERE codigo = :pCodigo"_s,
                     codigo, 1);
}

ResultadoBD<QString> obtenerCampo(qint64 codigo, const QString &tabla, const QString &columna)
{
    return leerTexto(u"SELECT "_s + columna + u" FROM "_s + tabla + u" WHERE codigo = :pCodigo"_s,
                     codigo, 0);
}

ResultadoBD<qint64> obtenerDiasFormaPago(qint64 codigoTercero)
{
    ResultadoBD<qint64> r;
    UsoConsulta q(md().tc3,
                  u"select f.dias from tercero t, formapago f "
                  "where t.codigo = :pCodigo and t.codigoformapago=f.codigo"_s,
                  porCodigo(codigoTercero));
    if (!q.abrir())
        r.error = q.error();
    else if (q.hayFila())
        r.valor = q.filas().entero(0, u"dias");
    return r;
}

double obtenerPrecioVentaArticulo(qint64 codigo, QString &nombre)
{
    nombre.clear();
    UsoConsulta q(md().tc2,
                  u"Select t.precioventa, t.nombre from material t where t.codigo = :pCodigo"_s,
                  porCodigo(codigo));
    if (!q.abrir() || !q.hayFila())
        return 0.0;
    nombre = q.filas().texto(0, u"nombre");
    return q.filas().real(0, u"precioventa");
}

double obtenerPreciosTercero(qint64 codigo, double &porcentajeDto, double &precioDesplazamiento)
{
    porcentajeDto = 0.0;
    precioDesplazamiento = 0.0;
    UsoConsulta q(md().tc2,
                  u"Select t.preciohora, t.porcentajedto, t.preciodesplazamiento "
                  "from tercero t where t.codigo = :pCodigo"_s,
                  porCodigo(codigo));
    if (!q.abrir() || !q.hayFila())
        return 0.0;
    porcentajeDto = q.filas().real(0, u"porcentajedto");
    precioDesplazamiento = q.filas().real(0, u"preciodesplazamiento");
    return q.filas().real(0, u"preciohora");
}

bool obtenerEmailTecnicoUsuario(qint64 codigoUsuario, QString &email, QString &nombre)
{
    UsoConsulta q(md().tc2,
                  u"Select t.nombre, t.email1 from usuario u, tecnico t "
                  "where u.codigo = :pCodigo and t.codigo=u.codigotecnico"_s,
                  porCodigo(codigoUsuario));
    if (!q.abrir() || !q.hayFila())
        return false;
    nombre = q.filas().texto(0, u"nombre");
    email = q.filas().texto(0, u"email1");
    return true;
}

QString obtenerEmailContacto(qint64 codigo)
{
    UsoConsulta q(md().tc2,
                  u"Select c.emailempresa1, c.emailempresa2, c.emailparticular1, "
                  "c.emailparticular2 from contacto c where c.codigo = :pCodigo"_s,
                  porCodigo(codigo));
    if (!q.abrir() || !q.hayFila())
        return {};
    for (const QStringView columna :
         {u"emailempresa1", u"emailempresa2", u"emailparticular1", u"emailparticular2"}) {
        const QString email = q.filas().texto(0, columna);
        if (!email.isEmpty())
            return email;
    }
    return {};
}

ResultadoBD<bool> actualizarStock(bool sumar, qint64 codigo, double cantidad)
{
    // COALESCE: an empty stock would otherwise stay empty whatever moves.
    const QString sql = sumar ? u"UPDATE material SET stock = COALESCE(stock, 0) + :pCantidad "
                                "WHERE Codigo = :pCodigo"_s
                              : u"UPDATE material SET stock = COALESCE(stock, 0) - :pCantidad "
                                "WHERE Codigo = :pCodigo"_s;
    return actualizar(md().tcStock, sql, {{u"pCantidad"_s, cantidad}, {u"pCodigo"_s, codigo}});
}

ResultadoBD<bool> actualizarPrecioCompra(qint64 codigo, double precioCoste)
{
    // The connection counts matched rows, and the condition leaves out an unchanged cost, so a
    // row counted is a row changed.
    return actualizar(
            md().tc3,
            u"update material set preciocompra = :pPrecioCoste, "
            "  precioventa = :pPrecioCoste * (1 + (COALESCE(porcentajebeneficio, 0) / 100)), "
            "  fechamodprecio = :pFecha "
            "where codigo = :pCodigo "
            "and (preciocompra is null or preciocompra <> :pPrecioCoste)"_s,
            {{u"pPrecioCoste"_s, precioCoste},
             {u"pFecha"_s, QDateTime::currentDateTime()},
             {u"pCodigo"_s, codigo}});
}

bool marcarParteFacturado(qint64 codigo, const QString &facturado, const QString &numFactura,
                          qint64 codigoFactura)
{
    const ResultadoBD<bool> r = actualizar(
            md().tc,
            u"update partetrabajo set facturado = :pFacturado, codigofactura = :pCodigoFactura, "
            "numfactura = :pNumFactura where codigo = :pCodigo"_s,
            {{u"pFacturado"_s, facturado},
             {u"pCodigoFactura"_s, codigoFactura},
             {u"pNumFactura"_s, numFactura},
             {u"pCodigo"_s, codigo}});
    return r.ok() && r.valor;
}

ResultadoBD<bool> existeValor(const QString &valor, const QString &tabla, const QString &columna)
{
    ResultadoBD<bool> r;
    UsoConsulta q(md().tc,
                  u"SELECT COUNT("_s + columna + u") Contador FROM "_s + tabla + u" WHERE UPPER("_s
                          + columna + u") = :pNombre"_s,
                  {{u"pNombre"_s, valor.toUpper()}});
    if (!q.abrir())
        r.error = q.error();
    else
        r.valor = q.hayFila() && q.filas().entero(0, u"Contador") > 0;
    return r;
}

qint64 tamanoFichero(const QString &ruta)
{
    const QFileInfo fichero(ruta);
    return fichero.isFile() ? fichero.size() : -1;
}

QString grupoConfiguracionGrid(QStringView nombreGrid)
{
    QString grupo = nombreGrid.toString();
    grupo.replace(u'\\', u'/');
    return grupo.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

bool borrarConfiguracionGrid(const QString &nombreGrid)
{
    const QString grupo = grupoConfiguracionGrid(nombreGrid);
    // An empty group would be the whole store.
    if (grupo.isEmpty())
        return false;
    QSettings ajustes(QSettings::NativeFormat, QSettings::UserScope, u"Trevanox"_s, u"Quenvalia"_s);
    ajustes.beginGroup(grupo);
    const bool hayGrupo = !ajustes.allKeys().isEmpty();
    ajustes.endGroup();
    if (!hayGrupo && !ajustes.contains(grupo))
        return false;
    ajustes.remove(grupo);
    ajustes.sync();
    return ajustes.status() == QSettings::NoError;
}

QString rutaPuertoSerie(const QString &puerto)
{
    const QString dispositivo = qEnvironmentVariable("QUENVALIA_PUERTO_SERIE");
    if (!dispositivo.isEmpty())
        return dispositivo;
    if (puerto.startsWith(u'/'))
        return puerto;
    if (puerto.startsWith(u"COM", Qt::CaseInsensitive)
        && esNumeroDecimal(QStringView(puerto).mid(3))) {
        bool ok = false;
        const int n = QStringView(puerto).mid(3).toInt(&ok);
        if (ok && n >= 1)
            return u"/dev/ttyS"_s + QString::number(n - 1);
    }
    return {};
}

bool marcarTelefono(const QString &numero, const QString &puerto)
{
    colgarTelefono();
    const QString ruta = rutaPuertoSerie(puerto);
    if (ruta.isEmpty())
        return false;
    // Without O_CREAT a missing port fails instead of becoming a file. O_NONBLOCK only keeps
    // the opening from waiting for the modem's carrier; the writes wait as usual.
    const int descriptor = ::open(QFile::encodeName(ruta).constData(),
                                  O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    descriptorModem = descriptor;
    const int estado = ::fcntl(descriptor, F_GETFL);
    if (estado >= 0)
        (void)::fcntl(descriptor, F_SETFL, estado & ~O_NONBLOCK);
    termios terminal {};
    if (::tcgetattr(descriptor, &terminal) == 0) {
        // Otherwise the line discipline would send the LF as CR LF.
        terminal.c_oflag &= ~static_cast<tcflag_t>(OPOST);
        (void)::tcsetattr(descriptor, TCSANOW, &terminal);
    }
    const QByteArray orden = QByteArrayLiteral("ATDT ") + aWindows1252(numero) + "\r\n";
    return escribirTodo(descriptor, orden);
}

void colgarTelefono()
{
    if (descriptorModem >= 0) {
        (void)::close(descriptorModem);
        descriptorModem = -1;
    }
}

ResultadoBD<QString> obtenerParametro(const QString &nombre)
{
    ResultadoBD<QString> r;
    UsoConsulta q(md().tc, u"SELECT valor FROM parametro WHERE nombre = :pNombre"_s,
                  {{u"pNombre"_s, nombre}});
    if (!q.abrir())
        r.error = q.error();
    else if (q.hayFila())
        r.valor = q.filas().texto(0, u"valor");
    return r;
}

QString calcularMD5(QStringView texto)
{
    return QString::fromLatin1(
            QCryptographicHash::hash(aWindows1252(texto), QCryptographicHash::Md5)
                    .toHex()
                    .toUpper());
}

QStringList obtenerTablas()
{
    QStringList tablas;
    UsoConsulta q(md().tc, u"SHOW TABLES"_s);
    if (q.abrir() && q.filas().columnas() > 0) {
        const ColumnaResultado &nombres = q.filas().columna(0);
        tablas.reserve(nombres.filas());
        for (qsizetype i = 0; i < nombres.filas(); ++i)
            tablas.append(nombres.comoTexto(i));
    }
    return tablas;
}
