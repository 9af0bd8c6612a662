#include "BaseDatosPrueba.h"
#include "EjecutorScript.h"

#include <QTest>

// The database layer against a real server: binding, typed results, errors, reconnection.
class TstConexion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void valoresTipados_data();
    void valoresTipados();
    void parametroRepetidoYLiterales();
    void parametroQueFalta();
    void nuevoCodigoYFilasEncontradas();
    void textosLargosYBinarios();
    void errorDuplicadoConAcentos();
    void inyeccionNoPosible();
    void scriptInformaDeLaSentenciaFallida();
    void conexionPerdidaSeRecupera();
    void sentenciaNoPreparable();

private:
    BaseDatosPrueba bd_;
};

void TstConexion::initTestCase()
{
    QUENVALIA_CREAR_BD(bd_, BaseDatosPrueba::Contenido::Vacia);
    VERIFICAR_BD(bd_.conexion().ejecutar(
                         u"CREATE TABLE t (codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY, "
                         "e bigint, r double, v varchar(20), x text, f date, h time, fh datetime, "
                         "b longblob, d decimal(10,2), UNIQUE KEY (v)) "
                         "CHARACTER SET utf8mb4 COLLATE utf8mb4_spanish_ci"),
                 bd_.conexion());
}

void TstConexion::init()
{
    if (!bd_.conexion().conectada())
        QSKIP("sin base de datos");
    VERIFICAR_BD(bd_.conexion().ejecutar(u"TRUNCATE TABLE t"), bd_.conexion());
}

void TstConexion::valoresTipados_data()
{
    QTest::addColumn<QString>("columna");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<TipoDato>("tipo");

    QTest::newRow("entero") << u"e"_qs << QVariant::fromValue<qint64>(9007199254740993LL)
                            << TipoDato::Entero;
    QTest::newRow("entero cero") << u"e"_qs << QVariant::fromValue<qint64>(0) << TipoDato::Entero;
    QTest::newRow("entero nulo") << u"e"_qs << QVariant() << TipoDato::Entero;
    QTest::newRow("real") << u"r"_qs << QVariant(-1234.5678) << TipoDato::Real;
    QTest::newRow("texto acentos") << u"v"_qs << QVariant(u"Peña €ñÑáé"_qs) << TipoDato::Texto;
    QTest::newRow("texto vacio") << u"v"_qs << QVariant(QString(u""_qs)) << TipoDato::Texto;
    QTest::newRow("texto nulo") << u"v"_qs << QVariant() << TipoDato::Texto;
    QTest::newRow("fecha") << u"f"_qs << QVariant(QDate(2026, 12, 11)) << TipoDato::Fecha;
    QTest::newRow("hora") << u"h"_qs << QVariant(QTime(23, 59, 58)) << TipoDato::Hora;
    QTest::newRow("fecha y hora") << u"fh"_qs
                                  << QVariant(QDateTime(QDate(1999, 1, 2), QTime(3, 4, 5)))
                                  << TipoDato::FechaHora;
    QTest::newRow("decimal") << u"d"_qs << QVariant(12.5) << TipoDato::Real;
}

void TstConexion::valoresTipados()
{
    QFETCH(QString, columna);
    QFETCH(QVariant, valor);
    QFETCH(TipoDato, tipo);
    Conexion &c = bd_.conexion();
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (" + columna + u") VALUES (:pValor)",
                            {{u"pValor"_qs, valor}}),
                 c);
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT " + columna + u" FROM t", r), c);
    QCOMPARE(r.filas(), 1);
    const ColumnaResultado &col = r.columna(0);
    QCOMPARE(col.tipo(), tipo);
    QCOMPARE(col.esNulo(0), valor.isNull());
    if (!valor.isNull()) {
        QCOMPARE(col.valor(0), valor);
        QCOMPARE(r.valor(0, columna.toUpper()), valor); // names ignore case
    }
}

void TstConexion::parametroRepetidoYLiterales()
{
    Conexion &c = bd_.conexion();
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (e, v) VALUES (:p, ':p')", {{u"p"_qs, 7}}), c);
    TablaResultado r;
    VERIFICAR_BD(
            c.consultar(u"SELECT e, v, :p + :p AS doble FROM t WHERE e = :p", {{u"P"_qs, 7}}, r),
            c);
    QCOMPARE(r.filas(), 1);
    QCOMPARE(r.texto(0, u"v"), u":p"_qs);
    QCOMPARE(r.entero(0, u"doble"), 14);
}

void TstConexion::parametroQueFalta()
{
    Conexion &c = bd_.conexion();
    QVERIFY(!c.ejecutar(u"INSERT INTO t (e) VALUES (:pFalta)"));
    QVERIFY(c.ultimoError().texto.contains(u":pFalta"));
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT COUNT(*) FROM t", r), c);
    QCOMPARE(r.columna(0).entero(0), 0);
}

void TstConexion::nuevoCodigoYFilasEncontradas()
{
    Conexion &c = bd_.conexion();
    ResultadoEjecucion a, b;
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (e) VALUES (1)", {}, &a), c);
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (e) VALUES (1)", {}, &b), c);
    QVERIFY(a.nuevoCodigo > 0);
    QCOMPARE(b.nuevoCodigo, a.nuevoCodigo + 1);
    // Setting the value it already has still counts the row as matched.
    ResultadoEjecucion u;
    VERIFICAR_BD(c.ejecutar(u"UPDATE t SET e = 1 WHERE codigo = :pCodigo",
                            {{u"pCodigo"_qs, QVariant::fromValue(a.nuevoCodigo)}}, &u),
                 c);
    QCOMPARE(u.filasAfectadas, 1u);
    VERIFICAR_BD(c.ejecutar(u"UPDATE t SET e = 1 WHERE codigo = -5", {}, &u), c);
    QCOMPARE(u.filasAfectadas, 0u);
}

void TstConexion::textosLargosYBinarios()
{
    Conexion &c = bd_.conexion();
    QString largo;
    for (int i = 0; i < 5000; ++i)
        largo += QChar(u'a' + i % 26) + u"ñ"_qs;
    QByteArray binario(2 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < binario.size(); ++i)
        binario[i] = static_cast<char>(i * 7 % 256);
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (x, b) VALUES (:x, :b)",
                            {{u"x"_qs, largo}, {u"b"_qs, binario}}),
                 c);
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (x) VALUES ('corto')"), c);
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT x, b FROM t ORDER BY codigo", r), c);
    QCOMPARE(r.filas(), 2);
    QCOMPARE(r.columna(0).texto(0), largo);
    QCOMPARE(r.columna(0).texto(1), u"corto"_qs);
    QCOMPARE(r.columna(1).tipo(), TipoDato::Binario);
    QCOMPARE(r.columna(1).binario(0), binario);
    QVERIFY(r.columna(1).esNulo(1));
}

void TstConexion::errorDuplicadoConAcentos()
{
    Conexion &c = bd_.conexion();
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (v) VALUES ('Peña')"), c);
    QVERIFY(!c.ejecutar(u"INSERT INTO t (v) VALUES ('PEÑA')"));
    QCOMPARE(c.ultimoError().numero, 1062u);
    QVERIFY2(c.ultimoError().texto.contains(u"PEÑA"), qPrintable(c.ultimoError().texto));
    QCOMPARE(c.ultimoError().sentencia, u"INSERT INTO t (v) VALUES ('PEÑA')"_qs);
    // Strict mode: a value longer than the column is refused, not cut.
    QVERIFY(!c.ejecutar(u"INSERT INTO t (v) VALUES (:v)", {{u"v"_qs, QString(21, u'x')}}));
    QCOMPARE(c.ultimoError().numero, 1406u);
}

void TstConexion::inyeccionNoPosible()
{
    Conexion &c = bd_.conexion();
    const QString malicioso = u"x'); DROP TABLE t; -- "_qs;
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO t (x) VALUES (:x)", {{u"x"_qs, malicioso}}), c);
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT x FROM t WHERE x = :x", {{u"x"_qs, malicioso}}, r), c);
    QCOMPARE(r.filas(), 1);
    QCOMPARE(r.columna(0).texto(0), malicioso);
}

void TstConexion::scriptInformaDeLaSentenciaFallida()
{
    Conexion &c = bd_.conexion();
    EjecutorScript script(c);
    QVERIFY(!script.ejecutar(u"INSERT INTO t (v) VALUES ('a;b');\n"
                             "-- comentario; con punto y coma\n"
                             "INSERT INTO t (v) VALUES ('c');\n"
                             "INSERT INTO no_existe VALUES (1);\n"
                             "INSERT INTO t (v) VALUES ('d');"));
    QCOMPARE(script.sentenciaFallida(), 3);
    QCOMPARE(script.error().numero, 1146u);
    QCOMPARE(script.error().sentencia, u"INSERT INTO no_existe VALUES (1)"_qs);
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT v FROM t ORDER BY codigo", r), c);
    QCOMPARE(r.filas(), 2);
    QCOMPARE(r.columna(0).texto(0), u"a;b"_qs);
}

void TstConexion::conexionPerdidaSeRecupera()
{
    Conexion &c = bd_.conexion();
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT CONNECTION_ID()", r), c);
    const qint64 id = r.columna(0).entero(0);
    Conexion otra;
    VERIFICAR_BD(otra.conectar(bd_.parametros()), otra);
    VERIFICAR_BD(otra.ejecutar(u"KILL CONNECTION " + QString::number(id)), otra);

    // The first statement on the dead connection reports the server's error...
    QVERIFY(!c.consultar(u"SELECT 1", r));
    QVERIFY(c.ultimoError().numero >= 2000);
    QVERIFY(!c.ultimoError().texto.isEmpty());
    // ...and the next one works on a new connection.
    VERIFICAR_BD(c.consultar(u"SELECT CONNECTION_ID()", r), c);
    QVERIFY(r.columna(0).entero(0) != id);
}

void TstConexion::sentenciaNoPreparable()
{
    Conexion &c = bd_.conexion();
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SHOW TABLES", r), c);
    QCOMPARE(r.filas(), 1);
    QCOMPARE(r.columna(0).texto(0), u"t"_qs);
    VERIFICAR_BD(c.consultar(u"OPTIMIZE TABLE t", r), c);
    QVERIFY(r.filas() >= 1);
}

QTEST_GUILESS_MAIN(TstConexion)
#include "tst_conexion.moc"
