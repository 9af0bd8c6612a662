#include "BaseDatosPrueba.h"
#include "MensajesGrabados.h"
#include "Registro.h"
#include "UnidadModuloDatos.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The data module's datasets against a real server: what post() writes, the keys it learns,
// how refusals are reported and what state they leave.
class TstModuloDatos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void consultasDeListaSeEjecutan();
    void insertarAprendeElCodigo();
    void actualizaSoloLoCambiado();
    void duplicadoMuestraMensajeDeTabla();
    void otroErrorMuestraNumeroYTexto();
    void entradaSalidaUsaElTextoGenerico();
    void requeridoSeRechazaSinSentencia();
    void registroBorradoPorOtroPuesto();
    void cancelarRestaura();
    void textosAsignadosSeCortan();
    void valoresDerivados_data();
    void valoresDerivados();
    void buffersIndependientes();

private:
    qint64 marcaNueva(const QString &nombre);

    BaseDatosPrueba bd_;
};

void TstModuloDatos::initTestCase()
{
    QUENVALIA_CREAR_BD(bd_);
    VERIFICAR_BD(md().bd.conectar(bd_.parametros()), md().bd);
}

void TstModuloDatos::init()
{
    if (!md().bd.conectada())
        QSKIP("sin base de datos");
    QVERIFY(bd_.vaciar());
}

qint64 TstModuloDatos::marcaNueva(const QString &nombre)
{
    ResultadoEjecucion r;
    if (!bd_.conexion().ejecutar(u"INSERT INTO marca (nombre, observacion) VALUES (:n, 'obs')",
                                 {{u"n"_s, nombre}}, &r))
        return 0;
    return static_cast<qint64>(r.nuevoCodigo);
}

void TstModuloDatos::consultasDeListaSeEjecutan()
{
    for (Consulta *c : md().consultasLista()) {
        if (c->conexion() != &md().bd)
            continue; // the fiscal years live on their own connection
        QVERIFY2(c->abrir(), qPrintable(c->sql() + u"\n" + c->error().texto));
        c->cerrar();
    }
    QCOMPARE(md().datasets().size(), size_t(38));
}

void TstModuloDatos::insertarAprendeElCodigo()
{
    MensajesGrabados m;
    auto r = md().tMarca.crearRegistro();
    r->append();
    r->asignar(u"nombre", u"Peñalara"_s);
    QVERIFY(r->post());
    QVERIFY(r->codigo() > 0);
    QCOMPARE(r->estado(), Registro::Estado::Navegar);
    auto otro = md().tMarca.crearRegistro();
    QVERIFY(otro->locate(r->codigo()));
    QCOMPARE(otro->texto(u"nombre"), u"Peñalara"_s);
    QVERIFY(otro->esNulo(u"observacion")); // columns not assigned are not sent
    QVERIFY(m.registros().isEmpty());
}

void TstModuloDatos::actualizaSoloLoCambiado()
{
    const qint64 codigo = marcaNueva(u"Acme"_s);
    auto r = md().tMarca.crearRegistro();
    QVERIFY(r->locate(codigo));
    QVERIFY(r->edit());
    r->asignar(u"nombre", u"Acme Ibérica"_s);
    r->asignar(u"observacion", u"obs"_s); // same value: not a change
    QVERIFY(r->modificado(u"nombre"));
    QVERIFY(!r->modificado(u"observacion"));
    // Meanwhile another workstation changes the remark: our save must not overwrite it.
    VERIFICAR_BD(bd_.conexion().ejecutar(u"UPDATE marca SET observacion = 'otro puesto'"),
                 bd_.conexion());
    QVERIFY(r->post());
    TablaResultado t;
    VERIFICAR_BD(bd_.conexion().consultar(u"SELECT nombre, observacion FROM marca WHERE codigo = "
                                                  + QString::number(codigo),
                                          t),
                 bd_.conexion());
    QCOMPARE(t.texto(0, u"nombre"), u"Acme Ibérica"_s);
    QCOMPARE(t.texto(0, u"observacion"), u"otro puesto"_s);
}

void TstModuloDatos::duplicadoMuestraMensajeDeTabla()
{
    marcaNueva(u"Peña"_s);
    MensajesGrabados m;
    auto r = md().tMarca.crearRegistro();
    r->append();
    r->asignar(u"nombre", u"PEÑA"_s);
    QVERIFY(!r->post());
    QCOMPARE(m.registros(),
             (QList<MensajesGrabados::Registro> {
                     {Mensajes::Tipo::Aviso, u"Ya existe una marca con este nombre."_s}}));
    QCOMPARE(r->estado(), Registro::Estado::Insertar);
    QCOMPARE(r->texto(u"nombre"), u"PEÑA"_s);
    QCOMPARE(r->error().numero, 1062u);
}

void TstModuloDatos::otroErrorMuestraNumeroYTexto()
{
    VERIFICAR_BD(bd_.conexion().ejecutar(
                         u"CREATE TRIGGER rechazo BEFORE INSERT ON factura FOR EACH ROW "
                         "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Operación rechazada'"),
                 bd_.conexion());
    MensajesGrabados m;
    auto r = md().tFactura.crearRegistro();
    r->append();
    r->asignar(u"codigocliente", 1);
    r->asignar(u"numero", u"0001A/2026"_s);
    r->asignar(u"serie", u"A"_s);
    const bool guardado = r->post();
    VERIFICAR_BD(bd_.conexion().ejecutar(u"DROP TRIGGER rechazo"), bd_.conexion());
    QVERIFY(!guardado);
    QCOMPARE(m.registros(),
             (QList<MensajesGrabados::Registro> {
                     {Mensajes::Tipo::Informacion,
                      u"Se ha producido un error al intentar guardar el registro:\n\n1644 -> "
                      "Operación rechazada"_s}}));
    QCOMPARE(r->estado(), Registro::Estado::Insertar);
    QCOMPARE(r->texto(u"numero"), u"0001A/2026"_s);
    // The same buffer stores once the cause is gone.
    QVERIFY(r->post());
    QVERIFY(r->codigo() > 0);
}

void TstModuloDatos::entradaSalidaUsaElTextoGenerico()
{
    VERIFICAR_BD(bd_.conexion().ejecutar(
                         u"CREATE TRIGGER rechazo2 BEFORE INSERT ON entradasalida FOR EACH ROW "
                         "SIGNAL SQLSTATE '23000' SET MYSQL_ERRNO = 1062, MESSAGE_TEXT = 'dup'"),
                 bd_.conexion());
    MensajesGrabados m;
    auto r = md().tEntradaSalida.crearRegistro();
    r->append();
    r->asignar(u"equipo", u"Portátil"_s);
    const bool guardado = r->post();
    VERIFICAR_BD(bd_.conexion().ejecutar(u"DROP TRIGGER rechazo2"), bd_.conexion());
    QVERIFY(!guardado);
    QCOMPARE(
            m.textos(Mensajes::Tipo::Informacion),
            QStringList {
                    u"Se ha producido un error al intentar guardar el registro:\n\n1062 -> dup"_s});
    QVERIFY(m.textos(Mensajes::Tipo::Aviso).isEmpty());
}

void TstModuloDatos::requeridoSeRechazaSinSentencia()
{
    MensajesGrabados m;
    auto r = md().tUsuario.crearRegistro();
    r->append();
    r->asignar(u"nick", u""_s);
    r->asignar(u"nombre", u"Sin nick"_s);
    QVERIFY(!r->post());
    QCOMPARE(m.textos(Mensajes::Tipo::Aviso),
             QStringList {u"El campo 'Nick' debe tener un valor."_s});
    QCOMPARE(r->estado(), Registro::Estado::Insertar);
    TablaResultado t;
    VERIFICAR_BD(bd_.conexion().consultar(u"SELECT COUNT(*) FROM usuario", t), bd_.conexion());
    QCOMPARE(t.columna(0).entero(0), 0);
}

void TstModuloDatos::registroBorradoPorOtroPuesto()
{
    const qint64 codigo = marcaNueva(u"Efímera"_s);
    auto r = md().tMarca.crearRegistro();
    QVERIFY(r->locate(codigo));
    QVERIFY(r->edit());
    r->asignar(u"nombre", u"Cambiada"_s);
    VERIFICAR_BD(bd_.conexion().ejecutar(u"DELETE FROM marca WHERE codigo > 1"), bd_.conexion());
    MensajesGrabados m;
    QVERIFY(!r->post());
    QCOMPARE(m.textos(Mensajes::Tipo::Aviso),
             QStringList {u"El registro seleccionado ya no existe."_s});
    QCOMPARE(r->estado(), Registro::Estado::Editar);
    QVERIFY(!r->locate(codigo));
    QVERIFY(!r->error().hay());
}

void TstModuloDatos::cancelarRestaura()
{
    const qint64 codigo = marcaNueva(u"Original"_s);
    auto r = md().tMarca.crearRegistro();
    QVERIFY(r->locate(codigo));
    QVERIFY(r->edit());
    r->asignar(u"nombre", u"Tecleado"_s);
    r->cancel();
    QCOMPARE(r->texto(u"nombre"), u"Original"_s);
    QVERIFY(!r->hayCambios());
    // Cancelling a new row goes back to the row that was loaded.
    r->append();
    QVERIFY(r->esNulo(u"nombre"));
    r->cancel();
    QCOMPARE(r->texto(u"nombre"), u"Original"_s);
    QCOMPARE(r->codigo(), codigo);
    TablaResultado t;
    VERIFICAR_BD(bd_.conexion().consultar(u"SELECT nombre FROM marca WHERE codigo > 1", t),
                 bd_.conexion());
    QCOMPARE(t.filas(), 1);
    QCOMPARE(t.columna(0).texto(0), u"Original"_s);
}

void TstModuloDatos::textosAsignadosSeCortan()
{
    auto r = md().tUsuario.crearRegistro();
    r->append();
    r->asignar(u"nick", u"ñandúñandúñandúñandúXYZ"_s); // 23 characters into varchar(20)
    QCOMPARE(r->texto(u"nick"), u"ñandúñandúñandúñandú"_s);
    QVERIFY(r->post());
}

void TstModuloDatos::valoresDerivados_data()
{
    QTest::addColumn<double>("precio");
    QTest::addColumn<double>("unidades");
    QTest::addColumn<double>("importe");
    QTest::addColumn<double>("guardado");

    QTest::newRow("precio cero conserva el importe") << 0.0 << 5.0 << 12.0 << 12.0;
    QTest::newRow("precio por unidades") << 3.0 << 4.0 << 99.0 << 12.0;
}

void TstModuloDatos::valoresDerivados()
{
    QFETCH(double, precio);
    QFETCH(double, unidades);
    QFETCH(double, importe);
    QFETCH(double, guardado);
    auto r = md().tParteMaterial.crearRegistro();
    r->establecerCodigoPadre(41);
    r->append();
    QCOMPARE(r->entero(u"codigopartetrabajo"), 41);
    r->asignar(u"codigomaterial", 1);
    r->asignar(u"precio", precio);
    r->asignar(u"unidades", unidades);
    r->asignar(u"importe", importe);
    QVERIFY(r->post());
    TablaResultado t;
    VERIFICAR_BD(bd_.conexion().consultar(
                         u"SELECT importe, codigopartetrabajo FROM partetrabajomaterial", t),
                 bd_.conexion());
    QCOMPARE(t.real(0, u"importe"), guardado);
    QCOMPARE(t.entero(0, u"codigopartetrabajo"), 41);

    // Project tasks take their done flag from the dataset, whatever the window showed.
    auto tarea = md().tProyectoDetalleR.crearRegistro();
    tarea->establecerCodigoPadre(7);
    tarea->append();
    tarea->asignar(u"realizada", u"N"_s);
    tarea->asignar(u"tarea", u"Instalar"_s);
    QVERIFY(tarea->post());
    auto pendiente = md().tProyectoDetalleN.crearRegistro();
    pendiente->establecerCodigoPadre(7);
    pendiente->append();
    pendiente->asignar(u"tarea", u"Revisar"_s);
    QVERIFY(pendiente->post());
    VERIFICAR_BD(
            bd_.conexion().consultar(
                    u"SELECT tarea, realizada, codigoproyecto FROM proyectodetalle ORDER BY codigo",
                    t),
            bd_.conexion());
    QCOMPARE(t.texto(0, u"realizada"), u"S"_s);
    QCOMPARE(t.texto(1, u"realizada"), u"N"_s);
    QCOMPARE(t.entero(1, u"codigoproyecto"), 7);

    auto sql = md().tSQL.crearRegistro();
    sql->append();
    QCOMPARE(sql->texto(u"modificacion"), u"N"_s);
    QVERIFY(qAbs(sql->valor(u"fecha").toDateTime().secsTo(QDateTime::currentDateTime())) < 5);
}

void TstModuloDatos::buffersIndependientes()
{
    // A window that opens another edit view of the same kind keeps its own typed values.
    const qint64 codigo = marcaNueva(u"Exterior"_s);
    auto exterior = md().tMarca.crearRegistro();
    QVERIFY(exterior->locate(codigo));
    QVERIFY(exterior->edit());
    exterior->asignar(u"nombre", u"Exterior editada"_s);
    auto interior = md().tMarca.crearRegistro();
    interior->append();
    interior->asignar(u"nombre", u"Interior"_s);
    QVERIFY(interior->post());
    QCOMPARE(exterior->estado(), Registro::Estado::Editar);
    QCOMPARE(exterior->texto(u"nombre"), u"Exterior editada"_s);
    QVERIFY(exterior->post());
    TablaResultado t;
    VERIFICAR_BD(bd_.conexion().consultar(
                         u"SELECT nombre FROM marca WHERE codigo > 1 ORDER BY codigo", t),
                 bd_.conexion());
    QCOMPARE(t.filas(), 2);
    QCOMPARE(t.columna(0).texto(0), u"Exterior editada"_s);
    QCOMPARE(t.columna(0).texto(1), u"Interior"_s);
}

QTEST_GUILESS_MAIN(TstModuloDatos)
#include "tst_modulodatos.moc"
