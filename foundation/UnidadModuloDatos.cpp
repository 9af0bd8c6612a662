#include "UnidadModuloDatos.h"

#include "Registro.h"

#include <QDateTime>

namespace {

using Aviso = DatasetTabla::AvisoErrores;

} // namespace

Tmd::Tmd()
    : tScript(bd)
    , tCliente(&bd, "tercero", Aviso::MensajeTabla)
    , tContacto(&bd, "contacto", Aviso::SinTratar)
    , tGasto(&bd, "gasto", Aviso::SinTratar)
    , tRecurso(&bd, "recurso", Aviso::SinTratar)
    , tMaterial(&bd, "material", Aviso::MensajeTabla)
    , tNota(&bd, "nota", Aviso::SinTratar)
    , tFamilia(&bd, "familia", Aviso::MensajeTabla)
    , tCaja(&bd, "caja", Aviso::SinTratar)
    , tFactura(&bd, "factura", Aviso::MensajeTabla)
    , tDominio(&bd, "dominio", Aviso::SinTratar)
    , tFacturaDetalle(&bd, "facturadetalle", Aviso::SinTratar)
    , tUsuario(&bd, "usuario", Aviso::MensajeTabla)
    , tFacturaDetalleIns(&bd, "facturadetalle", Aviso::SinTratar)
    , tAlbaranProveedor(&bd, "albaranproveedor", Aviso::SinTratar)
    , tPago(&bd, "pago", Aviso::SinTratar)
    , tAlbaranProveedorDetalle(&bd, "albaranproveedordetalle", Aviso::SinTratar)
    , tCobro(&bd, "cobro", Aviso::SinTratar)
    , tEjercicio(&bdEjercicio, "ejercicio", Aviso::SinTratar)
    , tFacturaProveedor(&bd, "facturaproveedor", Aviso::SinTratar)
    , tChequePagare(&bd, "chequepagare", Aviso::SinTratar)
    , tFacturaDetalleProveedor(&bd, "facturaproveedordetalle", Aviso::SinTratar)
    , tTipoGasto(&bd, "tipogasto", Aviso::SinTratar)
    , tSQL(&bd, "consultasql", Aviso::SinTratar)
    , tFormaPago(&bd, "formapago", Aviso::SinTratar)
    , tContador(&bd, "contador", Aviso::MensajeTabla)
    , tSerie(&bd, "serie", Aviso::MensajeTabla)
    , tModelo(&bd, "modelo", Aviso::MensajeTabla)
    , tEntradaSalida(&bd, "entradasalida", Aviso::Generico)
    , tMarca(&bd, "marca", Aviso::MensajeTabla)
    , tProyecto(&bd, "proyecto", Aviso::SinTratar)
    , tParte(&bd, "partetrabajo", Aviso::MensajeTabla)
    , tProyectoDetalleR(&bd, "proyectodetalle", Aviso::SinTratar)
    , tParteDetalle(&bd, "partetrabajodetalle", Aviso::SinTratar)
    , tProyectoDetalleN(&bd, "proyectodetalle", Aviso::SinTratar)
    , tParteMaterial(&bd, "partetrabajomaterial", Aviso::SinTratar)
    , tTecnico(&bd, "tecnico", Aviso::SinTratar)
    , tAccion(&bd, "accion", Aviso::MensajeTabla)
    , tIncidencia(&bd, "incidencia", Aviso::SinTratar)
{
    tcCliente.establecerConexion(&bd);
    tcCliente.establecerSql(QStringLiteral("SELECT * FROM tercero"));
    tcMaterial.establecerConexion(&bd);
    tcMaterial.establecerSql(QStringLiteral(
            "SELECT t.*, j1.nombre Marca, j2.nombre Modelo, j3.nombre Familia, j4.nombre Tercero "
            "FROM material t INNER JOIN marca j1 ON j1.codigo = t.codigomarca INNER JOIN modelo j2 "
            "ON j2.codigo = t.codigomodelo INNER JOIN familia j3 ON j3.codigo = t.codigofamilia "
            "INNER JOIN tercero j4 ON j4.codigo = t.codigotercero"));
    tcFamilia.establecerConexion(&bd);
    tcFamilia.establecerSql(QStringLiteral("SELECT * FROM familia"));
    tcMarca.establecerConexion(&bd);
    tcMarca.establecerSql(QStringLiteral("SELECT * FROM marca"));
    tcModelo.establecerConexion(&bd);
    tcModelo.establecerSql(QStringLiteral("SELECT * FROM modelo"));
    tcFactura.establecerConexion(&bd);
    tcFactura.establecerSql(QStringLiteral(
            "SELECT t.*, COALESCE(t.importetotal, 0) - COALESCE(t.importecobrado, 0) ImportePendiente, j1.nombre Cliente "
            "FROM factura t LEFT JOIN tercero j1 ON j1.codigo = t.codigocliente"));
    tcFacturaDetalle.establecerConexion(&bd);
    tcFacturaDetalle.establecerSql(QStringLiteral("SELECT * FROM facturadetalle"));
    tcCobro.establecerConexion(&bd);
    tcCobro.establecerSql(QStringLiteral("SELECT t.*, j1.nombre Cliente FROM cobro t LEFT JOIN "
                                         "tercero j1 ON j1.codigo = t.codigocliente"));
    tcFacturaProveedor.establecerConexion(&bd);
    tcFacturaProveedor.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Proveedor FROM facturaproveedor t LEFT JOIN "
                           "tercero j1 ON j1.codigo = t.codigoproveedor"));
    tcFacturaDetalleProveedor.establecerConexion(&bd);
    tcFacturaDetalleProveedor.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Articulo FROM facturaproveedordetalle t LEFT "
                           "JOIN material j1 ON j1.codigo = t.codigomaterial"));
    tcPago.establecerConexion(&bd);
    tcPago.establecerSql(QStringLiteral("SELECT t.*, j1.nombre Proveedor FROM pago t LEFT JOIN "
                                        "tercero j1 ON j1.codigo = t.codigoproveedor"));
    tcGasto.establecerConexion(&bd);
    tcGasto.establecerSql(QStringLiteral("SELECT t.*, j1.nombre Proveedor FROM gasto t LEFT JOIN "
                                         "tercero j1 ON j1.codigo = t.codigoproveedor"));
    tcContador.establecerConexion(&bd);
    tcContador.establecerSql(QStringLiteral("SELECT * FROM contador"));
    tcSerie.establecerConexion(&bd);
    tcSerie.establecerSql(QStringLiteral("SELECT * FROM serie"));
    tcParte.establecerConexion(&bd);
    tcParte.establecerSql(QStringLiteral(
            "SELECT t.*, j1.nombre Cliente, j2.nombre Tecnico_1, j3.nombre Tecnico_2, j4.nombre "
            "Tecnico_3, j5.nombre Tecnico_4, j6.nombre Tecnico_5, j7.nombre Tecnico_6 FROM "
            "partetrabajo t INNER JOIN tercero j1 ON j1.codigo = t.codigocliente INNER JOIN "
            "tecnico j2 ON j2.codigo = t.tecnico1 INNER JOIN tecnico j3 ON j3.codigo = t.tecnico2 "
            "INNER JOIN tecnico j4 ON j4.codigo = t.tecnico3 INNER JOIN tecnico j5 ON j5.codigo = "
            "t.tecnico4 INNER JOIN tecnico j6 ON j6.codigo = t.tecnico5 INNER JOIN tecnico j7 ON "
            "j7.codigo = t.tecnico6"));
    tcParteDetalle.establecerConexion(&bd);
    tcParteDetalle.establecerSql(QStringLiteral("SELECT * FROM partetrabajodetalle"));
    tcParteMaterial.establecerConexion(&bd);
    tcParteMaterial.establecerSql(QStringLiteral("SELECT * FROM partetrabajomaterial"));
    tcTecnico.establecerConexion(&bd);
    tcTecnico.establecerSql(QStringLiteral("SELECT * FROM tecnico"));
    tcAccion.establecerConexion(&bd);
    tcAccion.establecerSql(QStringLiteral("SELECT * FROM accion"));
    tcContacto.establecerConexion(&bd);
    tcContacto.establecerSql(QStringLiteral("SELECT * FROM contacto"));
    tcRecurso.establecerConexion(&bd);
    tcRecurso.establecerSql(QStringLiteral("SELECT * FROM recurso"));
    tcNota.establecerConexion(&bd);
    tcNota.establecerSql(QStringLiteral("SELECT * FROM nota"));
    tcUsuario.establecerConexion(&bd);
    tcUsuario.establecerSql(QStringLiteral("SELECT * FROM usuario"));
    tcTipoGasto.establecerConexion(&bd);
    tcTipoGasto.establecerSql(QStringLiteral("SELECT * FROM tipogasto"));
    tcFormaPago.establecerConexion(&bd);
    tcFormaPago.establecerSql(QStringLiteral("SELECT * FROM formapago"));
    tcIncidencia.establecerConexion(&bd);
    tcIncidencia.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Cliente, j2.nombre Tecnico FROM incidencia t "
                           "LEFT JOIN tercero j1 ON j1.codigo = t.codigocliente LEFT JOIN tecnico "
                           "j2 ON j2.codigo = t.codigotecnico"));
    tcCaja.establecerConexion(&bd);
    tcCaja.establecerSql(QStringLiteral("SELECT t.*, j1.nombre Tecnico FROM caja t LEFT JOIN "
                                        "tecnico j1 ON j1.codigo = t.codigotecnico"));
    tcDominio.establecerConexion(&bd);
    tcDominio.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Cliente, j2.nombre Proveedor FROM dominio t LEFT "
                           "JOIN tercero j1 ON j1.codigo = t.codigocliente LEFT JOIN tercero j2 ON "
                           "j2.codigo = t.codigoproveedor"));
    tcAlbaranProveedor.establecerConexion(&bd);
    tcAlbaranProveedor.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Proveedor FROM albaranproveedor t LEFT JOIN "
                           "tercero j1 ON j1.codigo = t.codigoproveedor"));
    tcAlbaranProveedorDetalle.establecerConexion(&bd);
    tcAlbaranProveedorDetalle.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Articulo FROM albaranproveedordetalle t LEFT "
                           "JOIN material j1 ON j1.codigo = t.codigomaterial"));
    tcEjercicio.establecerConexion(&bdEjercicio);
    tcEjercicio.establecerSql(QStringLiteral("SELECT * FROM ejercicio"));
    tcChequePagare.establecerConexion(&bd);
    tcChequePagare.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Tercero FROM chequepagare t LEFT JOIN tercero j1 "
                           "ON j1.codigo = t.codigotercero"));
    tcDocumentos.establecerConexion(&bd);
    tcDocumentos.establecerSql(QStringLiteral("SELECT codigo, nombre, version, fechaalta, ruta, "
                                              "guardarbd, caracteristicas FROM documento"));
    tcEntradaSalida.establecerConexion(&bd);
    tcEntradaSalida.establecerSql(QStringLiteral(
            "SELECT t.*, j1.nombre Tercero_Entrada, j2.nombre Tecnico_Entrada, j3.nombre "
            "Tecnico_Salida FROM entradasalida t LEFT JOIN tercero j1 ON j1.codigo = "
            "t.codigoterceroentrada LEFT JOIN tecnico j2 ON j2.codigo = t.codigotecnicoentrada "
            "LEFT JOIN tecnico j3 ON j3.codigo = t.codigotecnicosalida"));
    tcProyecto.establecerConexion(&bd);
    tcProyecto.establecerSql(QStringLiteral("SELECT t.*, j1.nombre Cliente FROM proyecto t LEFT "
                                            "JOIN tercero j1 ON j1.codigo = t.codigocliente"));
    tcProyectoDetalleR.establecerConexion(&bd);
    tcProyectoDetalleR.establecerSql(QStringLiteral("SELECT * FROM proyectodetalle"));
    tcProyectoDetalleN.establecerConexion(&bd);
    tcProyectoDetalleN.establecerSql(QStringLiteral("SELECT * FROM proyectodetalle"));
    tcFacturaI.establecerConexion(&bd);
    tcFacturaI.establecerSql(
            QStringLiteral("SELECT t.*, c.nombre Cliente, c.cif CLCIF, c.direccion CLDIRECCION, "
                           "c.poblacion CLPOBLACION, c.provincia CLPROVINCIA, c.cp CLCP FROM "
                           "factura t LEFT JOIN tercero c ON c.codigo = t.codigocliente"));
    tcFacturaDetalleI.establecerConexion(&bd);
    tcFacturaDetalleI.establecerSql(QStringLiteral("SELECT * FROM facturadetalle"));
    tcFacturaProveedorDetalleI.establecerConexion(&bd);
    tcFacturaProveedorDetalleI.establecerSql(QStringLiteral("SELECT * FROM facturadetalle"));
    tcAlbaranProveedorI.establecerConexion(&bd);
    tcAlbaranProveedorI.establecerSql(QStringLiteral(
            "SELECT t.*, c.nombre Proveedor, c.cif CLCIF, c.direccion CLDIRECCION, c.poblacion "
            "CLPOBLACION, c.provincia CLPROVINCIA, c.cp CLCP FROM albaranproveedor t LEFT JOIN "
            "tercero c ON c.codigo = t.codigoproveedor"));
    tcAlbaranProveedorDetalleI.establecerConexion(&bd);
    tcAlbaranProveedorDetalleI.establecerSql(
            QStringLiteral("SELECT * FROM albaranproveedordetalle"));
    tcParteI.establecerConexion(&bd);
    tcParteI.establecerSql(QStringLiteral("SELECT t.*, j1.nombre Cliente FROM partetrabajo t LEFT "
                                          "JOIN tercero j1 ON j1.codigo = t.codigocliente"));
    tcParteDetalleI.establecerConexion(&bd);
    tcParteDetalleI.establecerSql(QStringLiteral("SELECT * FROM partetrabajodetalle"));
    tcParteDetalleMaterialI.establecerConexion(&bd);
    tcParteDetalleMaterialI.establecerSql(
            QStringLiteral("SELECT t.*, j1.nombre Material FROM partetrabajomaterial t LEFT JOIN "
                           "material j1 ON j1.codigo = t.codigomaterial"));
    tc.establecerConexion(&bd);
    tc2.establecerConexion(&bd);
    tc3.establecerConexion(&bd);
    tcStock.establecerConexion(&bd);
    tcSeleccion.establecerConexion(&bd);
    tSeleccionMultiple.establecerConexion(&bd);
    tcEjecutarSQL.establecerConexion(&bd);
    tcLista.establecerConexion(&bd);
    tcImpresion.establecerConexion(&bd);
    tcImpresionDetalle.establecerConexion(&bd);
    tcI.establecerConexion(&bd);

    // Defaults of a new row and values derived before storing.
    tSQL.alIniciarFila = [](Registro &r) {
        r.asignar(u"fecha", QDateTime::currentDateTime());
        r.asignar(u"modificacion", QStringLiteral("N"));
    };
    auto delParte = [](Registro &r) {
        r.asignar(u"codigopartetrabajo", r.codigoPadre());
    };
    tParteDetalle.alIniciarFila = delParte;
    tParteMaterial.alIniciarFila = delParte;
    tParteMaterial.antesDeGuardar = [](Registro &r) {
        if (r.real(u"precio") != 0)
            r.asignar(u"importe", r.real(u"unidades") * r.real(u"precio"));
    };
    tProyectoDetalleR.antesDeGuardar = [](Registro &r) {
        r.asignar(u"realizada", QStringLiteral("S"));
        r.asignar(u"codigoproyecto", r.codigoPadre());
    };
    tProyectoDetalleN.antesDeGuardar = [](Registro &r) {
        r.asignar(u"realizada", QStringLiteral("N"));
        r.asignar(u"codigoproyecto", r.codigoPadre());
    };
}

std::vector<DatasetTabla *> Tmd::datasets()
{
    return {&tCliente,
            &tContacto,
            &tGasto,
            &tRecurso,
            &tMaterial,
            &tNota,
            &tFamilia,
            &tCaja,
            &tFactura,
            &tDominio,
            &tFacturaDetalle,
            &tUsuario,
            &tFacturaDetalleIns,
            &tAlbaranProveedor,
            &tPago,
            &tAlbaranProveedorDetalle,
            &tCobro,
            &tEjercicio,
            &tFacturaProveedor,
            &tChequePagare,
            &tFacturaDetalleProveedor,
            &tTipoGasto,
            &tSQL,
            &tFormaPago,
            &tContador,
            &tSerie,
            &tModelo,
            &tEntradaSalida,
            &tMarca,
            &tProyecto,
            &tParte,
            &tProyectoDetalleR,
            &tParteDetalle,
            &tProyectoDetalleN,
            &tParteMaterial,
            &tTecnico,
            &tAccion,
            &tIncidencia};
}

std::vector<Consulta *> Tmd::consultasLista()
{
    return {&tcCliente,
            &tcMaterial,
            &tcFamilia,
            &tcMarca,
            &tcModelo,
            &tcFactura,
            &tcFacturaDetalle,
            &tcCobro,
            &tcFacturaProveedor,
            &tcFacturaDetalleProveedor,
            &tcPago,
            &tcGasto,
            &tcContador,
            &tcSerie,
            &tcParte,
            &tcParteDetalle,
            &tcParteMaterial,
            &tcTecnico,
            &tcAccion,
            &tcContacto,
            &tcRecurso,
            &tcNota,
            &tcUsuario,
            &tcTipoGasto,
            &tcFormaPago,
            &tcIncidencia,
            &tcCaja,
            &tcDominio,
            &tcAlbaranProveedor,
            &tcAlbaranProveedorDetalle,
            &tcEjercicio,
            &tcChequePagare,
            &tcDocumentos,
            &tcEntradaSalida,
            &tcProyecto,
            &tcProyectoDetalleR,
            &tcProyectoDetalleN,
            &tcFacturaI,
            &tcFacturaDetalleI,
            &tcFacturaProveedorDetalleI,
            &tcAlbaranProveedorI,
            &tcAlbaranProveedorDetalleI,
            &tcParteI,
            &tcParteDetalleI,
            &tcParteDetalleMaterialI};
}

Tmd &md()
{
    static Tmd instancia;
    return instancia;
}
