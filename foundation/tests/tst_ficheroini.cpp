#include "FicheroIni.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The sectioned key file: lookup rules, writes that keep the rest, files on disk.
class TstFicheroIni : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void valor_data();
    void valor();
    void escrituraConservaElResto_data();
    void escrituraConservaElResto();
    void nombresQueNoCabenEnUnaLinea_data();
    void nombresQueNoCabenEnUnaLinea();
    void discoEnWindows1252ConCRLF();
    void ficheroInexistenteEstaVacio();
    void ficheroIlegibleEsUnError();
    void guardarDondeNoSePuede();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstFicheroIni::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstFicheroIni::cleanup()
{
    m_dir.reset();
}

void TstFicheroIni::valor_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<std::optional<QString>>("esperado");

    const QByteArray base = "[Defecto]\r\nTipo tercero=Proveedor\r\n";
    QTest::newRow("tal cual") << base << u"Defecto"_s << u"Tipo tercero"_s
                              << std::optional(u"Proveedor"_s);
    QTest::newRow("mayúsculas en la búsqueda")
            << base << u"DEFECTO"_s << u"TIPO TERCERO"_s << std::optional(u"Proveedor"_s);
    QTest::newRow("acentos sin distinguir caja")
            << QByteArray("[FACTURACI\xD3N]\r\nA\xD1O=/2020\r\n") << u"Facturación"_s << u"año"_s
            << std::optional(u"/2020"_s);
    QTest::newRow("acento distinto no coincide")
            << QByteArray("[Facturacion]\r\nSerie=B\r\n") << u"Facturación"_s << u"Serie"_s
            << std::optional<QString>();
    QTest::newRow("clave con blanco final") << QByteArray("[F]\nOcultar=0\nOcultar =1\n") << u"F"_s
                                            << u"Ocultar "_s << std::optional(u"1"_s);
    QTest::newRow("clave sin blanco final") << QByteArray("[F]\nOcultar =1\nOcultar=0\n") << u"F"_s
                                            << u"Ocultar"_s << std::optional(u"0"_s);
    QTest::newRow("clave sin recortar no encuentra la recortada")
            << QByteArray("[F]\nSerie =B\n") << u"F"_s << u"Serie"_s << std::optional<QString>();
    QTest::newRow("valor con blancos y signo igual") << QByteArray("[F]\nClave=  a=b \n") << u"F"_s
                                                     << u"Clave"_s << std::optional(u"  a=b "_s);
    QTest::newRow("valor vacío existe")
            << QByteArray("[F]\r\nClave=\r\n") << u"F"_s << u"Clave"_s << std::optional(QString());
    QTest::newRow("última línea sin fin de línea")
            << QByteArray("[F]\r\nClave=x") << u"F"_s << u"Clave"_s << std::optional(u"x"_s);
    QTest::newRow("clave de otra sección") << QByteArray("[A]\nClave=1\n[B]\nOtra=2\n") << u"B"_s
                                           << u"Clave"_s << std::optional<QString>();
    QTest::newRow("antes de toda sección no cuenta")
            << QByteArray("Clave=1\n[A]\n") << u"A"_s << u"Clave"_s << std::optional<QString>();
    QTest::newRow("comentario no es clave")
            << QByteArray("[A]\n;Clave=1\n") << u"A"_s << u";Clave"_s << std::optional<QString>();
    QTest::newRow("primera aparición gana") << QByteArray("[A]\nClave=1\nclave=2\n[a]\nCLAVE=3\n")
                                            << u"A"_s << u"Clave"_s << std::optional(u"1"_s);
    QTest::newRow("sección repetida se sigue buscando")
            << QByteArray("[A]\nX=1\n[B]\n[A]\nY=2\n") << u"A"_s << u"Y"_s << std::optional(u"2"_s);
    QTest::newRow("sección sangrada")
            << QByteArray("  [A]  \nX=1\n") << u"A"_s << u"X"_s << std::optional(u"1"_s);
    QTest::newRow("bytes de Windows-1252 en el valor")
            << QByteArray("[Empresa]\r\nNombre=Pe\xF1"
                          "a \x80\r\n")
            << u"Empresa"_s << u"Nombre"_s << std::optional(u"Peña €"_s);
}

void TstFicheroIni::valor()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, seccion);
    QFETCH(QString, clave);
    QFETCH(std::optional<QString>, esperado);

    FicheroIni ini;
    ini.establecerBytes(contenido);
    QCOMPARE(ini.valor(seccion, clave), esperado);
}

void TstFicheroIni::escrituraConservaElResto_data()
{
    QTest::addColumn<QByteArray>("antes");
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QByteArray>("despues");

    const QByteArray antes = "; fichero editado a mano\n"
                             "suelta antes de las secciones\n"
                             "[Defecto]\n"
                             "Tipo tercero=Cliente\n"
                             "linea sin igual\n"
                             "; nota de la secci\xF3n\n"
                             "\n"
                             "[Stock]\r\n"
                             "Activar stock facturas=0\r\n";
    QTest::newRow("sustituye y respeta la grafía de la clave")
            << antes << u"DEFECTO"_s << u"tipo TERCERO"_s << u"Proveedor"_s
            << QByteArray("; fichero editado a mano\r\n"
                          "suelta antes de las secciones\r\n"
                          "[Defecto]\r\n"
                          "Tipo tercero=Proveedor\r\n"
                          "linea sin igual\r\n"
                          "; nota de la secci\xF3n\r\n"
                          "\r\n"
                          "[Stock]\r\n"
                          "Activar stock facturas=0\r\n");
    QTest::newRow("clave nueva tras la última línea de su sección")
            << antes << u"Defecto"_s << u"Serie"_s << u"B"_s
            << QByteArray("; fichero editado a mano\r\n"
                          "suelta antes de las secciones\r\n"
                          "[Defecto]\r\n"
                          "Tipo tercero=Cliente\r\n"
                          "linea sin igual\r\n"
                          "; nota de la secci\xF3n\r\n"
                          "Serie=B\r\n"
                          "\r\n"
                          "[Stock]\r\n"
                          "Activar stock facturas=0\r\n");
    QTest::newRow("sección nueva al final") << antes << u"Acceso"_s << u"Usuario"_s << u"ana"_s
                                            << QByteArray("; fichero editado a mano\r\n"
                                                          "suelta antes de las secciones\r\n"
                                                          "[Defecto]\r\n"
                                                          "Tipo tercero=Cliente\r\n"
                                                          "linea sin igual\r\n"
                                                          "; nota de la secci\xF3n\r\n"
                                                          "\r\n"
                                                          "[Stock]\r\n"
                                                          "Activar stock facturas=0\r\n"
                                                          "[Acceso]\r\n"
                                                          "Usuario=ana\r\n");
    QTest::newRow("contenido vacío")
            << QByteArray() << u"A"_s << u"B"_s << u"c"_s << QByteArray("[A]\r\nB=c\r\n");
    QTest::newRow("sección vacía sin claves") << QByteArray("[A]\n[B]\n") << u"A"_s << u"X"_s
                                              << u"1"_s << QByteArray("[A]\r\nX=1\r\n[B]\r\n");
    QTest::newRow("clave con blanco final es otra clave")
            << QByteArray("[F]\nOcultar=0\n") << u"F"_s << u"Ocultar "_s << u"1"_s
            << QByteArray("[F]\r\nOcultar=0\r\nOcultar =1\r\n");
    QTest::newRow("sección repetida: se añade en la primera")
            << QByteArray("[A]\nX=1\n[B]\nY=2\n[A]\nZ=3\n") << u"A"_s << u"W"_s << u"4"_s
            << QByteArray("[A]\r\nX=1\r\nW=4\r\n[B]\r\nY=2\r\n[A]\r\nZ=3\r\n");
    QTest::newRow("sección repetida: se sustituye en la segunda")
            << QByteArray("[A]\nX=1\n[B]\nY=2\n[A]\nZ=3\n") << u"A"_s << u"Z"_s << u"9"_s
            << QByteArray("[A]\r\nX=1\r\n[B]\r\nY=2\r\n[A]\r\nZ=9\r\n");
}

void TstFicheroIni::escrituraConservaElResto()
{
    QFETCH(QByteArray, antes);
    QFETCH(QString, seccion);
    QFETCH(QString, clave);
    QFETCH(QString, valor);
    QFETCH(QByteArray, despues);

    FicheroIni ini;
    ini.establecerBytes(antes);
    QVERIFY(ini.establecerValor(seccion, clave, valor));
    QCOMPARE(ini.bytes(), despues);
    QCOMPARE(ini.valor(seccion, clave), std::optional(valor));
}

void TstFicheroIni::nombresQueNoCabenEnUnaLinea_data()
{
    QTest::addColumn<QString>("seccion");
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("valor");

    QTest::newRow("valor con LF") << u"A"_s << u"B"_s << u"x\ny"_s;
    QTest::newRow("valor con CR") << u"A"_s << u"B"_s << u"x\ry"_s;
    QTest::newRow("clave vacía") << u"A"_s << QString() << u"x"_s;
    QTest::newRow("clave con igual") << u"A"_s << u"B=C"_s << u"x"_s;
    QTest::newRow("clave que parece sección") << u"A"_s << u"[B]"_s << u"x"_s;
    QTest::newRow("clave que parece comentario") << u"A"_s << u";B"_s << u"x"_s;
    QTest::newRow("sección con corchete") << u"A]"_s << u"B"_s << u"x"_s;
    QTest::newRow("sección vacía") << QString() << u"B"_s << u"x"_s;
}

void TstFicheroIni::nombresQueNoCabenEnUnaLinea()
{
    QFETCH(QString, seccion);
    QFETCH(QString, clave);
    QFETCH(QString, valor);

    FicheroIni ini;
    const QByteArray antes = "[A]\r\nB=1\r\n";
    ini.establecerBytes(antes);
    QVERIFY(!ini.establecerValor(seccion, clave, valor));
    QVERIFY(!ini.textoError().isEmpty());
    QCOMPARE(ini.bytes(), antes);
}

void TstFicheroIni::discoEnWindows1252ConCRLF()
{
    const QString ruta = m_dir->filePath(u"quenvalia.INI"_s);
    FicheroIni ini;
    QVERIFY(ini.cargar(ruta));
    QVERIFY(ini.establecerValor(u"Facturación", u"Año", u"€ señal"));
    QVERIFY(ini.guardar(ruta));

    QFile fichero(ruta);
    QVERIFY(fichero.open(QIODevice::ReadOnly));
    QCOMPARE(fichero.readAll(),
             QByteArray("[Facturaci\xF3n]\r\nA\xF1o=\x80 se\xF1"
                        "al\r\n"));
    fichero.close();

    FicheroIni releido;
    QVERIFY(releido.cargar(ruta));
    QCOMPARE(releido.valor(u"FACTURACIÓN", u"AÑO"), std::optional(u"€ señal"_s));
}

void TstFicheroIni::ficheroInexistenteEstaVacio()
{
    FicheroIni ini;
    ini.establecerBytes("[A]\nB=1\n");
    QVERIFY(ini.cargar(m_dir->filePath(u"no-existe.INI"_s)));
    QCOMPARE(ini.bytes(), QByteArray());
}

void TstFicheroIni::ficheroIlegibleEsUnError()
{
    // A folder where the file should be: it exists and cannot be read.
    const QString ruta = m_dir->filePath(u"carpeta.INI"_s);
    QVERIFY(QDir().mkdir(ruta));
    FicheroIni ini;
    QVERIFY(!ini.cargar(ruta));
    QVERIFY(!ini.textoError().isEmpty());
}

void TstFicheroIni::guardarDondeNoSePuede()
{
    // The parent of the path is a plain file, which no user can write into.
    const QString bloqueo = m_dir->filePath(u"fichero"_s);
    QFile ocupa(bloqueo);
    QVERIFY(ocupa.open(QIODevice::WriteOnly));
    ocupa.close();

    FicheroIni ini;
    QVERIFY(ini.establecerValor(u"A", u"B", u"c"));
    QVERIFY(!ini.guardar(bloqueo + u"/quenvalia.INI"_s));
    QVERIFY(!ini.textoError().isEmpty());
}

QTEST_GUILESS_MAIN(TstFicheroIni)
#include "tst_ficheroini.moc"
