#include "Conexion.h"

#include "AnalizadorSql.h"
#include "Windows1252.h"

#include <QStringDecoder>

#include <errmsg.h>
#include <mysql.h>
#include <mysqld_error.h>

#include <charconv>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr const char *modoSql
        = "SET SESSION sql_mode = 'STRICT_ALL_TABLES,ERROR_FOR_DIVISION_BY_ZERO,"
          "NO_ENGINE_SUBSTITUTION'";
constexpr unsigned long bufferTextoInicial = 256;
constexpr qint64 msPorDia = 86400000;

bool esErrorDeConexion(unsigned int n)
{
    return n == CR_SERVER_GONE_ERROR || n == CR_SERVER_LOST || n == CR_CONNECTION_ERROR
            || n == CR_CONN_HOST_ERROR || n == CR_SERVER_LOST_EXTENDED || n == ER_CONNECTION_KILLED
            || n == 4031 /* ER_CLIENT_INTERACTION_TIMEOUT */;
}

struct CierraSentencia
{
    void operator()(MYSQL_STMT *s) const { mysql_stmt_close(s); }
};

struct LiberaResultado
{
    void operator()(MYSQL_RES *r) const { mysql_free_result(r); }
};

TipoDato tipoDe(const MYSQL_FIELD &f)
{
    switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
    case MYSQL_TYPE_BIT:
        return TipoDato::Entero;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return f.decimals == 0 ? TipoDato::Entero : TipoDato::Real;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return TipoDato::Real;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return TipoDato::Fecha;
    case MYSQL_TYPE_TIME:
        return TipoDato::Hora;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return TipoDato::FechaHora;
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_STRING:
    case MYSQL_TYPE_VARCHAR:
        return f.charsetnr == 63 ? TipoDato::Binario : TipoDato::Texto;
    default:
        return TipoDato::Texto;
    }
}

bool esDecimal(const MYSQL_FIELD &f)
{
    return f.type == MYSQL_TYPE_DECIMAL || f.type == MYSQL_TYPE_NEWDECIMAL;
}

bool fechaCero(const MYSQL_TIME &t)
{
    return t.year == 0 && t.month == 0 && t.day == 0;
}

void anadirTiempo(ColumnaResultado &c, const MYSQL_TIME &t)
{
    const qint64 ms = ((static_cast<qint64>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000
            + t.second_part / 1000;
    switch (c.tipo()) {
    case TipoDato::Fecha:
        if (fechaCero(t))
            c.anadirNulo();
        else
            c.anadirFecha(QDate(static_cast<int>(t.year), static_cast<int>(t.month),
                                static_cast<int>(t.day)));
        break;
    case TipoDato::Hora:
        c.anadirHora(t.neg ? -ms : ms);
        break;
    default:
        if (fechaCero(t)) {
            c.anadirNulo();
        } else {
            const QDate d(static_cast<int>(t.year), static_cast<int>(t.month),
                          static_cast<int>(t.day));
            c.anadirFechaHora(d.toJulianDay(), ms);
        }
        break;
    }
}

// Adds a value given as text (text protocol, decimals) to a column of any type.
void anadirDesdeTexto(ColumnaResultado &c, const char *p, size_t n)
{
    switch (c.tipo()) {
    case TipoDato::Entero: {
        qint64 v = 0;
        const auto r = std::from_chars(p, p + n, v);
        if (r.ec != std::errc()) {
            double d = 0;
            std::from_chars(p, p + n, d);
            v = static_cast<qint64>(d);
        }
        c.anadirEntero(v);
        break;
    }
    case TipoDato::Real: {
        double d = 0;
        std::from_chars(p, p + n, d);
        c.anadirReal(d);
        break;
    }
    case TipoDato::Texto:
        c.anadirTexto(p, n);
        break;
    case TipoDato::Binario:
        c.anadirBinario(QByteArray(p, static_cast<qsizetype>(n)));
        break;
    case TipoDato::Fecha:
    case TipoDato::Hora:
    case TipoDato::FechaHora: {
        const QString s = QString::fromLatin1(p, static_cast<qsizetype>(n));
        if (c.tipo() == TipoDato::Hora) {
            const QTime t = QTime::fromString(s.left(8), Qt::ISODate);
            c.anadirHora(t.isValid() ? t.msecsSinceStartOfDay() : 0);
        } else {
            const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
            if (!d.isValid()) {
                c.anadirNulo();
            } else if (c.tipo() == TipoDato::Fecha) {
                c.anadirFecha(d);
            } else {
                const QTime t = QTime::fromString(s.mid(11, 8), Qt::ISODate);
                c.anadirFechaHora(d.toJulianDay(), t.isValid() ? t.msecsSinceStartOfDay() : 0);
            }
        }
        break;
    }
    }
}

// Storage behind the parameter binds of one execution.
struct ValoresEnlazados
{
    std::vector<MYSQL_BIND> binds;
    std::vector<qint64> enteros;
    std::vector<double> reales;
    std::vector<QByteArray> bytes;
    std::vector<MYSQL_TIME> tiempos;
    std::vector<unsigned long> longitudes;
    std::vector<my_bool> nulos;

    explicit ValoresEnlazados(size_t n)
        : binds(n)
        , enteros(n)
        , reales(n)
        , bytes(n)
        , tiempos(n)
        , longitudes(n)
        , nulos(n)
    {
        std::memset(binds.data(), 0, sizeof(MYSQL_BIND) * n);
        std::memset(tiempos.data(), 0, sizeof(MYSQL_TIME) * n);
    }

    void enlazar(size_t i, const QVariant &v)
    {
        MYSQL_BIND &b = binds[i];
        if (!v.isValid() || v.isNull()) {
            nulos[i] = 1;
            b.buffer_type = MYSQL_TYPE_NULL;
            b.is_null = &nulos[i];
            return;
        }
        switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::UChar:
            enteros[i] = v.toLongLong();
            b.buffer_type = MYSQL_TYPE_LONGLONG;
            b.buffer = &enteros[i];
            break;
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            enteros[i] = static_cast<qint64>(v.toULongLong());
            b.buffer_type = MYSQL_TYPE_LONGLONG;
            b.buffer = &enteros[i];
            b.is_unsigned = 1;
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            reales[i] = v.toDouble();
            b.buffer_type = MYSQL_TYPE_DOUBLE;
            b.buffer = &reales[i];
            break;
        case QMetaType::QDate: {
            const QDate d = v.toDate();
            MYSQL_TIME &t = tiempos[i];
            t.year = static_cast<unsigned>(d.year());
            t.month = static_cast<unsigned>(d.month());
            t.day = static_cast<unsigned>(d.day());
            t.time_type = MYSQL_TIMESTAMP_DATE;
            b.buffer_type = MYSQL_TYPE_DATE;
            b.buffer = &t;
            break;
        }
        case QMetaType::QTime: {
            const QTime h = v.toTime();
            MYSQL_TIME &t = tiempos[i];
            t.hour = static_cast<unsigned>(h.hour());
            t.minute = static_cast<unsigned>(h.minute());
            t.second = static_cast<unsigned>(h.second());
            t.time_type = MYSQL_TIMESTAMP_TIME;
            b.buffer_type = MYSQL_TYPE_TIME;
            b.buffer = &t;
            break;
        }
        case QMetaType::QDateTime: {
            const QDateTime dt = v.toDateTime();
            const QDate d = dt.date();
            const QTime h = dt.time();
            MYSQL_TIME &t = tiempos[i];
            t.year = static_cast<unsigned>(d.year());
            t.month = static_cast<unsigned>(d.month());
            t.day = static_cast<unsigned>(d.day());
            t.hour = static_cast<unsigned>(h.hour());
            t.minute = static_cast<unsigned>(h.minute());
            t.second = static_cast<unsigned>(h.second());
            t.time_type = MYSQL_TIMESTAMP_DATETIME;
            b.buffer_type = MYSQL_TYPE_DATETIME;
            b.buffer = &t;
            break;
        }
        case QMetaType::QByteArray:
            bytes[i] = v.toByteArray();
            longitudes[i] = static_cast<unsigned long>(bytes[i].size());
            b.buffer_type = MYSQL_TYPE_BLOB;
            b.buffer = bytes[i].data();
            b.buffer_length = longitudes[i];
            b.length = &longitudes[i];
            break;
        default:
            bytes[i] = v.toString().toUtf8();
            longitudes[i] = static_cast<unsigned long>(bytes[i].size());
            b.buffer_type = MYSQL_TYPE_STRING;
            b.buffer = bytes[i].data();
            b.buffer_length = longitudes[i];
            b.length = &longitudes[i];
            break;
        }
    }
};

// Receiving buffers for the columns of a result read through the binary protocol.
struct BuffersResultado
{
    std::vector<MYSQL_BIND> binds;
    std::vector<qint64> enteros;
    std::vector<double> reales;
    std::vector<MYSQL_TIME> tiempos;
    std::vector<std::string> textos;
    std::vector<unsigned long> longitudes;
    std::vector<my_bool> nulos;
    std::vector<my_bool> errores;

    explicit BuffersResultado(size_t n)
        : binds(n)
        , enteros(n)
        , reales(n)
        , tiempos(n)
        , textos(n)
        , longitudes(n)
        , nulos(n)
        , errores(n)
    {
        std::memset(binds.data(), 0, sizeof(MYSQL_BIND) * n);
        std::memset(tiempos.data(), 0, sizeof(MYSQL_TIME) * n);
    }
};

} // namespace

QString decodificarMensajeServidor(const char *texto)
{
    if (!texto)
        return {};
    const QByteArray bytes(texto);
    auto decodificador = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = decodificador.decode(bytes);
    if (!decodificador.hasError())
        return s;
    return desdeWindows1252(bytes);
}

Conexion::~Conexion()
{
    desconectar();
}

bool Conexion::conectar(const ParametrosConexion &parametros)
{
    desconectar();
    parametros_ = parametros;
    configurada_ = true;
    error_.limpiar();
    return abrir();
}

void Conexion::desconectar()
{
    if (mysql_) {
        mysql_close(mysql_);
        mysql_ = nullptr;
    }
    perdida_ = false;
    configurada_ = false;
}

bool Conexion::abrir()
{
    if (mysql_) {
        mysql_close(mysql_);
        mysql_ = nullptr;
    }
    MYSQL *m = mysql_init(nullptr);
    if (!m) {
        error_ = {CR_OUT_OF_MEMORY, QStringLiteral("No hay memoria para la conexión."), {}};
        return false;
    }
    unsigned int conexion = parametros_.segundosConexion;
    unsigned int lectura = parametros_.segundosLectura;
    my_bool no = 0;
    unsigned int sinFicherosLocales = 0;
    mysql_options(m, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    mysql_options(m, MYSQL_OPT_CONNECT_TIMEOUT, &conexion);
    mysql_options(m, MYSQL_OPT_READ_TIMEOUT, &lectura);
    mysql_options(m, MYSQL_OPT_WRITE_TIMEOUT, &lectura);
    mysql_options(m, MYSQL_OPT_RECONNECT, &no);
    mysql_options(m, MYSQL_OPT_LOCAL_INFILE, &sinFicherosLocales);
    mysql_options(m, MYSQL_INIT_COMMAND, modoSql);

    const QByteArray servidor = parametros_.servidor.toUtf8();
    const QByteArray socket = parametros_.socket.toUtf8();
    const QByteArray usuario = parametros_.usuario.toUtf8();
    const QByteArray contrasena = parametros_.contrasena.toUtf8();
    const QByteArray bd = parametros_.baseDatos.toUtf8();
    const bool porSocket = !socket.isEmpty()
            && (servidor.isEmpty() || servidor.compare("localhost", Qt::CaseInsensitive) == 0);
    const char *host
            = porSocket ? "localhost" : (servidor.isEmpty() ? nullptr : servidor.constData());

    if (!mysql_real_connect(m, host, usuario.constData(), contrasena.constData(),
                            bd.isEmpty() ? nullptr : bd.constData(), parametros_.puerto,
                            porSocket ? socket.constData() : nullptr, CLIENT_FOUND_ROWS)) {
        error_.numero = mysql_errno(m);
        error_.texto = decodificarMensajeServidor(mysql_error(m));
        error_.sentencia.clear();
        mysql_close(m);
        return false;
    }
    mysql_autocommit(m, 1);
    mysql_ = m;
    perdida_ = false;
    return true;
}

QString Conexion::versionServidor() const
{
    return mysql_ ? QString::fromUtf8(mysql_get_server_info(mysql_)) : QString();
}

bool Conexion::asegurarConexion(QStringView sql)
{
    if (mysql_ && !perdida_)
        return true;
    if (!configurada_) {
        error_ = {CR_SERVER_GONE_ERROR, QStringLiteral("No hay conexión con la base de datos."),
                  sql.toString()};
        return false;
    }
    if (!abrir()) {
        error_.sentencia = sql.toString();
        return false;
    }
    return true;
}

void Conexion::anotarErrorConexion(QStringView sql)
{
    error_.numero = mysql_errno(mysql_);
    error_.texto = decodificarMensajeServidor(mysql_error(mysql_));
    error_.sentencia = sql.toString();
    if (esErrorDeConexion(error_.numero))
        perdida_ = true;
}

bool Conexion::ejecutar(QStringView sql, const Parametros &parametros,
                        ResultadoEjecucion *resultado)
{
    return ejecutarInterno(sql, parametros, resultado, nullptr);
}

bool Conexion::consultar(QStringView sql, const Parametros &parametros, TablaResultado &salida)
{
    salida.limpiar();
    return ejecutarInterno(sql, parametros, nullptr, &salida);
}

bool Conexion::iniciarTransaccion()
{
    return ejecutar(u"START TRANSACTION");
}

bool Conexion::confirmarTransaccion()
{
    return ejecutar(u"COMMIT");
}

void Conexion::deshacerTransaccion()
{
    const ErrorBD anterior = error_;
    if (mysql_ && !perdida_)
        mysql_rollback(mysql_);
    error_ = anterior;
}

bool Conexion::ejecutarInterno(QStringView sql, const Parametros &parametros,
                               ResultadoEjecucion *resultado, TablaResultado *salida)
{
    error_.limpiar();
    if (!asegurarConexion(sql))
        return false;

    const AnalizadorSql::SentenciaConMarcadores marcada = AnalizadorSql::marcarParametros(sql);
    const QByteArray texto = marcada.texto.toUtf8();

    std::unique_ptr<MYSQL_STMT, CierraSentencia> st(mysql_stmt_init(mysql_));
    if (!st) {
        anotarErrorConexion(sql);
        return false;
    }
    auto fallo = [&]() {
        error_.numero = mysql_stmt_errno(st.get());
        error_.texto = decodificarMensajeServidor(mysql_stmt_error(st.get()));
        error_.sentencia = sql.toString();
        if (esErrorDeConexion(error_.numero))
            perdida_ = true;
        return false;
    };

    if (mysql_stmt_prepare(st.get(), texto.constData(), static_cast<unsigned long>(texto.size()))) {
        if (mysql_stmt_errno(st.get()) == ER_UNSUPPORTED_PS && marcada.nombres.isEmpty()) {
            st.reset();
            return consultarTexto(sql, resultado, salida);
        }
        return fallo();
    }

    const auto numParametros = static_cast<size_t>(marcada.nombres.size());
    if (mysql_stmt_param_count(st.get()) != numParametros) {
        error_ = {0, QStringLiteral("La sentencia no tiene los parámetros esperados."),
                  sql.toString()};
        return false;
    }
    ValoresEnlazados valores(numParametros);
    for (size_t i = 0; i < numParametros; ++i) {
        const QString &nombre = marcada.nombres[static_cast<qsizetype>(i)];
        const QVariant *v = parametros.buscar(nombre);
        if (!v) {
            error_ = {0, QStringLiteral("Falta el valor del parámetro :") + nombre, sql.toString()};
            return false;
        }
        valores.enlazar(i, *v);
    }
    if (numParametros > 0 && mysql_stmt_bind_param(st.get(), valores.binds.data()))
        return fallo();
    if (mysql_stmt_execute(st.get()))
        return fallo();

    std::unique_ptr<MYSQL_RES, LiberaResultado> meta(mysql_stmt_result_metadata(st.get()));
    if (!meta) {
        if (mysql_stmt_field_count(st.get()) > 0)
            return fallo();
        if (resultado) {
            resultado->filasAfectadas = mysql_stmt_affected_rows(st.get());
            resultado->nuevoCodigo = mysql_stmt_insert_id(st.get());
        }
        return true;
    }

    const unsigned int nc = mysql_num_fields(meta.get());
    const MYSQL_FIELD *campos = mysql_fetch_fields(meta.get());
    TablaResultado descarte;
    TablaResultado &destino = salida ? *salida : descarte;
    BuffersResultado buf(nc);
    std::vector<ColumnaResultado *> columnas(nc);
    for (unsigned int i = 0; i < nc; ++i) {
        const MYSQL_FIELD &f = campos[i];
        const TipoDato tipo = tipoDe(f);
        destino.anadirColumna(QString::fromUtf8(f.name, f.name_length), tipo);
        MYSQL_BIND &b = buf.binds[i];
        b.is_null = &buf.nulos[i];
        b.length = &buf.longitudes[i];
        b.error = &buf.errores[i];
        if (esDecimal(f)) {
            buf.textos[i].resize(80);
            b.buffer_type = MYSQL_TYPE_STRING;
            b.buffer = buf.textos[i].data();
            b.buffer_length = 80;
            continue;
        }
        switch (tipo) {
        case TipoDato::Entero:
            b.buffer_type = MYSQL_TYPE_LONGLONG;
            b.buffer = &buf.enteros[i];
            b.is_unsigned = (f.flags & UNSIGNED_FLAG) ? 1 : 0;
            break;
        case TipoDato::Real:
            b.buffer_type = MYSQL_TYPE_DOUBLE;
            b.buffer = &buf.reales[i];
            break;
        case TipoDato::Fecha:
        case TipoDato::Hora:
        case TipoDato::FechaHora:
            b.buffer_type = tipo == TipoDato::Fecha ? MYSQL_TYPE_DATE
                    : tipo == TipoDato::Hora        ? MYSQL_TYPE_TIME
                                                    : MYSQL_TYPE_DATETIME;
            b.buffer = &buf.tiempos[i];
            break;
        case TipoDato::Texto:
        case TipoDato::Binario:
            buf.textos[i].resize(bufferTextoInicial);
            b.buffer_type = tipo == TipoDato::Texto ? MYSQL_TYPE_STRING : MYSQL_TYPE_BLOB;
            b.buffer = buf.textos[i].data();
            b.buffer_length = bufferTextoInicial;
            break;
        }
    }
    for (unsigned int i = 0; i < nc; ++i)
        columnas[i] = &destino.columna(static_cast<int>(i));
    if (mysql_stmt_bind_result(st.get(), buf.binds.data()))
        return fallo();

    std::string grande;
    for (;;) {
        const int rc = mysql_stmt_fetch(st.get());
        if (rc == MYSQL_NO_DATA)
            break;
        if (rc == 1)
            return fallo();
        if (!salida)
            continue;
        for (unsigned int i = 0; i < nc; ++i) {
            ColumnaResultado &c = *columnas[i];
            if (buf.nulos[i]) {
                c.anadirNulo();
                continue;
            }
            const MYSQL_BIND &b = buf.binds[i];
            if (b.buffer_type == MYSQL_TYPE_STRING || b.buffer_type == MYSQL_TYPE_BLOB) {
                const unsigned long n = buf.longitudes[i];
                const char *p = buf.textos[i].data();
                if (n > b.buffer_length) {
                    grande.resize(n);
                    MYSQL_BIND completo;
                    std::memset(&completo, 0, sizeof completo);
                    unsigned long leida = 0;
                    completo.buffer_type = b.buffer_type;
                    completo.buffer = grande.data();
                    completo.buffer_length = n;
                    completo.length = &leida;
                    if (mysql_stmt_fetch_column(st.get(), &completo, i, 0))
                        return fallo();
                    p = grande.data();
                }
                if (esDecimal(campos[i]))
                    anadirDesdeTexto(c, p, n);
                else if (c.tipo() == TipoDato::Texto)
                    c.anadirTexto(p, n);
                else
                    c.anadirBinario(QByteArray(p, static_cast<qsizetype>(n)));
                continue;
            }
            switch (c.tipo()) {
            case TipoDato::Entero:
                c.anadirEntero(buf.enteros[i]);
                break;
            case TipoDato::Real:
                c.anadirReal(buf.reales[i]);
                break;
            default:
                anadirTiempo(c, buf.tiempos[i]);
                break;
            }
        }
    }
    if (resultado) {
        resultado->filasAfectadas = mysql_stmt_affected_rows(st.get());
        resultado->nuevoCodigo = mysql_stmt_insert_id(st.get());
    }
    return true;
}

bool Conexion::consultarTexto(QStringView sql, ResultadoEjecucion *resultado,
                              TablaResultado *salida)
{
    const QByteArray texto = sql.toUtf8();
    if (mysql_real_query(mysql_, texto.constData(), static_cast<unsigned long>(texto.size()))) {
        anotarErrorConexion(sql);
        return false;
    }
    std::unique_ptr<MYSQL_RES, LiberaResultado> res(mysql_store_result(mysql_));
    if (!res) {
        if (mysql_field_count(mysql_) > 0) {
            anotarErrorConexion(sql);
            return false;
        }
        if (resultado) {
            resultado->filasAfectadas = mysql_affected_rows(mysql_);
            resultado->nuevoCodigo = mysql_insert_id(mysql_);
        }
        return true;
    }
    if (!salida)
        return true;
    const unsigned int nc = mysql_num_fields(res.get());
    const MYSQL_FIELD *campos = mysql_fetch_fields(res.get());
    std::vector<ColumnaResultado *> columnas(nc);
    for (unsigned int i = 0; i < nc; ++i)
        salida->anadirColumna(QString::fromUtf8(campos[i].name, campos[i].name_length),
                              tipoDe(campos[i]));
    for (unsigned int i = 0; i < nc; ++i) {
        columnas[i] = &salida->columna(static_cast<int>(i));
        columnas[i]->reservar(static_cast<qsizetype>(mysql_num_rows(res.get())));
    }
    while (MYSQL_ROW fila = mysql_fetch_row(res.get())) {
        const unsigned long *longitudes = mysql_fetch_lengths(res.get());
        for (unsigned int i = 0; i < nc; ++i) {
            if (!fila[i])
                columnas[i]->anadirNulo();
            else
                anadirDesdeTexto(*columnas[i], fila[i], longitudes[i]);
        }
    }
    return true;
}
