// The table descriptors against the creation script: same tables, same columns in the same
// order, same types and sizes, and the unique keys behind the duplicate messages.

#include "DescriptorTabla.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using esquema::Tipo;

Q_DECLARE_METATYPE(esquema::Tipo)

namespace {

struct ColumnaGuion
{
    QString nombre;
    QString tipo; // lower case, without the size
    int tamano = 0;
    bool noNulo = false;
    bool clavePrimaria = false;
    bool autoIncremento = false;
};

struct TablaGuion
{
    QString nombre;
    QList<ColumnaGuion> columnas;
    QList<QStringList> clavesUnicas;
    QString opciones; // what follows the closing parenthesis
};

QString leerFichero(const QString &nombre)
{
    QFile fichero(QStringLiteral(QUENVALIA_ESQUEMA_FUENTE) + u'/' + nombre);
    if (!fichero.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(fichero.readAll());
}

// The statements as the program's script runner sees them: split on ";" outside quotes and
// comments, comments dropped, blank pieces left out.
QStringList separarSentencias(const QString &texto)
{
    QStringList sentencias;
    QString actual;
    QChar comilla;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        const QChar siguiente = i + 1 < texto.size() ? texto.at(i + 1) : QChar();
        if (!comilla.isNull()) {
            actual += c;
            if (c == u'\\' && comilla != u'`') {
                actual += siguiente;
                ++i;
            } else if (c == comilla) {
                comilla = QChar();
            }
        } else if (c == u'\'' || c == u'"' || c == u'`') {
            comilla = c;
            actual += c;
        } else if ((c == u'-' && siguiente == u'-') || c == u'#') {
            while (i < texto.size() && texto.at(i) != u'\n')
                ++i;
            actual += u'\n';
        } else if (c == u'/' && siguiente == u'*') {
            const qsizetype fin = texto.indexOf(u"*/"_s, i + 2);
            i = fin < 0 ? texto.size() : fin + 1;
            actual += u' ';
        } else if (c == u';') {
            if (!actual.trimmed().isEmpty())
                sentencias << actual.trimmed();
            actual.clear();
        } else {
            actual += c;
        }
    }
    if (!actual.trimmed().isEmpty())
        sentencias << actual.trimmed();
    return sentencias;
}

// Splits on the commas that are not inside parentheses.
QStringList separarElementos(const QString &cuerpo)
{
    QStringList elementos;
    QString actual;
    int nivel = 0;
    for (const QChar c : cuerpo) {
        if (c == u'(')
            ++nivel;
        else if (c == u')')
            --nivel;
        if (c == u',' && nivel == 0) {
            elementos << actual.trimmed();
            actual.clear();
        } else {
            actual += c;
        }
    }
    if (!actual.trimmed().isEmpty())
        elementos << actual.trimmed();
    return elementos;
}

QStringList nombresEntreParentesis(const QString &texto)
{
    const qsizetype desde = texto.indexOf(u'(');
    const qsizetype hasta = texto.lastIndexOf(u')');
    QStringList nombres = texto.mid(desde + 1, hasta - desde - 1).split(u',');
    for (QString &nombre : nombres)
        nombre = nombre.trimmed().remove(u'`');
    return nombres;
}

// Reads the CREATE TABLE statements. Anything else in the script is returned in ajenas.
QList<TablaGuion> leerGuion(const QString &texto, QStringList *ajenas)
{
    static const QRegularExpression crear(
            u"^CREATE TABLE IF NOT EXISTS `?(\\w+)`? \\((.*)\\)([^)]*)$"_s,
            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression columna(u"^`?(\\w+)`?\\s+(\\w+)(?:\\((\\d+)\\))?(.*)$"_s,
                                            QRegularExpression::DotMatchesEverythingOption);
    QList<TablaGuion> tablas;
    for (const QString &sentencia : separarSentencias(texto)) {
        const QRegularExpressionMatch m = crear.match(sentencia);
        if (!m.hasMatch()) {
            *ajenas << sentencia;
            continue;
        }
        TablaGuion tabla;
        tabla.nombre = m.captured(1);
        tabla.opciones = m.captured(3).simplified();
        for (const QString &elemento : separarElementos(m.captured(2))) {
            const QString mayusculas = elemento.toUpper();
            if (mayusculas.startsWith(u"UNIQUE"_s)) {
                tabla.clavesUnicas << nombresEntreParentesis(elemento);
            } else if (mayusculas.startsWith(u"PRIMARY KEY"_s)) {
                for (const QString &nombre : nombresEntreParentesis(elemento)) {
                    for (ColumnaGuion &c : tabla.columnas) {
                        if (c.nombre == nombre)
                            c.clavePrimaria = c.noNulo = true;
                    }
                }
            } else if (const QRegularExpressionMatch mc = columna.match(elemento); mc.hasMatch()) {
                const QString resto = mc.captured(4).toUpper();
                tabla.columnas << ColumnaGuion {mc.captured(1),
                                                mc.captured(2).toLower(),
                                                mc.captured(3).toInt(),
                                                resto.contains(u"NOT NULL"_s)
                                                        || resto.contains(u"PRIMARY KEY"_s),
                                                resto.contains(u"PRIMARY KEY"_s),
                                                resto.contains(u"AUTO_INCREMENT"_s)};
            } else {
                *ajenas << elemento;
            }
        }
        tablas << tabla;
    }
    return tablas;
}

Tipo tipoDe(const QString &tipoSql, bool *conocido)
{
    static const QHash<QString, Tipo> tipos {
            {u"bigint"_s, Tipo::Entero64},     {u"int"_s, Tipo::Entero32},
            {u"double"_s, Tipo::Real},         {u"varchar"_s, Tipo::Texto},
            {u"text"_s, Tipo::TextoLargo},     {u"mediumtext"_s, Tipo::TextoLargo},
            {u"longtext"_s, Tipo::TextoLargo}, {u"date"_s, Tipo::Fecha},
            {u"time"_s, Tipo::Hora},           {u"datetime"_s, Tipo::FechaHora},
            {u"blob"_s, Tipo::Binario},        {u"mediumblob"_s, Tipo::Binario},
            {u"longblob"_s, Tipo::Binario},
    };
    *conocido = tipos.contains(tipoSql);
    return tipos.value(tipoSql);
}

QString texto(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TstDescriptores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void mismasTablas();
    void columnas_data();
    void columnas();
    void clavesUnicas_data();
    void clavesUnicas();
    void columnasSenaladas_data();
    void columnasSenaladas();
    void busquedas();
    void datosIniciales();

private:
    const TablaGuion *tablaGuion(const QString &nombre) const;
    const ColumnaGuion *columnaGuion(const QString &tabla, const QString &columna) const;

    QString m_texto;
    QList<TablaGuion> m_guion;
    QStringList m_ajenas;
};

const TablaGuion *TstDescriptores::tablaGuion(const QString &nombre) const
{
    for (const TablaGuion &t : m_guion) {
        if (t.nombre == nombre)
            return &t;
    }
    return nullptr;
}

const ColumnaGuion *TstDescriptores::columnaGuion(const QString &tabla,
                                                  const QString &columna) const
{
    if (const TablaGuion *t = tablaGuion(tabla)) {
        for (const ColumnaGuion &c : t->columnas) {
            if (c.nombre == columna)
                return &c;
        }
    }
    return nullptr;
}

void TstDescriptores::initTestCase()
{
    m_texto = leerFichero(u"crear_tablas.sql"_s);
    QVERIFY2(!m_texto.isEmpty(), "crear_tablas.sql cannot be read");
    m_guion = leerGuion(m_texto, &m_ajenas);
}

// Every piece the script runner would run is one CREATE TABLE, and the tables are those of
// the descriptors, in the same order, with the same storage options.
void TstDescriptores::mismasTablas()
{
    QCOMPARE(m_ajenas, QStringList());

    // Comments hold no semicolons or quotes, so that even a runner that does not know about
    // comments splits the script in the same places.
    for (const QString &linea : m_texto.split(u'\n')) {
        if (linea.trimmed().startsWith(u"--"_s))
            QVERIFY2(!linea.contains(u';') && !linea.contains(u'\'') && !linea.contains(u'"'),
                     qPrintable(linea));
    }

    QStringList enGuion;
    for (const TablaGuion &t : m_guion) {
        enGuion << t.nombre;
        QCOMPARE(t.nombre, t.nombre.toLower());
        QCOMPARE(t.opciones, u"ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci"_s);
    }
    QStringList enDescriptores;
    for (const esquema::Tabla &t : esquema::tablas())
        enDescriptores << texto(t.nombre);
    QCOMPARE(enGuion, enDescriptores);
}

void TstDescriptores::columnas_data()
{
    QTest::addColumn<QString>("tabla");
    for (const esquema::Tabla &t : esquema::tablas())
        QTest::newRow(t.nombre) << texto(t.nombre);
}

void TstDescriptores::columnas()
{
    QFETCH(QString, tabla);
    const esquema::Tabla *descriptor = esquema::buscarTabla(tabla.toStdString());
    const TablaGuion *guion = tablaGuion(tabla);
    QVERIFY(descriptor);
    QVERIFY(guion);

    QStringList nombresGuion;
    for (const ColumnaGuion &c : guion->columnas)
        nombresGuion << c.nombre;
    QStringList nombresDescriptor;
    for (const esquema::Columna &c : descriptor->columnas)
        nombresDescriptor << texto(c.nombre);
    QCOMPARE(nombresGuion, nombresDescriptor);

    int clavesPrimarias = 0;
    for (qsizetype i = 0; i < guion->columnas.size(); ++i) {
        const ColumnaGuion &g = guion->columnas.at(i);
        const esquema::Columna &d = descriptor->columnas[i];
        bool conocido = false;
        const Tipo tipo = tipoDe(g.tipo, &conocido);
        QVERIFY2(conocido, qPrintable(g.nombre + u": type "_s + g.tipo));
        QCOMPARE(int(d.tipo), int(tipo));
        QCOMPARE(d.tamano, g.tamano);
        if (d.tipo == Tipo::Texto)
            QVERIFY2(d.tamano > 0, qPrintable(g.nombre));
        if (d.requerido)
            QVERIFY2(g.noNulo, qPrintable(g.nombre + u" is required but admits NULL"_s));
        if (g.clavePrimaria)
            ++clavesPrimarias;
        if (g.nombre == u"codigo"_s) {
            QCOMPARE(g.tipo, u"bigint"_s);
            QVERIFY(g.clavePrimaria);
            QVERIFY(g.autoIncremento);
        }
    }
    QCOMPARE(clavesPrimarias, 1);

    // A duplicate can only be refused where there is a unique key, and then it has its text.
    QCOMPARE(!guion->clavesUnicas.isEmpty(), *descriptor->mensajeDuplicado != '\0');
}

void TstDescriptores::clavesUnicas_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QStringList>("clave");
    QTest::addColumn<QString>("mensaje");

    QTest::newRow("material")
            << u"material"_s
            << QStringList {u"nombre"_s, u"codigotercero"_s, u"codigomarca"_s, u"codigomodelo"_s}
            << u"Ya existe un artículo con este nombre, proveedor, marca y modelo."_s;
    QTest::newRow("factura") << u"factura"_s << QStringList {u"numero"_s}
                             << u"Ya existe una factura con este número."_s;
    QTest::newRow("partetrabajo") << u"partetrabajo"_s << QStringList {u"numero"_s}
                                  << u"Ya existe un parte/albarán con este número."_s;
    QTest::newRow("tercero") << u"tercero"_s << QStringList {u"nombre"_s, u"cif"_s, u"tipo"_s}
                             << u"Ya existe un tercero con este nombre, cif y tipo."_s;
    QTest::newRow("familia") << u"familia"_s << QStringList {u"nombre"_s}
                             << u"Ya existe una familia con este nombre."_s;
    QTest::newRow("accion") << u"accion"_s << QStringList {u"nombre"_s}
                            << u"Ya existe una acción con este nombre."_s;
    QTest::newRow("marca") << u"marca"_s << QStringList {u"nombre"_s}
                           << u"Ya existe una marca con este nombre."_s;
    QTest::newRow("modelo") << u"modelo"_s << QStringList {u"nombre"_s}
                            << u"Ya existe un modelo con este nombre."_s;
    QTest::newRow("usuario") << u"usuario"_s << QStringList {u"nick"_s}
                             << u"Ya existe un usuario con este nick."_s;
    QTest::newRow("serie") << u"serie"_s << QStringList {u"nombre"_s, u"tabla"_s}
                           << u"Ya existe una serie con este nombre y tabla."_s;
    QTest::newRow("contador") << u"contador"_s << QStringList {u"tabla"_s, u"serie"_s}
                              << u"Ya existe un contador con esta tabla y serie."_s;
    // No unique key: the equipment register accepts any row.
    QTest::newRow("entradasalida") << u"entradasalida"_s << QStringList() << QString();
}

void TstDescriptores::clavesUnicas()
{
    QFETCH(QString, tabla);
    QFETCH(QStringList, clave);
    QFETCH(QString, mensaje);

    const TablaGuion *guion = tablaGuion(tabla);
    const esquema::Tabla *descriptor = esquema::buscarTabla(tabla.toStdString());
    QVERIFY(guion);
    QVERIFY(descriptor);
    QCOMPARE(guion->clavesUnicas,
             clave.isEmpty() ? QList<QStringList>() : QList<QStringList> {clave});
    QCOMPARE(texto(descriptor->mensajeDuplicado), mensaje);
}

void TstDescriptores::columnasSenaladas_data()
{
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<QString>("columna");
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<int>("tamano");
    QTest::addColumn<bool>("requerido");
    QTest::addColumn<bool>("noNulo"); // in the script
    QTest::addColumn<QString>("etiqueta");
    QTest::addColumn<QString>("formato");

    const QString moneda = texto(esquema::formatoMoneda);

    QTest::newRow("usuario.nick") << u"usuario"_s << u"nick"_s << Tipo::Texto << 20 << true << true
                                  << u"Nick"_s << QString();
    QTest::newRow("usuario.codigo") << u"usuario"_s << u"codigo"_s << Tipo::Entero64 << 0 << false
                                    << true << u"Código"_s << QString();
    QTest::newRow("consultasql.codigo, no label")
            << u"consultasql"_s << u"codigo"_s << Tipo::Entero64 << 0 << false << true << QString()
            << QString();
    QTest::newRow("consultasql.sql, reserved word")
            << u"consultasql"_s << u"sql"_s << Tipo::TextoLargo << 0 << false << false << u"SQL"_s
            << QString();
    // Per-table counters have an empty series, so the key (tabla, serie) guards them too.
    QTest::newRow("contador.serie") << u"contador"_s << u"serie"_s << Tipo::Texto << 2 << false
                                    << true << u"Serie"_s << QString();
    QTest::newRow("contador.contador, no decimals")
            << u"contador"_s << u"contador"_s << Tipo::Entero64 << 0 << false << false
            << u"Contador"_s << u",0"_s;
    QTest::newRow("serie.codusuarioa, 32-bit") << u"serie"_s << u"codusuarioa"_s << Tipo::Entero32
                                               << 0 << false << false << QString() << QString();
    QTest::newRow("tipogasto.codusuariom, 32-bit")
            << u"tipogasto"_s << u"codusuariom"_s << Tipo::Entero32 << 0 << false << false
            << QString() << QString();
    // An empty CIF is "" and not NULL, or the key would let the same name and type repeat.
    QTest::newRow("tercero.cif") << u"tercero"_s << u"cif"_s << Tipo::Texto << 15 << false << true
                                 << u"CIF"_s << QString();
    QTest::newRow("tercero.tipo") << u"tercero"_s << u"tipo"_s << Tipo::Texto << 10 << false << true
                                  << u"Tipo"_s << QString();
    QTest::newRow("tercero.cp") << u"tercero"_s << u"cp"_s << Tipo::Entero32 << 0 << false << false
                                << u"C.P."_s << QString();
    QTest::newRow("tercero.porcentajedto") << u"tercero"_s << u"porcentajedto"_s << Tipo::Real << 0
                                           << false << false << u"% dto."_s << u",0.0"_s;
    QTest::newRow("tercero.preciodesplazamiento")
            << u"tercero"_s << u"preciodesplazamiento"_s << Tipo::Real << 0 << false << false
            << u"Precio Km"_s << moneda;
    QTest::newRow("material.preciocompra") << u"material"_s << u"preciocompra"_s << Tipo::Real << 0
                                           << false << false << u"Precio compra"_s << u",0.0000"_s;
    QTest::newRow("material.stockminimo") << u"material"_s << u"stockminimo"_s << Tipo::Real << 0
                                          << false << false << u"Stock mínimo"_s << u",0.00"_s;
    // Invoices are stored before they get their number: several may be without one.
    QTest::newRow("factura.numero") << u"factura"_s << u"numero"_s << Tipo::Texto << 15 << false
                                    << false << u"Número"_s << QString();
    QTest::newRow("factura.serie") << u"factura"_s << u"serie"_s << Tipo::Texto << 2 << true << true
                                   << u"Serie"_s << QString();
    QTest::newRow("facturaproveedor.importecobrado")
            << u"facturaproveedor"_s << u"importecobrado"_s << Tipo::Real << 0 << false << false
            << u"Importe pagado"_s << moneda;
    QTest::newRow("caja.saldo") << u"caja"_s << u"saldo"_s << Tipo::Real << 0 << true << true
                                << u"Saldo"_s << moneda;
    QTest::newRow("nota.nombre") << u"nota"_s << u"nombre"_s << Tipo::TextoLargo << 0 << true
                                 << true << u"Contenido"_s << QString();
    QTest::newRow("pago.fecha") << u"pago"_s << u"fecha"_s << Tipo::Fecha << 0 << false << false
                                << u"Fecha"_s << QString();
    QTest::newRow("partetrabajo.horaentrada")
            << u"partetrabajo"_s << u"horaentrada"_s << Tipo::Hora << 0 << false << false
            << u"Hora entrada"_s << QString();
    QTest::newRow("partetrabajo.totalhoras")
            << u"partetrabajo"_s << u"totalhoras"_s << Tipo::Real << 0 << false << false
            << u"Total horas"_s << u",0.0"_s;
    QTest::newRow("documento.documento") << u"documento"_s << u"documento"_s << Tipo::Binario << 0
                                         << false << false << QString() << QString();
    QTest::newRow("documento.ventana") << u"documento"_s << u"ventana"_s << Tipo::Texto << 50
                                       << false << false << QString() << QString();
    QTest::newRow("sesion.estado") << u"sesion"_s << u"estado"_s << Tipo::Texto << 10 << false
                                   << false << QString() << QString();
    QTest::newRow("sesion.hora") << u"sesion"_s << u"hora"_s << Tipo::Hora << 0 << false << false
                                 << QString() << QString();
    QTest::newRow("parametro.nombre, its key") << u"parametro"_s << u"nombre"_s << Tipo::Texto
                                               << 100 << false << true << QString() << QString();
    QTest::newRow("parametro.valor") << u"parametro"_s << u"valor"_s << Tipo::Texto << 255 << false
                                     << false << QString() << QString();
    QTest::newRow("departamento.nombre") << u"departamento"_s << u"nombre"_s << Tipo::Texto << 100
                                         << false << false << QString() << QString();
    QTest::newRow("presupuesto.codigocliente")
            << u"presupuesto"_s << u"codigocliente"_s << Tipo::Entero64 << 0 << false << false
            << QString() << QString();
    QTest::newRow("contrasena.codigotercero")
            << u"contrasena"_s << u"codigotercero"_s << Tipo::Entero64 << 0 << false << false
            << QString() << QString();
}

void TstDescriptores::columnasSenaladas()
{
    QFETCH(QString, tabla);
    QFETCH(QString, columna);
    QFETCH(Tipo, tipo);
    QFETCH(int, tamano);
    QFETCH(bool, requerido);
    QFETCH(bool, noNulo);
    QFETCH(QString, etiqueta);
    QFETCH(QString, formato);

    const esquema::Tabla *t = esquema::buscarTabla(tabla.toStdString());
    QVERIFY(t);
    const esquema::Columna *c = esquema::buscarColumna(*t, columna.toStdString());
    QVERIFY(c);
    QCOMPARE(int(c->tipo), int(tipo));
    QCOMPARE(c->tamano, tamano);
    QCOMPARE(c->requerido, requerido);
    QCOMPARE(texto(c->etiqueta), etiqueta);
    QCOMPARE(texto(c->formato), formato);

    const ColumnaGuion *g = columnaGuion(tabla, columna);
    QVERIFY(g);
    QCOMPARE(g->noNulo, noNulo);
}

void TstDescriptores::busquedas()
{
    const esquema::Tabla *tercero = esquema::buscarTabla("tercero");
    QVERIFY(tercero);
    QCOMPARE(esquema::buscarTabla("TERCERO"), tercero);
    QCOMPARE(esquema::buscarTabla("tercer"), nullptr);
    QCOMPARE(esquema::buscarTabla("terceros"), nullptr);
    QCOMPARE(esquema::buscarTabla(""), nullptr);

    const esquema::Columna *formaPago = esquema::buscarColumna(*tercero, "CodigoFormaPago");
    QVERIFY(formaPago);
    QCOMPARE(texto(formaPago->nombre), u"codigoformapago"_s);
    QCOMPARE(esquema::buscarColumna(*tercero, "codigoformapag"), nullptr);
    // A column of another table is not found here.
    QCOMPARE(esquema::buscarColumna(*tercero, "codigotecnico"), nullptr);
}

// The initial rows name existing columns and give every required column a value; code 1
// exists in the tables whose default codes are 1.
void TstDescriptores::datosIniciales()
{
    const QString datos = leerFichero(u"datos_iniciales.sql"_s);
    QVERIFY2(!datos.isEmpty(), "datos_iniciales.sql cannot be read");

    static const QRegularExpression insertar(
            u"^INSERT IGNORE INTO (\\w+) \\(([^)]*)\\) VALUES \\((.*)\\)$"_s,
            QRegularExpression::DotMatchesEverythingOption);
    QStringList conCodigoUno;
    for (const QString &sentencia : separarSentencias(datos)) {
        const QRegularExpressionMatch m = insertar.match(sentencia);
        QVERIFY2(m.hasMatch(), qPrintable(sentencia));
        const QString tabla = m.captured(1);
        const QStringList columnas = nombresEntreParentesis(u'(' + m.captured(2) + u')');
        const esquema::Tabla *descriptor = esquema::buscarTabla(tabla.toStdString());
        QVERIFY2(descriptor, qPrintable(tabla));
        for (const QString &c : columnas)
            QVERIFY2(esquema::buscarColumna(*descriptor, c.toStdString()), qPrintable(c));
        for (const esquema::Columna &c : descriptor->columnas) {
            if (c.requerido)
                QVERIFY2(columnas.contains(texto(c.nombre)),
                         qPrintable(tabla + u'.' + texto(c.nombre)));
        }
        if (columnas.value(0) == u"codigo"_s
            && m.captured(3).section(u',', 0, 0).trimmed() == u"1"_s)
            conCodigoUno << tabla;
    }
    conCodigoUno.sort();
    QCOMPARE(conCodigoUno,
             (QStringList {u"familia"_s, u"marca"_s, u"modelo"_s, u"tecnico"_s, u"tercero"_s}));
}

QTEST_APPLESS_MAIN(TstDescriptores)

#include "tst_descriptores.moc"
