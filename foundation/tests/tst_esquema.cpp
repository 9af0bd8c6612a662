#include "BaseDatosPrueba.h"
#include "DescriptorTabla.h"
#include "EjecutorScript.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The creation script on a real server: the tables it builds agree with the descriptors, and
// duplicates are refused exactly where a unique key stands.
class TstEsquema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void tablasComoDescriptores();
    void duplicadosSoloDondeHayClave();
    void nickDeVeintiunCaracteres();
    void documentoDeDosMegas();
    void datosInicialesDosVeces();

private:
    BaseDatosPrueba bd_;
};

namespace {

QString tipoServidor(esquema::Tipo t)
{
    switch (t) {
    case esquema::Tipo::Entero64:
        return u"bigint"_s;
    case esquema::Tipo::Entero32:
        return u"int"_s;
    case esquema::Tipo::Real:
        return u"double"_s;
    case esquema::Tipo::Texto:
        return u"varchar"_s;
    case esquema::Tipo::TextoLargo:
        return u"text|mediumtext|longtext"_s;
    case esquema::Tipo::Fecha:
        return u"date"_s;
    case esquema::Tipo::Hora:
        return u"time"_s;
    case esquema::Tipo::FechaHora:
        return u"datetime"_s;
    case esquema::Tipo::Binario:
        return u"blob|mediumblob|longblob"_s;
    }
    return {};
}

// A value for the column; `variante` gives the same texts in other case.
QVariant valorDePrueba(const esquema::Columna &c, bool variante)
{
    switch (c.tipo) {
    case esquema::Tipo::Entero64:
    case esquema::Tipo::Entero32:
        return 1;
    case esquema::Tipo::Real:
        return 1.5;
    case esquema::Tipo::Texto:
    case esquema::Tipo::TextoLargo: {
        const QString s = variante ? u"S"_s : u"s"_s;
        return c.tamano > 0 ? s.left(c.tamano) : s;
    }
    case esquema::Tipo::Fecha:
        return QDate(2026, 1, 2);
    case esquema::Tipo::Hora:
        return QTime(10, 0);
    case esquema::Tipo::FechaHora:
        return QDateTime(QDate(2026, 1, 2), QTime(10, 0));
    case esquema::Tipo::Binario:
        return QByteArray("x");
    }
    return {};
}

} // namespace

void TstEsquema::initTestCase()
{
    QUENVALIA_CREAR_BD(bd_, BaseDatosPrueba::Contenido::Tablas);
}

void TstEsquema::tablasComoDescriptores()
{
    Conexion &c = bd_.conexion();
    for (const esquema::Tabla &t : esquema::tablas()) {
        TablaResultado r;
        VERIFICAR_BD(c.consultar(u"SELECT column_name, data_type, character_maximum_length "
                                 "FROM information_schema.columns WHERE table_schema = DATABASE() "
                                 "AND table_name = :t ORDER BY ordinal_position",
                                 {{u"t"_s, QString::fromUtf8(t.nombre)}}, r),
                     c);
        QCOMPARE(r.filas(), static_cast<qsizetype>(t.columnas.size()));
        for (qsizetype i = 0; i < r.filas(); ++i) {
            const esquema::Columna &col = t.columnas[static_cast<size_t>(i)];
            const QString donde
                    = QString::fromUtf8(t.nombre) + u'.' + QString::fromUtf8(col.nombre);
            QCOMPARE(r.columna(0).texto(i), QString::fromUtf8(col.nombre));
            QVERIFY2(tipoServidor(col.tipo).split(u'|').contains(r.columna(1).texto(i)),
                     qPrintable(donde + u": " + r.columna(1).texto(i)));
            if (col.tipo == esquema::Tipo::Texto)
                QCOMPARE(r.columna(2).entero(i), col.tamano);
        }
    }
}

void TstEsquema::duplicadosSoloDondeHayClave()
{
    Conexion &c = bd_.conexion();
    for (const esquema::Tabla &t : esquema::tablas()) {
        const QString tabla = QString::fromUtf8(t.nombre);
        if (tabla == u"parametro")
            continue; // keyed by its name, not by a code
        QString columnas, marcadores;
        Parametros primera, segunda;
        for (const esquema::Columna &col : t.columnas) {
            const QString nombre = QString::fromUtf8(col.nombre);
            if (nombre == u"codigo")
                continue;
            columnas += (columnas.isEmpty() ? u""_s : u", "_s) + u'`' + nombre + u'`';
            marcadores += (marcadores.isEmpty() ? u":p"_s : u", :p"_s) + nombre;
            primera.poner(u'p' + nombre, valorDePrueba(col, false));
            segunda.poner(u'p' + nombre, valorDePrueba(col, true));
        }
        const QString sql
                = u"INSERT INTO " + tabla + u" (" + columnas + u") VALUES (" + marcadores + u")";
        VERIFICAR_BD(c.ejecutar(sql, primera), c);
        const bool segundaGuardada = c.ejecutar(sql, segunda);
        const bool conClave = QByteArrayView(t.mensajeDuplicado) != "";
        if (conClave) {
            QVERIFY2(!segundaGuardada, qPrintable(tabla));
            QCOMPARE(c.ultimoError().numero, 1062u);
        } else {
            QVERIFY2(segundaGuardada, qPrintable(tabla + u": " + c.ultimoError().texto));
        }
    }
}

void TstEsquema::nickDeVeintiunCaracteres()
{
    Conexion &c = bd_.conexion();
    const QString sql = u"INSERT INTO usuario (nick) VALUES (:n)"_s;
    QVERIFY(!c.ejecutar(sql, {{u"n"_s, QString(21, u'ñ')}}));
    QCOMPARE(c.ultimoError().numero, 1406u);
    VERIFICAR_BD(c.ejecutar(sql, {{u"n"_s, QString(20, u'ñ')}}), c);
}

void TstEsquema::documentoDeDosMegas()
{
    Conexion &c = bd_.conexion();
    QByteArray bytes(2 * 1024 * 1024, 'a');
    bytes[12345] = '\0';
    ResultadoEjecucion e;
    VERIFICAR_BD(c.ejecutar(u"INSERT INTO documento (nombre, documento) VALUES ('grande.pdf', :d)",
                            {{u"d"_s, bytes}}, &e),
                 c);
    TablaResultado r;
    VERIFICAR_BD(c.consultar(u"SELECT documento FROM documento WHERE codigo = :c",
                             {{u"c"_s, QVariant::fromValue(e.nuevoCodigo)}}, r),
                 c);
    QCOMPARE(r.columna(0).binario(0), bytes);
}

void TstEsquema::datosInicialesDosVeces()
{
    EjecutorScript script(bd_.conexion());
    const QString fichero = BaseDatosPrueba::carpetaEsquema() + u"/datos_iniciales.sql";
    QVERIFY2(script.ejecutarFichero(fichero), qPrintable(script.error().texto));
    QVERIFY2(script.ejecutarFichero(fichero), qPrintable(script.error().texto));
    TablaResultado r;
    VERIFICAR_BD(
            bd_.conexion().consultar(u"SELECT valor FROM parametro WHERE nombre = 'version'", r),
            bd_.conexion());
    QCOMPARE(r.filas(), 1);
    QCOMPARE(r.columna(0).texto(0), u"2.6.9.499 (06-01-2011)"_s);
    for (const char *t : {"tercero", "familia", "marca", "modelo", "tecnico"}) {
        VERIFICAR_BD(bd_.conexion().consultar(u"SELECT nombre FROM " + QString::fromUtf8(t)
                                                      + u" WHERE codigo = 1",
                                              r),
                     bd_.conexion());
        QCOMPARE(r.filas(), 1);
    }
}

QTEST_GUILESS_MAIN(TstEsquema)
#include "tst_esquema.moc"
