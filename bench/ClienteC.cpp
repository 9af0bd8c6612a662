#include "ClienteC.h"

#include <mysql.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>

namespace {

constexpr unsigned long bufferTextoMaximo = 1024;

struct LiberaResultado
{
    void operator()(MYSQL_RES *r) const { mysql_free_result(r); }
};

struct CierraSentencia
{
    void operator()(MYSQL_STMT *s) const { mysql_stmt_close(s); }
};

TablaNativa::Clase claseDe(const MYSQL_FIELD &f)
{
    switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
        return TablaNativa::Clase::Entero;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return TablaNativa::Clase::Real;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return TablaNativa::Clase::Fecha;
    default:
        return TablaNativa::Clase::Texto;
    }
}

// Value of the `n` decimal digits at `p` (the caller has checked that they are there).
unsigned digitos(const char *p, size_t n)
{
    unsigned v = 0;
    for (size_t i = 0; i < n; ++i)
        v = v * 10 + static_cast<unsigned>(p[i] - '0');
    return v;
}

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DD HH:MM:SS.ffffff", as the server writes them.
FechaNativa leerFecha(const char *p, size_t n)
{
    FechaNativa f;
    if (n < 10)
        return f;
    f.anio = static_cast<int16_t>(digitos(p, 4));
    f.mes = static_cast<uint8_t>(digitos(p + 5, 2));
    f.dia = static_cast<uint8_t>(digitos(p + 8, 2));
    if (n >= 19) {
        f.hora = static_cast<uint8_t>(digitos(p + 11, 2));
        f.minuto = static_cast<uint8_t>(digitos(p + 14, 2));
        f.segundo = static_cast<uint8_t>(digitos(p + 17, 2));
        if (n > 20) {
            const size_t cifras = std::min<size_t>(n - 20, 6);
            unsigned us = digitos(p + 20, cifras);
            for (size_t i = cifras; i < 6; ++i)
                us *= 10;
            f.microsegundos = us;
        }
    }
    return f;
}

void anadirTexto(TablaNativa::Columna &c, const char *p, size_t n)
{
    c.nulos.push_back(0);
    c.textos.append(p, n);
    c.finTexto.push_back(static_cast<uint32_t>(c.textos.size()));
}

} // namespace

ClienteC::~ClienteC()
{
    if (mysql_)
        mysql_close(mysql_);
}

bool ClienteC::anotarError()
{
    error_ = QString::number(mysql_errno(mysql_)) + u": "
            + decodificarMensajeServidor(mysql_error(mysql_));
    return false;
}

bool ClienteC::conectar(const ParametrosConexion &parametros)
{
    if (mysql_)
        mysql_close(mysql_);
    mysql_ = mysql_init(nullptr);
    if (!mysql_) {
        error_ = QStringLiteral("No hay memoria para la conexión.");
        return false;
    }
    mysql_options(mysql_, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    const QByteArray servidor = parametros.servidor.toUtf8();
    const QByteArray socket = parametros.socket.toUtf8();
    const QByteArray usuario = parametros.usuario.toUtf8();
    const QByteArray contrasena = parametros.contrasena.toUtf8();
    const QByteArray bd = parametros.baseDatos.toUtf8();
    const bool porSocket = !socket.isEmpty()
            && (servidor.isEmpty() || servidor.compare("localhost", Qt::CaseInsensitive) == 0);
    const char *host
            = porSocket ? "localhost" : (servidor.isEmpty() ? nullptr : servidor.constData());
    if (!mysql_real_connect(mysql_, host, usuario.constData(), contrasena.constData(),
                            bd.isEmpty() ? nullptr : bd.constData(), parametros.puerto,
                            porSocket ? socket.constData() : nullptr, 0)) {
        anotarError();
        mysql_close(mysql_);
        mysql_ = nullptr;
        return false;
    }
    return true;
}

bool ClienteC::leerTexto(const QByteArray &sql, bool almacenar, TablaNativa &salida)
{
    salida.columnas.clear();
    if (mysql_real_query(mysql_, sql.constData(), static_cast<unsigned long>(sql.size())))
        return anotarError();
    std::unique_ptr<MYSQL_RES, LiberaResultado> res(almacenar ? mysql_store_result(mysql_)
                                                              : mysql_use_result(mysql_));
    if (!res)
        return anotarError();
    const unsigned int nc = mysql_num_fields(res.get());
    const MYSQL_FIELD *campos = mysql_fetch_fields(res.get());
    salida.columnas.resize(nc);
    for (unsigned int i = 0; i < nc; ++i) {
        salida.columnas[i].clase = claseDe(campos[i]);
        if (almacenar)
            salida.columnas[i].reservar(mysql_num_rows(res.get()));
    }
    while (MYSQL_ROW fila = mysql_fetch_row(res.get())) {
        const unsigned long *longitudes = mysql_fetch_lengths(res.get());
        for (unsigned int i = 0; i < nc; ++i) {
            TablaNativa::Columna &c = salida.columnas[i];
            const char *p = fila[i];
            if (!p) {
                c.anadirNulo();
                continue;
            }
            const size_t n = longitudes[i];
            switch (c.clase) {
            case TablaNativa::Clase::Entero: {
                int64_t v = 0;
                std::from_chars(p, p + n, v);
                c.nulos.push_back(0);
                c.enteros.push_back(v);
                break;
            }
            case TablaNativa::Clase::Real: {
                double v = 0;
                std::from_chars(p, p + n, v);
                c.nulos.push_back(0);
                c.reales.push_back(v);
                break;
            }
            case TablaNativa::Clase::Fecha:
                c.nulos.push_back(0);
                c.fechas.push_back(leerFecha(p, n));
                break;
            case TablaNativa::Clase::Texto:
                anadirTexto(c, p, n);
                break;
            }
        }
    }
    if (mysql_errno(mysql_))
        return anotarError();
    return true;
}

bool ClienteC::leerBinario(const QByteArray &sql, TablaNativa &salida)
{
    salida.columnas.clear();
    std::unique_ptr<MYSQL_STMT, CierraSentencia> st(mysql_stmt_init(mysql_));
    if (!st)
        return anotarError();
    auto fallo = [&]() {
        error_ = QString::number(mysql_stmt_errno(st.get())) + u": "
                + decodificarMensajeServidor(mysql_stmt_error(st.get()));
        return false;
    };
    if (mysql_stmt_prepare(st.get(), sql.constData(), static_cast<unsigned long>(sql.size()))
        || mysql_stmt_execute(st.get()))
        return fallo();
    std::unique_ptr<MYSQL_RES, LiberaResultado> meta(mysql_stmt_result_metadata(st.get()));
    if (!meta)
        return fallo();
    const unsigned int nc = mysql_num_fields(meta.get());
    const MYSQL_FIELD *campos = mysql_fetch_fields(meta.get());

    std::vector<MYSQL_BIND> binds(nc);
    std::memset(binds.data(), 0, sizeof(MYSQL_BIND) * nc);
    std::vector<int64_t> enteros(nc);
    std::vector<double> reales(nc);
    std::vector<MYSQL_TIME> tiempos(nc);
    std::vector<std::string> textos(nc);
    std::vector<unsigned long> longitudes(nc);
    std::vector<my_bool> nulos(nc);
    salida.columnas.resize(nc);
    for (unsigned int i = 0; i < nc; ++i) {
        const MYSQL_FIELD &f = campos[i];
        TablaNativa::Columna &c = salida.columnas[i];
        c.clase = claseDe(f);
        MYSQL_BIND &b = binds[i];
        b.is_null = &nulos[i];
        b.length = &longitudes[i];
        switch (c.clase) {
        case TablaNativa::Clase::Entero:
            b.buffer_type = MYSQL_TYPE_LONGLONG;
            b.buffer = &enteros[i];
            b.is_unsigned = (f.flags & UNSIGNED_FLAG) ? 1 : 0;
            break;
        case TablaNativa::Clase::Real:
            b.buffer_type = MYSQL_TYPE_DOUBLE;
            b.buffer = &reales[i];
            break;
        case TablaNativa::Clase::Fecha:
            b.buffer_type = MYSQL_TYPE_DATETIME;
            b.buffer = &tiempos[i];
            break;
        case TablaNativa::Clase::Texto:
            textos[i].resize(std::clamp<unsigned long>(f.length, 1, bufferTextoMaximo));
            b.buffer_type = MYSQL_TYPE_STRING;
            b.buffer = textos[i].data();
            b.buffer_length = static_cast<unsigned long>(textos[i].size());
            break;
        }
    }
    if (mysql_stmt_bind_result(st.get(), binds.data()))
        return fallo();

    std::string grande;
    for (;;) {
        const int rc = mysql_stmt_fetch(st.get());
        if (rc == MYSQL_NO_DATA)
            break;
        if (rc == 1)
            return fallo();
        for (unsigned int i = 0; i < nc; ++i) {
            TablaNativa::Columna &c = salida.columnas[i];
            if (nulos[i]) {
                c.anadirNulo();
                continue;
            }
            switch (c.clase) {
            case TablaNativa::Clase::Entero:
                c.nulos.push_back(0);
                c.enteros.push_back(enteros[i]);
                break;
            case TablaNativa::Clase::Real:
                c.nulos.push_back(0);
                c.reales.push_back(reales[i]);
                break;
            case TablaNativa::Clase::Fecha: {
                const MYSQL_TIME &t = tiempos[i];
                FechaNativa f;
                f.anio = static_cast<int16_t>(t.year);
                f.mes = static_cast<uint8_t>(t.month);
                f.dia = static_cast<uint8_t>(t.day);
                f.hora = static_cast<uint8_t>(t.hour);
                f.minuto = static_cast<uint8_t>(t.minute);
                f.segundo = static_cast<uint8_t>(t.second);
                f.microsegundos = static_cast<uint32_t>(t.second_part);
                c.nulos.push_back(0);
                c.fechas.push_back(f);
                break;
            }
            case TablaNativa::Clase::Texto: {
                const unsigned long n = longitudes[i];
                if (n <= binds[i].buffer_length) {
                    anadirTexto(c, textos[i].data(), n);
                    break;
                }
                grande.resize(n);
                MYSQL_BIND completo;
                std::memset(&completo, 0, sizeof completo);
                unsigned long leida = 0;
                completo.buffer_type = MYSQL_TYPE_STRING;
                completo.buffer = grande.data();
                completo.buffer_length = n;
                completo.length = &leida;
                if (mysql_stmt_fetch_column(st.get(), &completo, i, 0))
                    return fallo();
                anadirTexto(c, grande.data(), n);
                break;
            }
            }
        }
    }
    return true;
}
