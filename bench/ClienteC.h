#pragma once

#include "Conexion.h"
#include "TablaNativa.h"

#include <QByteArray>
#include <QString>

struct st_mysql;

// A connection through the bare client library that reads a result as a hand-written program
// would: the baseline the program's database layer is measured against. Every field is
// converted to a native value (integers, doubles, dates; texts copied).
class ClienteC
{
public:
    ClienteC() = default;
    ~ClienteC();
    ClienteC(const ClienteC &) = delete;
    ClienteC &operator=(const ClienteC &) = delete;

    // Connects with the same rule as Conexion: through the socket when one is given and the
    // host is empty or "localhost", otherwise over TCP. False with error() set on failure.
    [[nodiscard]] bool conectar(const ParametrosConexion &parametros);

    // Text protocol (mysql_real_query): rows read one by one as they arrive
    // (mysql_use_result) or, with `almacenar`, all received first (mysql_store_result).
    // `salida` is replaced. False with error() set on failure.
    [[nodiscard]] bool leerTexto(const QByteArray &sql, bool almacenar, TablaNativa &salida);
    // Prepared statement and binary protocol, rows fetched one by one.
    [[nodiscard]] bool leerBinario(const QByteArray &sql, TablaNativa &salida);

    const QString &error() const { return error_; }

private:
    bool anotarError();

    st_mysql *mysql_ = nullptr;
    QString error_;
};
