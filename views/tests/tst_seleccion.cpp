#include "BaseDatosPrueba.h"
#include "DefinicionSeleccion.h"
#include "EstadoNavegacion.h"
#include "MensajesGrabados.h"
#include "ModeloSeleccion.h"
#include "RegistroEdicion.h"
#include "UnidadModuloDatos.h"
#include "UnidadSeleccion.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <memory>

class TestSeleccion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void cadaEntidadAbre_data();
    void cadaEntidadAbre();
    void busquedaPorNombre_data();
    void busquedaPorNombre();
    void pausaAntesDeBuscar();
    void localizarCodigo_data();
    void localizarCodigo();
    void cifOrdenaSinBuscar();
    void partesDelTercero_data();
    void partesDelTercero();
    void partesPorFecha_data();
    void partesPorFecha();
    void otraOpcionOlvidaElTexto();
    void seleccionarFila_data();
    void seleccionarFila();
    void teclasDelBuscador_data();
    void teclasDelBuscador();
    void escapeDevuelveCero_data();
    void escapeDevuelveCero();
    void salidas_data();
    void salidas();
    void errores();
    void nuevo();
    void presentacion();

private:
    void ejecutar(const QString &sql);
    void marcas(const QStringList &nombres);
    void datosPartes();
    static QStringList columnaTexto(const ModeloSeleccion &modelo, int columna);
    static QList<qint64> codigos(const ModeloSeleccion &modelo);
    static qint64 codigoActual(const TformSeleccion &dialogo);

    BaseDatosPrueba bd_;
    std::unique_ptr<MensajesGrabados> mensajes_;
};

void TestSeleccion::initTestCase()
{
    QUENVALIA_CREAR_BD(bd_);
    QVERIFY(md().bd.conectar(bd_.parametros()));
}

void TestSeleccion::init()
{
    QVERIFY(bd_.vaciar());
    navegacion() = EstadoNavegacion();
    mensajes_ = std::make_unique<MensajesGrabados>();
}

void TestSeleccion::cleanup()
{
    // Puts back the table that errores() hides, should it have stopped half way.
    (void)md().bd.ejecutar(u"RENAME TABLE marca_fuera TO marca");
    mensajes_.reset();
}

void TestSeleccion::ejecutar(const QString &sql)
{
    VERIFICAR_BD(md().bd.ejecutar(sql), md().bd);
}

void TestSeleccion::marcas(const QStringList &nombres)
{
    for (const QString &n : nombres)
        VERIFICAR_BD(md().bd.ejecutar(u"INSERT INTO marca (nombre) VALUES (:n)",
                                      {{QStringLiteral("n"), n}}),
                     md().bd);
}

// Customer 7 with orders 1 (15/03/2026 10:30), 2 (invoiced) and 4 (16/03/2026, no time);
// customer 8 with order 3. Technicians 2 "Ana Ruiz" and 3 "Luis Gil".
void TestSeleccion::datosPartes()
{
    ejecutar(QStringLiteral("INSERT INTO tercero (codigo, nombre, cif, tipo) VALUES "
                            "(7, 'Talleres Peña', 'B1', 'Cliente'), (8, 'Óptica Sol', 'B2', "
                            "'Cliente')"));
    ejecutar(QStringLiteral(
            "INSERT INTO tecnico (codigo, nombre) VALUES (2, 'Ana Ruiz'), (3, 'Luis Gil')"));
    ejecutar(QStringLiteral(
            "INSERT INTO partetrabajo (codigo, numero, fecha, totalhoras, facturado, "
            "codigocliente, tecnico1, tecnico2) VALUES "
            "(1, 101, '2026-03-15 10:30:00', 2.5, 'N', 7, 2, 3), "
            "(2, 102, '2026-03-15 00:00:00', 1, 'S', 7, 2, 3), "
            "(3, 103, '2026-03-15 00:00:00', 1, 'N', 8, 3, 2), "
            "(4, 1104, '2026-03-16 00:00:00', 4, 'N', 7, 3, 2)"));
}

QStringList TestSeleccion::columnaTexto(const ModeloSeleccion &modelo, int columna)
{
    QStringList r;
    for (int i = 0; i < modelo.rowCount(); ++i)
        r.append(modelo.index(i, columna).data().toString());
    return r;
}

QList<qint64> TestSeleccion::codigos(const ModeloSeleccion &modelo)
{
    QList<qint64> r;
    for (int i = 0; i < modelo.rowCount(); ++i)
        r.append(modelo.codigo(i));
    return r;
}

qint64 TestSeleccion::codigoActual(const TformSeleccion &dialogo)
{
    return dialogo.modelo()->codigo(dialogo.tabla()->currentIndex().row());
}

void TestSeleccion::cadaEntidadAbre_data()
{
    QTest::addColumn<int>("entidad");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QStringList>("opciones");

    const QStringList estandar {QStringLiteral("&Nombre"), QStringLiteral("Códig&o")};
    const QStringList terceros {QStringLiteral("&Nombre"), QStringLiteral("Códig&o"),
                                QStringLiteral("Cif/Nif")};
    QTest::newRow("1") << 1 << QStringLiteral("Selección de Tipo de Gasto...") << estandar;
    QTest::newRow("10") << 10 << QStringLiteral("Selección de proveedor...") << terceros;
    QTest::newRow("15") << 15 << QStringLiteral("Selección de forma de pago...") << estandar;
    QTest::newRow("20") << 20 << QStringLiteral("Selección de cliente...") << terceros;
    QTest::newRow("21") << 21 << QStringLiteral("Selección de forma de departamento...")
                        << estandar;
    QTest::newRow("30") << 30 << QStringLiteral("Selección de artículo...")
                        << QStringList {QStringLiteral("&Nombre"), QStringLiteral("Códig&o"),
                                        QStringLiteral("Familia"), QStringLiteral("Marca")};
    QTest::newRow("50") << 50 << QStringLiteral("Selección de Marca...") << estandar;
    QTest::newRow("80") << 80 << QStringLiteral("Selección de Modelo...") << estandar;
    QTest::newRow("90") << 90 << QStringLiteral("Selección de Familia...") << estandar;
    QTest::newRow("160") << 160 << QStringLiteral("Selección de parte de trabajo...")
                         << QStringList {QStringLiteral("&Número"), QStringLiteral("Códig&o"),
                                         QStringLiteral("Técnico 1"), QStringLiteral("Fecha")};
    QTest::newRow("170") << 170 << QStringLiteral("Selección de Acción...") << estandar;
    QTest::newRow("180") << 180 << QStringLiteral("Selección de Técnico...") << estandar;
    QTest::newRow("190") << 190 << QStringLiteral("Búsqueda de incidencia...")
                         << QStringList {QStringLiteral("&Incidencia"),
                                         QStringLiteral("&Resolución"), QStringLiteral("Contacto"),
                                         QStringLiteral("Asunto")};
    QTest::newRow("200") << 200 << QStringLiteral("Selección de Contacto...") << estandar;
    QTest::newRow("210") << 210 << QStringLiteral("Selección de tercero...") << terceros;
    QTest::newRow("220") << 220 << QStringLiteral("Selección de Recurso...") << estandar;
    QTest::newRow("230") << 230 << QStringLiteral("Selección de Nota...")
                         << QStringList {QStringLiteral("&Contenido"), QStringLiteral("&Asunto"),
                                         QStringLiteral("Códig&o")};
    QTest::newRow("291") << 291 << QStringLiteral("Selección de Serie...") << estandar;
}

// Every kind opens with every option and every search statement is valid SQL.
void TestSeleccion::cadaEntidadAbre()
{
    QFETCH(int, entidad);
    QFETCH(QString, titulo);
    QFETCH(QStringList, opciones);

    TformSeleccion dialogo(entidad);
    dialogo.show();
    QCOMPARE(dialogo.windowTitle(), titulo);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(dialogo.botonOpcion(i)->isVisible(), i < opciones.size());
        if (i < opciones.size())
            QCOMPARE(dialogo.botonOpcion(i)->text(), opciones.at(i));
    }
    QVERIFY(dialogo.botonOpcion(0)->isChecked());
    for (int i = 0; i < opciones.size(); ++i) {
        dialogo.elegirOpcion(i);
        QVERIFY2(mensajes_->registros().isEmpty(),
                 qPrintable(mensajes_->registros().value(0).texto));
    }

    const DefinicionSeleccion *definicion = definicionSeleccion(entidad);
    QVERIFY(definicion);
    for (int i = 0; i < definicion->numOpciones; ++i) {
        const QString sql = sentenciaBusquedaSeleccion(*definicion, i);
        if (sql.isEmpty())
            continue;
        Parametros p;
        p.poner(QStringLiteral("pValor"), QStringLiteral("%a%"));
        ponerParametrosSeleccion(*definicion, 7, p);
        TablaResultado filas;
        VERIFICAR_BD(md().bd.consultar(sql, p, filas), md().bd);
    }
}

void TestSeleccion::busquedaPorNombre_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("esperados");

    QTest::newRow("ana en cualquier sitio, sin mayúsculas")
            << QStringLiteral("ana")
            << QStringList {QStringLiteral("ANAlógica"), QStringLiteral("Anacleto"),
                            QStringLiteral("Banana Tech"), QStringLiteral("Mariana")};
    QTest::newRow("vacío ofrece todas")
            << QString()
            << QStringList {QStringLiteral("ANAlógica"),   QStringLiteral("Anacleto"),
                            QStringLiteral("Banana Tech"), QStringLiteral("Indeterminado"),
                            QStringLiteral("Mariana"),     QStringLiteral("O'Brien"),
                            QStringLiteral("Sony")};
    QTest::newRow("comilla") << QStringLiteral("O'Br") << QStringList {QStringLiteral("O'Brien")};
    QTest::newRow("comilla e inyección") << QStringLiteral("' OR '1'='1") << QStringList {};
    QTest::newRow("sin coincidencias") << QStringLiteral("zzz") << QStringList {};
}

void TestSeleccion::busquedaPorNombre()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, esperados);
    marcas({QStringLiteral("Sony"), QStringLiteral("Banana Tech"), QStringLiteral("Mariana"),
            QStringLiteral("O'Brien"), QStringLiteral("ANAlógica"), QStringLiteral("Anacleto")});

    TformSeleccion dialogo(50);
    dialogo.show();
    QCOMPARE(dialogo.modelo()->rowCount(), 7);
    dialogo.txtBuscar()->setText(QStringLiteral("x"));
    dialogo.txtBuscar()->setText(texto);
    QVERIFY(dialogo.timer1()->isActive());
    dialogo.Timer1Timer();
    QVERIFY(!dialogo.timer1()->isActive());

    QStringList nombres = columnaTexto(*dialogo.modelo(), 1);
    nombres.sort();
    QCOMPARE(nombres, esperados);
    QCOMPARE(dialogo.modelo()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Código"));
    QVERIFY(mensajes_->registros().isEmpty());
}

// Typing runs one search, half a second after the last key.
void TestSeleccion::pausaAntesDeBuscar()
{
    marcas({QStringLiteral("Banana Tech"), QStringLiteral("Sony")});
    TformSeleccion dialogo(50);
    dialogo.show();
    QVERIFY(dialogo.timer1()->isSingleShot());
    QSignalSpy disparos(dialogo.timer1(), &QTimer::timeout);

    QTest::keyClicks(dialogo.txtBuscar(), QStringLiteral("ana"));
    QVERIFY(dialogo.timer1()->isActive());
    QCOMPARE(dialogo.timer1()->interval(), 500);
    QCOMPARE(dialogo.modelo()->rowCount(), 3);

    QTRY_COMPARE(dialogo.modelo()->rowCount(), 1);
    QCOMPARE(disparos.count(), 1);
    QTest::qWait(700);
    QCOMPARE(disparos.count(), 1);

    dialogo.txtBuscar()->clear();
    QTRY_COMPARE(dialogo.modelo()->rowCount(), 3);
    QCOMPARE(disparos.count(), 2);
}

void TestSeleccion::localizarCodigo_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qint64>("esperado");

    QTest::newRow("12 antes que 120 y 1200") << QStringLiteral("12") << qint64(12);
    QTest::newRow("120") << QStringLiteral("120") << qint64(120);
    QTest::newRow("sin coincidencia no se mueve") << QStringLiteral("9") << qint64(1200);
    QTest::newRow("letras no se mueve") << QStringLiteral("abc") << qint64(1200);
    QTest::newRow("vacío va a la primera") << QString() << qint64(1);
}

void TestSeleccion::localizarCodigo()
{
    QFETCH(QString, texto);
    QFETCH(qint64, esperado);
    ejecutar(QStringLiteral("INSERT INTO marca (codigo, nombre) VALUES (1200, 'D'), (5, 'A'), "
                            "(120, 'C'), (12, 'B'), (3, 'E')"));

    TformSeleccion dialogo(50);
    dialogo.show();
    dialogo.elegirOpcion(1);
    QCOMPARE(dialogo.lblBuscar()->text(), QStringLiteral("&Buscar por Código"));
    const QList<qint64> orden {1, 3, 5, 12, 120, 1200};
    QCOMPARE(codigos(*dialogo.modelo()), orden);
    dialogo.tabla()->setCurrentIndex(dialogo.modelo()->index(5, 0));

    dialogo.txtBuscar()->setText(texto + u'x');
    dialogo.txtBuscar()->setText(texto);
    dialogo.Timer1Timer();
    QCOMPARE(codigoActual(dialogo), esperado);
    QCOMPARE(codigos(*dialogo.modelo()), orden);
}

void TestSeleccion::cifOrdenaSinBuscar()
{
    ejecutar(QStringLiteral("INSERT INTO tercero (codigo, nombre, cif, tipo) VALUES "
                            "(2, 'Zeta', 'C3', 'Cliente'), (3, 'Alfa', 'A1', 'Otro'), "
                            "(4, 'Beta', 'B2', 'Proveedor')"));
    TformSeleccion dialogo(20);
    dialogo.show();
    dialogo.elegirOpcion(2);
    const QList<qint64> porCif {1, 3, 2};
    QCOMPARE(codigos(*dialogo.modelo()), porCif);
    dialogo.txtBuscar()->setText(QStringLiteral("Zeta"));
    dialogo.Timer1Timer();
    QCOMPARE(codigos(*dialogo.modelo()), porCif);

    TformSeleccion proveedores(10);
    proveedores.show();
    QCOMPARE(codigos(*proveedores.modelo()), (QList<qint64> {3, 4}));
}

void TestSeleccion::partesDelTercero_data()
{
    QTest::addColumn<qint64>("tercero");
    QTest::addColumn<QList<qint64>>("esperados");
    QTest::addColumn<QList<qint64>>("numeroCon01");

    QTest::newRow("sin facturar del cliente")
            << qint64(7) << QList<qint64> {1, 4} << QList<qint64> {1};
    QTest::newRow("otro cliente") << qint64(8) << QList<qint64> {3} << QList<qint64> {};
    QTest::newRow("sin tercero") << qint64(0) << QList<qint64> {} << QList<qint64> {};
}

void TestSeleccion::partesDelTercero()
{
    QFETCH(qint64, tercero);
    QFETCH(QList<qint64>, esperados);
    QFETCH(QList<qint64>, numeroCon01);
    datosPartes();
    navegacion().codigoTerceroLinea = tercero;

    TformSeleccion dialogo(160);
    dialogo.show();
    QCOMPARE(codigos(*dialogo.modelo()), esperados);

    // A search keeps both conditions.
    dialogo.txtBuscar()->setText(QStringLiteral("01"));
    dialogo.Timer1Timer();
    QCOMPARE(codigos(*dialogo.modelo()), numeroCon01);
}

void TestSeleccion::partesPorFecha_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QList<qint64>>("esperados");

    QTest::newRow("día con hora guardada") << QStringLiteral("15/03/2026") << QList<qint64> {1};
    QTest::newRow("día a medianoche") << QStringLiteral("16/03/2026") << QList<qint64> {4};
    QTest::newRow("año incompleto") << QStringLiteral("15/03/20") << QList<qint64> {};
    QTest::newRow("fecha imposible") << QStringLiteral("45/13/2026") << QList<qint64> {};
}

void TestSeleccion::partesPorFecha()
{
    QFETCH(QString, texto);
    QFETCH(QList<qint64>, esperados);
    datosPartes();
    navegacion().codigoTerceroLinea = 7;

    TformSeleccion dialogo(160);
    dialogo.show();
    QVERIFY(dialogo.txtBuscar()->inputMask().isEmpty());
    dialogo.elegirOpcion(3);
    QCOMPARE(dialogo.txtBuscar()->inputMask(), QStringLiteral("99/99/0000;_"));
    QCOMPARE(dialogo.lblBuscar()->text(), QStringLiteral("&Buscar por fecha"));
    QCOMPARE(codigos(*dialogo.modelo()), (QList<qint64> {1, 4}));

    dialogo.txtBuscar()->setText(texto);
    QVERIFY(dialogo.timer1()->isActive());
    dialogo.Timer1Timer();
    QCOMPARE(codigos(*dialogo.modelo()), esperados);
    QVERIFY(mensajes_->registros().isEmpty());

    dialogo.elegirOpcion(0);
    QVERIFY(dialogo.txtBuscar()->inputMask().isEmpty());
}

// The text stays but only a new change applies it.
void TestSeleccion::otraOpcionOlvidaElTexto()
{
    marcas({QStringLiteral("Banana Tech"), QStringLiteral("Sony")});
    TformSeleccion dialogo(50);
    dialogo.show();
    dialogo.txtBuscar()->setText(QStringLiteral("ana"));
    dialogo.Timer1Timer();
    QCOMPARE(dialogo.modelo()->rowCount(), 1);

    dialogo.elegirOpcion(1);
    QCOMPARE(dialogo.txtBuscar()->text(), QStringLiteral("ana"));
    QVERIFY(!dialogo.timer1()->isActive());
    QCOMPARE(dialogo.modelo()->rowCount(), 3);
}

void TestSeleccion::seleccionarFila_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("botón") << QStringLiteral("boton");
    QTest::newRow("Ctrl+P") << QStringLiteral("ctrlP");
    QTest::newRow("doble clic") << QStringLiteral("dobleClic");
    QTest::newRow("Intro") << QStringLiteral("intro");
    QTest::newRow("c") << QStringLiteral("c");
    QTest::newRow("C") << QStringLiteral("C");
}

void TestSeleccion::seleccionarFila()
{
    QFETCH(QString, como);
    ejecutar(QStringLiteral(
            "INSERT INTO marca (codigo, nombre) VALUES (5, 'Cinco'), (9, 'Nueve'), (12, 'Doce')"));
    navegacion().codigoSeleccionado = 77;

    TformSeleccion dialogo(50);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    QCOMPARE(navegacion().codigoSeleccionado, qint64(0));
    QTableView *tabla = dialogo.tabla();
    tabla->setFocus();
    const int fila = static_cast<int>(codigos(*dialogo.modelo()).indexOf(9));
    QVERIFY(fila > 0);
    tabla->setCurrentIndex(dialogo.modelo()->index(fila, 1));

    if (como == u"boton") {
        dialogo.actSeleccionar()->trigger();
    } else if (como == u"ctrlP") {
        QTest::keyClick(tabla, Qt::Key_P, Qt::ControlModifier);
    } else if (como == u"dobleClic") {
        const QPoint punto = tabla->visualRect(dialogo.modelo()->index(fila, 1)).center();
        QTest::mouseClick(tabla->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(tabla->viewport(), Qt::LeftButton, {}, punto);
    } else if (como == u"intro") {
        QTest::keyClick(tabla, Qt::Key_Return);
    } else {
        QTest::keyClicks(tabla, como);
    }
    QCOMPARE(navegacion().codigoSeleccionado, qint64(9));
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QVERIFY(!dialogo.isVisible());
}

void TestSeleccion::teclasDelBuscador_data()
{
    QTest::addColumn<int>("tecla");
    QTest::newRow("Intro") << int(Qt::Key_Return);
    QTest::newRow("Intro del teclado numérico") << int(Qt::Key_Enter);
    QTest::newRow("flecha abajo") << int(Qt::Key_Down);
}

// Enter and Arrow Down in the search box go to the grid; they do not select.
void TestSeleccion::teclasDelBuscador()
{
    QFETCH(int, tecla);
    marcas({QStringLiteral("Sony")});
    TformSeleccion dialogo(50);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    QCOMPARE(QApplication::focusWidget(), dialogo.txtBuscar());
    QTest::keyClick(dialogo.txtBuscar(), Qt::Key(tecla));
    QCOMPARE(QApplication::focusWidget(), dialogo.tabla());
    QVERIFY(dialogo.isVisible());
    QCOMPARE(navegacion().codigoSeleccionado, qint64(0));
    QCOMPARE(codigoActual(dialogo), qint64(1));
}

void TestSeleccion::escapeDevuelveCero_data()
{
    QTest::addColumn<bool>("enLaTabla");
    QTest::newRow("en la tabla") << true;
    QTest::newRow("en el buscador") << false;
}

void TestSeleccion::escapeDevuelveCero()
{
    QFETCH(bool, enLaTabla);
    marcas({QStringLiteral("Sony"), QStringLiteral("Philips")});
    navegacion().codigoSeleccionado = 77;
    navegacion().nombreSeleccionado = QStringLiteral("antes");

    TformSeleccion dialogo(210);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    QWidget *donde = enLaTabla ? static_cast<QWidget *>(dialogo.tabla()) : dialogo.txtBuscar();
    donde->setFocus();
    QTest::keyClick(dialogo.tabla(), Qt::Key_Down);
    QTest::keyClick(donde, Qt::Key_Escape);
    QCOMPARE(dialogo.result(), int(QDialog::Rejected));
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(navegacion().codigoSeleccionado, qint64(0));
    QCOMPARE(navegacion().nombreSeleccionado, QStringLiteral("antes"));
}

void TestSeleccion::salidas_data()
{
    QTest::addColumn<int>("entidad");
    QTest::addColumn<qint64>("codigo");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("detalle");

    QTest::newRow("contacto") << 200 << qint64(4) << QStringLiteral("Begoña O'Brien")
                              << QStringLiteral("Email: bego@example.com - Móvil: 600111222");
    QTest::newRow("tercero") << 210 << qint64(4) << QStringLiteral("Begoña O'Brien")
                             << QStringLiteral("antes");
    QTest::newRow("marca: solo el código")
            << 50 << qint64(4) << QStringLiteral("antes") << QStringLiteral("antes");
    QTest::newRow("código 0: nada")
            << 200 << qint64(0) << QStringLiteral("antes") << QStringLiteral("antes");
}

void TestSeleccion::salidas()
{
    QFETCH(int, entidad);
    QFETCH(qint64, codigo);
    QFETCH(QString, nombre);
    QFETCH(QString, detalle);
    const QString quien = QStringLiteral("Begoña O'Brien");
    const Parametros p {{QStringLiteral("c"), codigo}, {QStringLiteral("n"), quien}};
    VERIFICAR_BD(md().bd.ejecutar(u"INSERT INTO contacto (codigo, nombre, movilempresa1, "
                                  u"emailempresa1) VALUES (:c, :n, '600111222', "
                                  u"'bego@example.com')",
                                  p),
                 md().bd);
    if (codigo == 0)
        ejecutar(QStringLiteral("UPDATE contacto SET codigo = 0"));
    VERIFICAR_BD(md().bd.ejecutar(u"INSERT INTO tercero (codigo, nombre, cif, tipo) "
                                  u"VALUES (:c, :n, '', 'Cliente')",
                                  p),
                 md().bd);
    VERIFICAR_BD(md().bd.ejecutar(u"INSERT INTO marca (codigo, nombre) VALUES (:c, :n)", p),
                 md().bd);
    navegacion().nombreSeleccionado = QStringLiteral("antes");
    navegacion().detalleSeleccionado = QStringLiteral("antes");

    TformSeleccion dialogo(entidad);
    dialogo.show();
    dialogo.txtBuscar()->setText(QStringLiteral("O'Bri"));
    dialogo.Timer1Timer();
    QCOMPARE(dialogo.modelo()->rowCount(), 1);
    dialogo.seleccionar();
    QCOMPARE(navegacion().codigoSeleccionado, codigo);
    QCOMPARE(navegacion().nombreSeleccionado, nombre);
    QCOMPARE(navegacion().detalleSeleccionado, detalle);
}

// A failed search keeps the rows silently; a failed refresh says why.
void TestSeleccion::errores()
{
    marcas({QStringLiteral("Banana Tech"), QStringLiteral("Sony")});
    TformSeleccion dialogo(50);
    dialogo.show();
    ejecutar(QStringLiteral("RENAME TABLE marca TO marca_fuera"));
    dialogo.txtBuscar()->setText(QStringLiteral("ana"));
    dialogo.Timer1Timer();
    QCOMPARE(dialogo.modelo()->rowCount(), 3);
    QVERIFY(mensajes_->registros().isEmpty());

    const qint64 actual = codigoActual(dialogo);
    QVERIFY(actual > 0);
    dialogo.seleccionar();
    QCOMPARE(navegacion().codigoSeleccionado, actual);

    dialogo.show();
    QCOMPARE(dialogo.modelo()->rowCount(), 0);
    const QStringList errores = mensajes_->textos(Mensajes::Tipo::Error);
    QCOMPARE(errores.size(), 1);
    QVERIFY2(errores.at(0).contains(QStringLiteral("marca")), qPrintable(errores.at(0)));
    ejecutar(QStringLiteral("RENAME TABLE marca_fuera TO marca"));

    // Selecting on an empty grid gives no code.
    dialogo.seleccionar();
    QCOMPARE(navegacion().codigoSeleccionado, qint64(0));
}

void TestSeleccion::nuevo()
{
    QString modo;
    registrarVistaEdicion(170, [&modo](QWidget *padre) {
        modo = navegacion().modoEdicion;
        auto vista = std::make_unique<QDialog>(padre);
        QDialog *v = vista.get();
        QTimer::singleShot(0, v, [v] {
            (void)md().bd.ejecutar(u"INSERT INTO accion (codigo, nombre) VALUES (3, 'Revisar')");
            v->accept();
        });
        return vista;
    });

    TformSeleccion dialogo(170);
    QVERIFY(dialogo.actNuevo()->isEnabled());
    dialogo.show();
    QCOMPARE(dialogo.modelo()->rowCount(), 0);
    dialogo.actNuevo()->trigger();
    QCOMPARE(modo, QStringLiteral("nuevo"));
    QCOMPARE(codigos(*dialogo.modelo()), QList<qint64> {3});
    QCOMPARE(navegacion().codigoSeleccionado, qint64(0));
    QVERIFY(dialogo.isVisible());

    dialogo.establecerNuevoPermitido(false);
    QVERIFY(!dialogo.actNuevo()->isEnabled());
    TformSeleccion sinVista(190);
    QVERIFY(!sinVista.actNuevo()->isEnabled());
    sinVista.establecerNuevoPermitido(true);
    QVERIFY(!sinVista.actNuevo()->isEnabled());
}

// Captions, widths from characters, typed display.
void TestSeleccion::presentacion()
{
    ejecutar(QStringLiteral("INSERT INTO material (codigo, nombre, codigofamilia, codigomarca, "
                            "codigomodelo, precioventa) VALUES (8, 'Taladro', 1, 1, 1, 1234.5)"));
    TformSeleccion dialogo(30);
    dialogo.show();
    const ModeloSeleccion *m = dialogo.modelo();
    QCOMPARE(m->rowCount(), 1);
    QStringList titulos;
    for (int i = 0; i < m->columnCount(); ++i)
        titulos.append(m->headerData(i, Qt::Horizontal).toString());
    QCOMPARE(titulos,
             (QStringList {QStringLiteral("Cód."), QStringLiteral("Artículo"),
                           QStringLiteral("Familia"), QStringLiteral("Marca"),
                           QStringLiteral("Mod."), QStringLiteral("PVP")}));
    QCOMPARE(dialogo.tabla()->columnWidth(1), dialogo.anchoColumna(45));
    const QFontMetrics letra = dialogo.tabla()->horizontalHeader()->fontMetrics();
    QVERIFY(dialogo.tabla()->columnWidth(0) > letra.horizontalAdvance(QStringLiteral("Cód.")));
    QCOMPARE(m->index(0, 5).data().toString(), QStringLiteral("1.234,50"));
    QVERIFY(m->index(0, 5).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    QVERIFY(m->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);

    datosPartes();
    navegacion().codigoTerceroLinea = 7;
    TformSeleccion partes(160);
    partes.show();
    QCOMPARE(partes.modelo()->index(0, 2).data().toString(), QStringLiteral("15/03/2026"));
    QCOMPARE(partes.modelo()->headerData(4, Qt::Horizontal).toString(),
             QStringLiteral("Técnico 1"));
}

QTEST_MAIN(TestSeleccion)
#include "tst_seleccion.moc"
