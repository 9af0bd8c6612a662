#include "Configuracion.h"
#include "EstadoNavegacion.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

using Posiciones = std::array<int, 3>;
Q_DECLARE_METATYPE(Posiciones)

// The settings file as the program sees it: typed access, the loaded settings record, the
// description file and the stored database password.
class TstConfiguracion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void rutas();
    void rutaJuntoAlEjecutable();
    void sinFicheroValenLosDefectos();
    void leerIniEnteroYBool_data();
    void leerIniEnteroYBool();
    void ocultarPieFactura_data();
    void ocultarPieFactura();
    void orden_data();
    void orden();
    void dosCargasNoSeMezclan();
    void anio();
    void cargaRestableceLaSeleccion();
    void escrituraYLecturaTipadas();
    void cadaAccesoLeeElFichero();
    void acentosEnDiscoEnWindows1252();
    void escrituraSinDistinguirCaja();
    void ocultarConBlancoEsOtraClave();
    void escrituraRechazada_data();
    void escrituraRechazada();
    void descripcionFactura_data();
    void descripcionFactura();
    void descripcionFacturaDesaparece();
    void escribirDescripcionFactura();
    void codificarClaveSegunElGenerador();
    void codificarClaveDosVeces_data();
    void codificarClaveDosVeces();
    void contrasenaConBytesDeControl();
    void contrasenaEscritaAMano_data();
    void contrasenaEscritaAMano();

private:
    QString rutaIni() const { return m_dir->filePath(u"quenvalia.INI"_s); }
    void escribirFichero(const QString &ruta, const QByteArray &bytes);
    QByteArray leerFichero(const QString &ruta);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstConfiguracion::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("QUENVALIA_INI", QFile::encodeName(rutaIni()));
    datosConfiguracion() = DatosConfiguracion {};
    navegacion() = EstadoNavegacion {};
}

void TstConfiguracion::cleanup()
{
    qunsetenv("QUENVALIA_INI");
    m_dir.reset();
}

void TstConfiguracion::escribirFichero(const QString &ruta, const QByteArray &bytes)
{
    QFile fichero(ruta);
    QVERIFY2(fichero.open(QIODevice::WriteOnly), qPrintable(fichero.errorString()));
    QCOMPARE(fichero.write(bytes), bytes.size());
}

QByteArray TstConfiguracion::leerFichero(const QString &ruta)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return {};
    return fichero.readAll();
}

void TstConfiguracion::rutas()
{
    QCOMPARE(rutaFicheroIni(), rutaIni());
    QCOMPARE(carpetaPrograma(), QDir(m_dir->path()).absolutePath());
    QCOMPARE(rutaDescripcionFactura(), m_dir->filePath(u"Descripción factura.txt"_s));
}

void TstConfiguracion::rutaJuntoAlEjecutable()
{
    qunsetenv("QUENVALIA_INI");
    QCOMPARE(rutaFicheroIni(), QCoreApplication::applicationFilePath() + u".INI"_s);
    QCOMPARE(carpetaPrograma(), QCoreApplication::applicationDirPath());
}

void TstConfiguracion::sinFicheroValenLosDefectos()
{
    QVERIFY(!QFile::exists(rutaIni()));
    cargarConfiguracion();
    const DatosConfiguracion &d = datosConfiguracion();

    QCOMPARE(d.bdNombre, QString());
    QCOMPARE(d.bdServidor, QString());
    QCOMPARE(d.bdProtocolo, u"mysql-4.1"_s);
    QCOMPARE(d.bdPuerto, u"3306"_s);
    QCOMPARE(d.bdContrasena, QString());

    QCOMPARE(d.tipoTercero, u"Cliente"_s);
    QCOMPARE(d.codigoClienteDefectoFacturas, 1);
    QCOMPARE(d.codigoProveedorDefectoFacturas, 1);
    QCOMPARE(d.crearFacturaAutomaticamente, true);
    QCOMPARE(d.porcentajeIvaFacturas, 16);
    QCOMPARE(d.validaParaHacienda, true);
    QCOMPARE(d.articuloCodigoFamilia, 1);
    QCOMPARE(d.articuloCodigoModelo, 1);
    QCOMPARE(d.articuloCodigoMarca, 1);
    QCOMPARE(d.articuloCodigoProveedor, 1);
    for (qint64 tecnico : {d.tecnico1, d.tecnico2, d.tecnico3, d.tecnico4, d.tecnico5, d.tecnico6})
        QCOMPARE(tecnico, 1);
    QCOMPARE(d.tecnicoIndeterminado, 1);
    QCOMPARE(d.incidenciaCodigoRecurso, 0);
    QCOMPARE(d.incidenciaCodigoCliente, 0);
    QCOMPARE(d.incidenciaPrioridad, u"Media"_s);
    QCOMPARE(d.incidenciaTipo, u"Asistencia técnica"_s);
    QCOMPARE(d.cambioControlIntro, true);
    QCOMPARE(d.permitirDuplicadoNombreTercero, true);
    QCOMPARE(d.permitirDuplicadoNombreArticulo, true);
    QCOMPARE(d.valorIndeterminado, u"Indeterminado"_s);

    for (const QString &texto :
         {d.empresaNombre, d.empresaDireccion, d.empresaCif, d.empresaProvincia, d.empresaPoblacion,
          d.empresaNombrePersona, d.empresaTelefono, d.empresaInscripcion, d.empresaCp,
          d.empresaObservacion, d.empresaLogotipo, d.empresaLogotipoNombre})
        QCOMPARE(texto, QString());
    QCOMPARE(d.descripcionFactura, QStringList());

    QCOMPARE(d.ficheroAdjuntoTamanoMaximo, 2097152);

    QCOMPARE(d.cantidadCaracteresNumeroFactura, 4);
    QCOMPARE(d.serie, u"A"_s);
    QCOMPARE(d.anio, u'/' + QString::number(QDate::currentDate().year()));
    QCOMPARE(d.posiciones, (Posiciones {1, 2, 3}));
    QCOMPARE(d.ocultarPieFactura, false);
    QCOMPARE(d.ocultarPieObservacion, false);
    QCOMPARE(d.seriePorDefecto, u"A"_s);

    for (const QString &texto :
         {d.emailServidor, d.emailUsuario, d.emailContrasena, d.emailPuerto, d.emailCuenta})
        QCOMPARE(texto, QString());
    QCOMPARE(d.emailAutenticacion, false);

    QCOMPARE(d.tituloPartesTrabajo, u"Parte de trabajo"_s);
    QCOMPARE(d.tituloPartesTrabajoPlural, u"Partes de trabajo"_s);
    QCOMPARE(d.tituloPartesTrabajoBoton, u"Partes"_s);
    QCOMPARE(d.tituloPartesTrabajoMenu, u"Partes de trabajo"_s);
    QCOMPARE(d.tituloIncidencias, u"Incidencia"_s);
    QCOMPARE(d.tituloIncidenciasPlural, u"Incidencias"_s);

    QVERIFY2(!QFile::exists(rutaIni()), "reading must not create the file");
}

void TstConfiguracion::leerIniEnteroYBool_data()
{
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<qint64>("entero"); // read with default -7
    QTest::addColumn<bool>("siDefectoFalso");
    QTest::addColumn<bool>("siDefectoVerdadero");

    QTest::newRow("1") << QByteArray("1") << qint64(1) << true << true;
    QTest::newRow("0") << QByteArray("0") << qint64(0) << false << false;
    QTest::newRow("2 es verdadero") << QByteArray("2") << qint64(2) << true << true;
    QTest::newRow("negativo es verdadero") << QByteArray("-1") << qint64(-1) << true << true;
    QTest::newRow("con signo más") << QByteArray("+5") << qint64(5) << true << true;
    QTest::newRow("blancos alrededor") << QByteArray(" 12 ") << qint64(12) << true << true;
    QTest::newRow("64 bits") << QByteArray("9000000000") << qint64(9000000000) << true << true;
    QTest::newRow("texto") << QByteArray("abc") << qint64(-7) << false << true;
    QTest::newRow("vacío") << QByteArray("") << qint64(-7) << false << true;
    QTest::newRow("número y letras") << QByteArray("12a") << qint64(-7) << false << true;
    QTest::newRow("decimales") << QByteArray("1,5") << qint64(-7) << false << true;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << qint64(-7) << false << true;
    QTest::newRow("desbordado") << QByteArray("99999999999999999999") << qint64(-7) << false
                                << true;
    QTest::newRow("verdadero en palabras") << QByteArray("true") << qint64(-7) << false << true;
}

void TstConfiguracion::leerIniEnteroYBool()
{
    QFETCH(QByteArray, valor);
    QFETCH(qint64, entero);
    QFETCH(bool, siDefectoFalso);
    QFETCH(bool, siDefectoVerdadero);

    escribirFichero(rutaIni(), "[Secci\xF3n]\r\nClave=" + valor + "\r\n");
    QCOMPARE(leerIniEntero(u"Sección", u"Clave", -7), entero);
    QCOMPARE(leerIniBool(u"Sección", u"Clave", false), siDefectoFalso);
    QCOMPARE(leerIniBool(u"Sección", u"Clave", true), siDefectoVerdadero);
    QCOMPARE(leerIniEntero(u"Sección", u"Otra", -7), -7);
    QCOMPARE(leerIniBool(u"Otra sección", u"Clave", true), true);
}

void TstConfiguracion::ocultarPieFactura_data()
{
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<bool>("esperado");

    QTest::newRow("no numérico") << QByteArray("abc") << false;
    QTest::newRow("dos") << QByteArray("2") << true;
    QTest::newRow("uno") << QByteArray("1") << true;
    QTest::newRow("cero") << QByteArray("0") << false;
}

void TstConfiguracion::ocultarPieFactura()
{
    QFETCH(QByteArray, valor);
    QFETCH(bool, esperado);

    escribirFichero(rutaIni(), "[Facturaci\xF3n]\r\nOcultar pie factura=" + valor + "\r\n");
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().ocultarPieFactura, esperado);
}

void TstConfiguracion::orden_data()
{
    QTest::addColumn<QByteArray>("claves");
    QTest::addColumn<Posiciones>("esperado");

    QTest::newRow("sin claves") << QByteArray() << Posiciones {1, 2, 3};
    QTest::newRow("año primero, contador último")
            << QByteArray("Orden 1=3\r\nOrden 2=2\r\nOrden 3=1\r\n") << Posiciones {3, 2, 1};
    QTest::newRow("serie primero")
            << QByteArray("Orden 1=2\r\nOrden 2=1\r\n") << Posiciones {2, 1, 3};
    QTest::newRow("dos partes en un sitio: gana la última")
            << QByteArray("Orden 1=2\r\nOrden 2=2\r\n") << Posiciones {0, 2, 3};
    QTest::newRow("cero se ignora") << QByteArray("Orden 1=0\r\n") << Posiciones {0, 2, 3};
    QTest::newRow("cuatro se ignora") << QByteArray("Orden 2=4\r\n") << Posiciones {1, 0, 3};
    QTest::newRow("negativo se ignora") << QByteArray("Orden 3=-1\r\n") << Posiciones {1, 2, 0};
    QTest::newRow("enorme se ignora")
            << QByteArray("Orden 3=4294967297\r\n") << Posiciones {1, 2, 0};
    QTest::newRow("no numérico vale el defecto")
            << QByteArray("Orden 1=x\r\n") << Posiciones {1, 2, 3};
}

void TstConfiguracion::orden()
{
    QFETCH(QByteArray, claves);
    QFETCH(Posiciones, esperado);

    escribirFichero(rutaIni(), "[Facturaci\xF3n]\r\n" + claves);
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().posiciones, esperado);
}

void TstConfiguracion::dosCargasNoSeMezclan()
{
    escribirFichero(rutaIni(), "[Facturaci\xF3n]\r\nOrden 1=3\r\nOrden 2=2\r\nOrden 3=1\r\n");
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().posiciones, (Posiciones {3, 2, 1}));

    // Nothing names position 1 now: it must not keep the year of the previous load.
    const QString otro = m_dir->filePath(u"otro.INI"_s);
    escribirFichero(otro, "[Facturaci\xF3n]\r\nOrden 1=2\r\nOrden 2=2\r\nOrden 3=3\r\n");
    qputenv("QUENVALIA_INI", QFile::encodeName(otro));
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().posiciones, (Posiciones {0, 2, 3}));
}

void TstConfiguracion::anio()
{
    escribirFichero(rutaIni(), "[Facturaci\xF3n]\r\nA\xF1o=-05\r\n");
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().anio, u"-05"_s);

    QVERIFY(QFile::remove(rutaIni()));
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().anio, u'/' + QString::number(QDate::currentDate().year()));
}

void TstConfiguracion::cargaRestableceLaSeleccion()
{
    navegacion().codigoSeleccionado = 42;
    navegacion().codigoRegistro = 7;
    cargarConfiguracion();
    QCOMPARE(navegacion().codigoSeleccionado, -1);
    QCOMPARE(navegacion().codigoRegistro, 7);
}

void TstConfiguracion::escrituraYLecturaTipadas()
{
    QVERIFY(escribirIniCadena(u"Empresa", u"Nombre", u"Talleres Núñez, S.L."_s));
    QVERIFY(escribirIniEntero(u"Generación de códigos de barras", u"Desde", -12));
    QVERIFY(escribirIniBool(u"Stock", u"Activar stock facturas", true));
    QVERIFY(escribirIniBool(u"Stock", u"Activar stock albaranes", false));

    QCOMPARE(leerIniCadena(u"Empresa", u"Nombre"), u"Talleres Núñez, S.L."_s);
    QCOMPARE(leerIniEntero(u"Generación de códigos de barras", u"Desde", 1), -12);
    QCOMPARE(leerIniBool(u"Stock", u"Activar stock facturas", false), true);
    QCOMPARE(leerIniBool(u"Stock", u"Activar stock albaranes", true), false);
    QCOMPARE(leerIniCadena(u"Stock", u"Activar stock facturas"), u"1"_s);
    QCOMPARE(leerIniCadena(u"Stock", u"Activar stock albaranes"), u"0"_s);
    QCOMPARE(leerIniCadena(u"Empresa", u"CIF", u"ninguno"_s), u"ninguno"_s);
}

void TstConfiguracion::cadaAccesoLeeElFichero()
{
    QVERIFY(escribirIniCadena(u"Acceso", u"Usuario", u"ana"_s));
    QCOMPARE(leerIniCadena(u"Acceso", u"Usuario"), u"ana"_s);
    escribirFichero(rutaIni(), "[Acceso]\r\nUsuario=luis\r\n");
    QCOMPARE(leerIniCadena(u"Acceso", u"Usuario"), u"luis"_s);
}

void TstConfiguracion::acentosEnDiscoEnWindows1252()
{
    QVERIFY(escribirIniCadena(u"Servidor IP pública", u"Última IP obtenida", u"Mañana €"_s));
    QCOMPARE(leerFichero(rutaIni()),
             QByteArray("[Servidor IP p\xFA"
                        "blica]\r\n\xDAltima IP obtenida=Ma\xF1"
                        "ana \x80\r\n"));
    QCOMPARE(leerIniCadena(u"SERVIDOR IP PÚBLICA", u"última ip obtenida"), u"Mañana €"_s);

    // A character outside the code page is stored as "?".
    QVERIFY(escribirIniCadena(u"Empresa", u"Nombre", u"Ωmega"_s));
    QCOMPARE(leerIniCadena(u"Empresa", u"Nombre"), u"?mega"_s);
}

void TstConfiguracion::escrituraSinDistinguirCaja()
{
    escribirFichero(rutaIni(), "[FACTURACI\xD3N]\r\nSERIE=A\r\n");
    QCOMPARE(leerIniCadena(u"facturación", u"serie"), u"A"_s);
    QVERIFY(escribirIniCadena(u"facturación", u"serie", u"B"_s));
    QCOMPARE(leerFichero(rutaIni()), QByteArray("[FACTURACI\xD3N]\r\nSERIE=B\r\n"));
}

void TstConfiguracion::ocultarConBlancoEsOtraClave()
{
    QVERIFY(escribirIniBool(u"Facturación", u"Ocultar ", true));
    QVERIFY(escribirIniBool(u"Facturación", u"Ocultar", false));
    QCOMPARE(leerIniBool(u"Facturación", u"Ocultar ", false), true);
    QCOMPARE(leerIniBool(u"Facturación", u"Ocultar", true), false);
    QVERIFY(leerFichero(rutaIni()).contains("\r\nOcultar =1\r\n"));
}

void TstConfiguracion::escrituraRechazada_data()
{
    QTest::addColumn<QString>("camino"); // relative to the temporary folder
    QTest::addColumn<bool>("fichero"); // create camino's first part as a plain file
    QTest::addColumn<bool>("carpeta"); // create camino itself as a folder

    QTest::newRow("carpeta que es un fichero") << u"bloqueo/quenvalia.INI"_s << true << false;
    QTest::newRow("carpeta inexistente") << u"no/existe/quenvalia.INI"_s << false << false;
    QTest::newRow("el fichero es una carpeta") << u"quenvalia.INI"_s << false << true;
}

void TstConfiguracion::escrituraRechazada()
{
    QFETCH(QString, camino);
    QFETCH(bool, fichero);
    QFETCH(bool, carpeta);

    if (fichero)
        escribirFichero(m_dir->filePath(camino.section(u'/', 0, 0)), "ocupado");
    if (carpeta)
        QVERIFY(QDir().mkpath(m_dir->filePath(camino)));
    const QString ruta = m_dir->filePath(camino);
    qputenv("QUENVALIA_INI", QFile::encodeName(ruta));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^No se puede escribir"_s));
    QVERIFY(!escribirIniCadena(u"Acceso", u"Usuario", u"ana"_s));
    QCOMPARE(mensajeErrorEscrituraIni(),
             u"No se ha podido escribir el fichero de configuración: "_s + ruta);
}

void TstConfiguracion::descripcionFactura_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QStringList>("lineas");

    QTest::newRow("CRLF en Windows-1252")
            << QByteArray("Reparaci\xF3n de equipos\r\nPrecios en \x80\r\n")
            << QStringList {u"Reparación de equipos"_s, u"Precios en €"_s};
    QTest::newRow("LF y sin fin de línea final")
            << QByteArray("uno\n\ntres") << QStringList {u"uno"_s, QString(), u"tres"_s};
    QTest::newRow("vacío") << QByteArray() << QStringList();
}

void TstConfiguracion::descripcionFactura()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QStringList, lineas);

    escribirFichero(m_dir->filePath(u"Descripción factura.txt"_s), contenido);
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().descripcionFactura, lineas);
}

void TstConfiguracion::descripcionFacturaDesaparece()
{
    const QString ruta = m_dir->filePath(u"Descripción factura.txt"_s);
    escribirFichero(ruta, "una l\xEDnea\r\n");
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().descripcionFactura.size(), 1);

    QVERIFY(QFile::remove(ruta));
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().descripcionFactura, QStringList());
}

void TstConfiguracion::escribirDescripcionFactura()
{
    const QStringList lineas {u"Línea con ñ"_s, QString(), u"Total €"_s};
    QVERIFY(::escribirDescripcionFactura(lineas));
    QCOMPARE(leerFichero(rutaDescripcionFactura()),
             QByteArray("L\xEDnea con \xF1\r\n\r\nTotal \x80\r\n"));
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().descripcionFactura, lineas);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^No se puede escribir"_s));
    QVERIFY(!::escribirDescripcionFactura({u"dos\nlíneas"_s}));
}

void TstConfiguracion::codificarClaveSegunElGenerador()
{
    // From state 0 the generator gives 1, 134775814, ... whose top bytes are 0, 8, 220, 51.
    QCOMPARE(codificarClave(u"AAAA", 0), u"AI\u009Dr"_s);
    QCOMPARE(codificarClave(QString(4, QChar(0)), 0),
             desdeWindows1252(QByteArray("\x00\x08\xDC\x33", 4)));
}

void TstConfiguracion::codificarClaveDosVeces_data()
{
    QTest::addColumn<QString>("texto");

    QTest::newRow("vacío") << QString();
    QTest::newRow("ascii") << u"secreto"_s;
    QTest::newRow("acentos y euro") << u"Contraseña€ñ"_s;
    QTest::newRow("larga") << QString(300, u'x');
}

void TstConfiguracion::codificarClaveDosVeces()
{
    QFETCH(QString, texto);

    const QString codificado = codificarClave(texto, semillaClave);
    QCOMPARE(codificado.size(), texto.size());
    if (!texto.isEmpty())
        QVERIFY(codificado != texto);
    QCOMPARE(decodificarClave(codificado, semillaClave), texto);
    QCOMPARE(codificarClave(codificado, semillaClave), texto);
}

void TstConfiguracion::contrasenaConBytesDeControl()
{
    // The masks of the fixed seed are the scrambled form of NUL bytes; pick printable characters
    // whose scrambled bytes are NUL, CR and LF, one each.
    const QByteArray mascaras = aWindows1252(codificarClave(QString(64, QChar(0)), semillaClave));
    QByteArray objetivos("\x00\r\n", 3);
    QByteArray contrasena;
    for (const char mascara : mascaras) {
        char elegido = 'k';
        for (qsizetype i = 0; i < objetivos.size(); ++i) {
            const auto candidato = static_cast<unsigned char>(mascara ^ objetivos[i]);
            if ((candidato >= 0x20 && candidato < 0x7F) || candidato >= 0xA0) {
                elegido = static_cast<char>(candidato);
                objetivos.remove(i, 1);
                break;
            }
        }
        contrasena.append(elegido);
        if (objetivos.isEmpty())
            break;
    }
    QVERIFY2(objetivos.isEmpty(), "no password of 64 characters gives NUL, CR and LF");
    const QString texto = desdeWindows1252(contrasena);
    const QByteArray codificado = aWindows1252(codificarClave(texto, semillaClave));
    QVERIFY(codificado.contains('\0') && codificado.contains('\r') && codificado.contains('\n'));

    QVERIFY(escribirContrasenaBD(texto));
    const QString guardada = leerIniCadena(u"Base de datos", u"Tipo BD MySQL - Contraseña");
    QVERIFY(guardada.startsWith(u"hex:"_s));
    QCOMPARE(leerContrasenaBD(), texto);
    cargarConfiguracion();
    QCOMPARE(datosConfiguracion().bdContrasena, texto);

    // The rest of the file survives the line that holds the password.
    QVERIFY(escribirIniCadena(u"Base de datos", u"Tipo BD MySQL - Usuario", u"root"_s));
    QCOMPARE(leerContrasenaBD(), texto);
    QCOMPARE(leerIniCadena(u"Base de datos", u"Tipo BD MySQL - Usuario"), u"root"_s);

    QVERIFY(escribirContrasenaBD(QString()));
    QCOMPARE(leerIniCadena(u"Base de datos", u"Tipo BD MySQL - Contraseña", u"x"_s), QString());
    QCOMPARE(leerContrasenaBD(), QString());
}

void TstConfiguracion::contrasenaEscritaAMano_data()
{
    QTest::addColumn<QString>("guardada");

    QTest::newRow("texto") << u"secreto"_s;
    QTest::newRow("solo cifras hexadecimales") << u"1234"_s;
    QTest::newRow("prefijo con cifras no válidas") << u"hex:zz"_s;
    QTest::newRow("prefijo con cifras impares") << u"hex:ABC"_s;
}

void TstConfiguracion::contrasenaEscritaAMano()
{
    QFETCH(QString, guardada);

    QVERIFY(escribirIniCadena(u"Base de datos", u"Tipo BD MySQL - Contraseña", guardada));
    QCOMPARE(leerContrasenaBD(), guardada);
}

QTEST_GUILESS_MAIN(TstConfiguracion)
#include "tst_configuracion.moc"
