#include "AnalizadorSql.h"

#include <QTest>

// Placeholders and script splitting must ignore what stands inside quotes and comments.
class TstAnalizadorSql : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marcarParametros_data();
    void marcarParametros();
    void dividirScript_data();
    void dividirScript();
    void citarIdentificador();
};

void TstAnalizadorSql::marcarParametros_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<QStringList>("nombres");

    QTest::newRow("simple") << u"SELECT * FROM t WHERE codigo = :pCodigo"_qs
                            << u"SELECT * FROM t WHERE codigo = ?"_qs
                            << QStringList {u"pCodigo"_qs};
    QTest::newRow("repetido") << u"UPDATE t SET a = :p1 WHERE b = :p2 OR c = :p1"_qs
                              << u"UPDATE t SET a = ? WHERE b = ? OR c = ?"_qs
                              << QStringList {u"p1"_qs, u"p2"_qs, u"p1"_qs};
    QTest::newRow("literal con dos puntos")
            << u"SELECT '12:30', :pHora"_qs << u"SELECT '12:30', ?"_qs << QStringList {u"pHora"_qs};
    QTest::newRow("comilla doblada") << u"SELECT 'it''s :no', :si"_qs << u"SELECT 'it''s :no', ?"_qs
                                     << QStringList {u"si"_qs};
    QTest::newRow("escape") << u"SELECT 'a\\' :no', :si"_qs << u"SELECT 'a\\' :no', ?"_qs
                            << QStringList {u"si"_qs};
    QTest::newRow("comillas dobles e identificador")
            << u"SELECT \":no\", `a:b` FROM t WHERE x=:x"_qs
            << u"SELECT \":no\", `a:b` FROM t WHERE x=?"_qs << QStringList {u"x"_qs};
    QTest::newRow("comentarios") << u"SELECT 1 -- :no\n, :a /* :no */ # :no\n"_qs
                                 << u"SELECT 1 -- :no\n, ? /* :no */ # :no\n"_qs
                                 << QStringList {u"a"_qs};
    QTest::newRow("asignacion") << u"SELECT @a := 1"_qs << u"SELECT @a := 1"_qs << QStringList {};
    QTest::newRow("pegado") << u"VALUES(:pA,:pB)"_qs << u"VALUES(?,?)"_qs
                            << QStringList {u"pA"_qs, u"pB"_qs};
}

void TstAnalizadorSql::marcarParametros()
{
    QFETCH(QString, sql);
    QFETCH(QString, esperado);
    QFETCH(QStringList, nombres);
    const auto r = AnalizadorSql::marcarParametros(sql);
    QCOMPARE(r.texto, esperado);
    QCOMPARE(r.nombres, nombres);
}

void TstAnalizadorSql::dividirScript_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("sentencias");

    QTest::newRow("dos") << u"CREATE TABLE a (x int);\nCREATE TABLE b (y int);\n"_qs
                         << QStringList {u"CREATE TABLE a (x int)"_qs,
                                         u"CREATE TABLE b (y int)"_qs};
    QTest::newRow("punto y coma en literal")
            << u"INSERT INTO a VALUES ('x;y'); SELECT 1"_qs
            << QStringList {u"INSERT INTO a VALUES ('x;y')"_qs, u"SELECT 1"_qs};
    QTest::newRow("punto y coma en comentario")
            << u"-- uno; dos\nSELECT 1; /* a;b */ SELECT 2;"_qs
            << QStringList {u"-- uno; dos\nSELECT 1"_qs, u"/* a;b */ SELECT 2"_qs};
    QTest::newRow("solo comentarios y blancos") << u" ;\n-- nada;\n ; "_qs << QStringList {};
    QTest::newRow("sin punto y coma final") << u"SELECT 1"_qs << QStringList {u"SELECT 1"_qs};
}

void TstAnalizadorSql::dividirScript()
{
    QFETCH(QString, script);
    QFETCH(QStringList, sentencias);
    QCOMPARE(AnalizadorSql::dividirScript(script), sentencias);
}

void TstAnalizadorSql::citarIdentificador()
{
    QCOMPARE(AnalizadorSql::citarIdentificador(u"ip"), u"`ip`"_qs);
    QCOMPARE(AnalizadorSql::citarIdentificador(u"a`b; DROP"), u"`a``b; DROP`"_qs);
}

QTEST_GUILESS_MAIN(TstAnalizadorSql)
#include "tst_analizadorsql.moc"
