// The columns of every table, in the order of crear_tablas.sql. Labels and formats are the
// ones the lists and edit views show; tst_descriptores checks this file against the script.

#include "DescriptorTabla.h"

namespace esquema {
namespace {

using enum Tipo;

// Display formats of numbers: thousands separators and a fixed number of decimals.
constexpr const char *sinDecimales = ",0";
constexpr const char *unDecimal = ",0.0";
constexpr const char *dosDecimales = ",0.00";
constexpr const char *cuatroDecimales = ",0.0000";

// The key column (with no label in a few tables), and the audit columns shared by almost
// every table (a few tables keep the user codes in 32-bit columns).
constexpr Columna clave {"codigo", Entero64, 0, false, "Código", ""};
constexpr Columna claveSinEtiqueta {"codigo", Entero64, 0, false, "", ""};
constexpr Columna codusuarioa {"codusuarioa", Entero64, 0, false, "", ""};
constexpr Columna codusuariom {"codusuariom", Entero64, 0, false, "", ""};
constexpr Columna codusuarioa32 {"codusuarioa", Entero32, 0, false, "", ""};
constexpr Columna codusuariom32 {"codusuariom", Entero32, 0, false, "", ""};
constexpr Columna fechaa {"fechaa", FechaHora, 0, false, "", ""};
constexpr Columna fecham {"fecham", FechaHora, 0, false, "", ""};

// Administration.

constexpr Columna columnasUsuario[] = {
        clave,
        {"nick", Texto, 20, true, "Nick", ""},
        {"codigocliente", Entero64, 0, false, "Código cliente", ""},
        {"codigotecnico", Entero64, 0, false, "Código técnico", ""},
        {"administrador", Texto, 1, false, "Administrador", ""},
        {"modificacion", Texto, 1, false, "Modificación", ""},
        {"nombre", Texto, 100, false, "Nombre", ""},
        {"fecha", FechaHora, 0, false, "", ""},
        {"accesoweb", Texto, 1, false, "Acceso vía web", ""},
        {"codigodepartamento", Entero64, 0, false, "Cód. dpto.", ""},
        {"email", Texto, 200, false, "Email", ""},
        {"contrasena", Texto, 100, false, "Contraseña", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasContador[] = {
        {"tabla", Texto, 100, true, "Tabla", ""},
        {"contador", Entero64, 0, false, "Contador", sinDecimales},
        {"ano", Entero64, 0, false, "Año", ""},
        {"serie", Texto, 2, false, "Serie", ""},
        clave,
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasSerie[] = {
        clave,
        {"nombre", Texto, 2, true, "Nombre", ""},
        {"tabla", Texto, 50, true, "Tabla", ""},
        {"mostrarennumero", Texto, 1, false, "Mostrar en factura", ""},
        codusuarioa32,
        codusuariom32,
        fechaa,
        fecham,
};

constexpr Columna columnasEjercicio[] = {
        clave,
        {"nombreejercicio", Texto, 100, true, "Ejercicio", ""},
        {"fechainicio", FechaHora, 0, false, "Fecha inicio", ""},
        {"empresanombrecomercial", Texto, 100, false, "Nombre comercial", ""},
        {"empresacif", Texto, 20, false, "CIF", ""},
        {"empresadomicilio", Texto, 150, false, "Empresa - Domicilio", ""},
        {"empresapoblacion", Texto, 100, false, "", ""},
        {"empresaprovincia", Texto, 60, false, "", ""},
        {"empresacp", Entero64, 0, false, "", ""},
        {"empresatelefono", Texto, 100, false, "", ""},
        {"empresafax", Texto, 100, false, "", ""},
        {"empresaemail", Texto, 255, false, "", ""},
        {"empresalogo", Texto, 45, false, "", ""},
        {"empresanombre", Texto, 100, false, "Empresa - Nombre", ""},
        {"empresainscripcion", Texto, 255, false, "", ""},
        {"empresarutalogotiponombre", Texto, 255, false, "", ""},
        {"empresarutalogotipo", Texto, 255, false, "", ""},
        {"empresaobservacion", TextoLargo, 0, false, "", ""},
        {"fechafin", FechaHora, 0, false, "Fecha fin", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
};

constexpr Columna columnasConsultaSql[] = {
        {"sql", TextoLargo, 0, false, "SQL", ""},
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"nombre", Texto, 100, false, "Nombre", ""},
        {"descripcion", Texto, 255, false, "Descripción", ""},
        {"modificacion", Texto, 1, false, "Modificación", ""},
        claveSinEtiqueta,
        {"administrador", Texto, 1, false, "", ""},
        {"actualizacion", Texto, 1, false, "", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasDocumento[] = {
        clave,
        {"nombre", Texto, 150, false, "Nombre", ""},
        {"version", Texto, 40, false, "Versión", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha", ""},
        {"ruta", Texto, 255, false, "Ruta", ""},
        {"guardarbd", Texto, 1, false, "Guardar BD", ""},
        {"caracteristicas", TextoLargo, 0, false, "Características", ""},
        {"documento", Binario, 0, false, "", ""},
        {"codigoregistro", Entero64, 0, false, "", ""},
        {"ventana", Texto, 50, false, "", ""},
        codusuarioa,
        fechaa,
};

// Master tables.

constexpr Columna columnasTercero[] = {
        {"nombre", Texto, 100, true, "Nombre", ""},
        {"cif", Texto, 15, false, "CIF", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha Alta", ""},
        {"direccion", Texto, 100, false, "Dirección", ""},
        {"telefono", Texto, 50, false, "Teléfono", ""},
        {"poblacion", Texto, 100, false, "Población", ""},
        {"provincia", Texto, 50, false, "Provincia", ""},
        {"cp", Entero32, 0, false, "C.P.", ""},
        {"personacontacto", Texto, 100, false, "Contacto", ""},
        {"web", Texto, 200, false, "Web", ""},
        {"email", Texto, 200, false, "E-Mail", ""},
        {"fax", Texto, 50, false, "FAX", ""},
        {"pais", Texto, 45, false, "País", ""},
        {"tipo", Texto, 10, false, "Tipo", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"ccc", Texto, 20, false, "CCC", ""},
        {"deudaalcanzada", Real, 0, false, "Deuda alcanzada", formatoMoneda},
        clave,
        {"codigoformapago", Entero64, 0, false, "Código forma pago", ""},
        {"preciohora", Real, 0, false, "Precio hora", formatoMoneda},
        {"preciomensual", Real, 0, false, "Importe mensual", formatoMoneda},
        {"precioanual", Real, 0, false, "Importe anual", formatoMoneda},
        {"preciodesplazamiento", Real, 0, false, "Precio Km", formatoMoneda},
        {"porcentajedto", Real, 0, false, "% dto.", unDecimal},
        {"riesgomaximo", Real, 0, false, "Riesgo máximo", formatoMoneda},
        {"piefactura", TextoLargo, 0, false, "Pie factura", ""},
        {"nombre2", Texto, 100, false, "Nombre - 2", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasFormaPago[] = {
        clave,
        {"descripcion", Texto, 250, false, "Descripción", ""},
        {"nombre", Texto, 100, false, "Nombre", ""},
        {"dias", Entero64, 0, false, "Días vto.", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasMaterial[] = {
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"preciocompra", Real, 0, false, "Precio compra", cuatroDecimales},
        {"precioventa", Real, 0, false, "Precio venta", cuatroDecimales},
        {"stock", Real, 0, false, "Stock", dosDecimales},
        {"stockminimo", Real, 0, false, "Stock mínimo", dosDecimales},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"codigobarras", Texto, 30, false, "Código barras", ""},
        {"nombre", Texto, 200, false, "Nombre", ""},
        {"caracteristicas", TextoLargo, 0, false, "Características", ""},
        {"porcentajebeneficio", Real, 0, false, "% beneficio", ""},
        {"porcentajeiva", Real, 0, false, "% IVA", unDecimal},
        clave,
        {"codigotercero", Entero64, 0, false, "Cód. tercero", ""},
        {"codigomarca", Entero64, 0, false, "Cód. marca", ""},
        {"codigofamilia", Entero64, 0, false, "Cód. familia", ""},
        {"codigomodelo", Entero64, 0, false, "Cód. modelo", ""},
        {"avisostockminimo", Texto, 1, false, "Aviso stock mínimo", ""},
        {"porcentajedto", Real, 0, false, "% dto.", unDecimal},
        {"referencia", Texto, 50, false, "Referencia", ""},
        {"codigosubfamilia", Entero64, 0, false, "Cód. subfamilia", ""},
        {"codigogrupo", Entero64, 0, false, "Cód. grupo", ""},
        {"fechamodprecio", FechaHora, 0, false, "Fecha Mod. Precio", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasFamilia[] = {
        {"nombre", Texto, 100, true, "Nombre", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        clave,
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasMarca[] = {
        {"nombre", Texto, 100, true, "Nombre", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        clave,
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasModelo[] = {
        {"nombre", Texto, 100, true, "Nombre", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        clave,
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasTecnico[] = {
        clave,
        {"nombre", Texto, 100, true, "Nombre", ""},
        {"telefono", Texto, 20, false, "Teléfono", ""},
        {"importesueldo", Real, 0, false, "Importe sueldo", formatoMoneda},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"preciohora", Real, 0, false, "Precio hora", formatoMoneda},
        {"email1", Texto, 255, false, "Email 1", ""},
        {"email2", Texto, 255, false, "Email 2", ""},
        {"email3", Texto, 255, false, "Email 3", ""},
        {"codigodepartamento", Entero64, 0, false, "Cód. departamento", ""},
        {"preciohoraextra", Real, 0, false, "Precio hora extra", formatoMoneda},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasAccion[] = {
        clave,
        {"nombre", Texto, 75, true, "Nombre", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"precio", Real, 0, false, "Precio", formatoMoneda},
        {"descripcion", TextoLargo, 0, false, "Descripción", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasTipoGasto[] = {
        clave,
        {"nombre", Texto, 100, true, "Nombre", ""},
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        codusuarioa32,
        codusuariom32,
        fechaa,
        fecham,
};

constexpr Columna columnasRecurso[] = {
        clave,
        {"nombre", Texto, 150, true, "Nombre", ""},
        {"tipo", Texto, 40, false, "Tipo", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"version", Texto, 40, false, "Versión", ""},
        {"observacion", TextoLargo, 0, false, "Observación", ""},
        {"fase", Texto, 20, false, "Fase", ""},
        {"url", Texto, 255, false, "URL", ""},
        {"desarrolladopor", Texto, 255, false, "Desarrollado por", ""},
        {"descripciontecnica", TextoLargo, 0, false, "Descripción técnica", ""},
        {"importecoste", Real, 0, false, "Importe coste", ""},
        {"tiempodesarrollo", Real, 0, false, "Tiempo desarrollo", ""},
        {"fechaplazoentrega", FechaHora, 0, false, "Fecha plazo entrega", ""},
        {"fechainicio", FechaHora, 0, false, "Fecha inicio", ""},
        {"fechafin", FechaHora, 0, false, "Fecha fin", ""},
        {"importeventa", Real, 0, false, "Importe venta", ""},
        {"ubicacion", Texto, 255, true, "Ubicación", ""},
        {"fechacompra", FechaHora, 0, false, "Fecha compra", ""},
        {"fechafingarantia", FechaHora, 0, false, "Fecha fin garantía", ""},
        {"numerofactura", Texto, 15, false, "Nº factura", ""},
        {"codigoinventario", Texto, 90, false, "Código inventario", ""},
        {"codigotercero", Entero64, 0, false, "Código tercero", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasDominio[] = {
        clave,
        {"nombre", Texto, 45, false, "Nombre", ""},
        {"codigocliente", Entero64, 0, false, "Cód. Cliente", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"fechacobro", FechaHora, 0, false, "Fecha cobro", ""},
        {"importecoste", Real, 0, false, "Importe coste", formatoMoneda},
        {"importeventa", Real, 0, false, "Importe venta", formatoMoneda},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"fisico", Texto, 1, false, "Físico", ""},
        {"ip", Texto, 25, false, "IP", ""},
        {"fechavencimiento", FechaHora, 0, false, "Fecha vencimiento", ""},
        {"codigoproveedor", Entero64, 0, false, "Cód. proveedor", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

// Session log, parameters and the tables that are only counted or listed.

constexpr Columna columnasSesion[] = {
        claveSinEtiqueta,
        {"codigousuario", Entero64, 0, false, "", ""},
        {"fecha", Fecha, 0, false, "", ""},
        {"hora", Hora, 0, false, "", ""},
        {"estado", Texto, 10, false, "", ""},
};

constexpr Columna columnasParametro[] = {
        {"nombre", Texto, 100, false, "", ""},
        {"valor", Texto, 255, false, "", ""},
};

constexpr Columna columnasDepartamento[] = {
        claveSinEtiqueta,
        {"nombre", Texto, 100, false, "", ""},
};

constexpr Columna columnasPresupuesto[] = {
        claveSinEtiqueta,
        {"codigocliente", Entero64, 0, false, "", ""},
};

constexpr Columna columnasContrasena[] = {
        claveSinEtiqueta,
        {"codigotercero", Entero64, 0, false, "", ""},
};

// Business documents.

constexpr Columna columnasFactura[] = {
        {"numero", Texto, 15, false, "Número", ""},
        {"importetotal", Real, 0, false, "Importe total", formatoMoneda},
        {"baseimponible", Real, 0, false, "Base imponible", formatoMoneda},
        {"porcentajeiva", Real, 0, false, "% IVA", ""},
        {"importeiva", Real, 0, false, "Importe IVA", formatoMoneda},
        {"porcentajedescuento", Real, 0, false, "% dto.", unDecimal},
        {"importedescuento", Real, 0, false, "Importe dto.", formatoMoneda},
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"cobrado", Texto, 1, false, "Cobrado", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"importecobrado", Real, 0, false, "Importe cobrado", formatoMoneda},
        clave,
        {"codigocliente", Entero64, 0, true, "Cód. cliente", ""},
        {"contabiliza", Texto, 1, false, "Contabiliza", ""},
        {"imprimida", Texto, 1, false, "Imprimida", ""},
        {"enviada", Texto, 1, false, "Enviada", ""},
        {"fechaenvio", FechaHora, 0, false, "Fecha envío", ""},
        {"piefactura", TextoLargo, 0, false, "Pie factura", ""},
        {"fechavencimiento", FechaHora, 0, false, "Fecha vto.", ""},
        {"serie", Texto, 2, true, "Serie", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasFacturaDetalle[] = {
        clave,
        {"codigofactura", Entero64, 0, false, "Cód. factura", ""},
        {"codigomaterial", Entero64, 0, false, "Cód. material", ""},
        {"cantidad", Real, 0, false, "Cantidad", dosDecimales},
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        {"precio", Real, 0, false, "Precio", formatoMoneda},
        {"porcentajedto", Real, 0, false, "% dto.", unDecimal},
        {"codigoparte", Entero64, 0, false, "Cód. Parte", ""},
        {"codigopartedetalle", Entero64, 0, false, "Cód. Parte detalle", ""},
        {"numeroparte", Entero64, 0, false, "Nº parte", ""},
        {"parte", Texto, 1, false, "", ""},
        {"presupuesto", Texto, 1, false, "", ""},
        {"material", Texto, 1, false, "", ""},
        {"mantenimiento", Texto, 1, false, "", ""},
        {"concepto", TextoLargo, 0, false, "", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasCobro[] = {
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        {"descripcion", Texto, 255, false, "Descripción", ""},
        clave,
        {"codigocliente", Entero64, 0, false, "Cód. cliente", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasFacturaProveedor[] = {
        clave,
        {"numero", Texto, 20, false, "Nº", ""},
        {"importetotal", Real, 0, false, "Importe total", formatoMoneda},
        {"baseimponible", Real, 0, false, "Base imponible", formatoMoneda},
        {"porcentajeiva", Real, 0, false, "% IVA", ""},
        {"importeiva", Real, 0, false, "Importe IVA", formatoMoneda},
        {"porcentajedescuento", Real, 0, false, "% dto.", ""},
        {"importedescuento", Real, 0, false, "Importe dto.", formatoMoneda},
        {"codigoproveedor", Entero64, 0, true, "Cód. proveedor", ""},
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"cobrado", Texto, 1, false, "Pagada", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"importepagado", Real, 0, false, "Importe pagado", formatoMoneda},
        {"fechavencimiento", FechaHora, 0, false, "Fecha vto", ""},
        {"contabiliza", Texto, 1, false, "Contabiliza", ""},
        {"importecobrado", Real, 0, false, "Importe pagado", formatoMoneda},
        {"imprimida", Texto, 1, false, "Imprimida", ""},
        {"enviada", Texto, 1, false, "Enviada", ""},
        {"fechaenvio", FechaHora, 0, false, "Fecha envío", ""},
        {"piefactura", TextoLargo, 0, false, "Pie factura", ""},
        {"serie", Texto, 2, false, "Serie", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasFacturaProveedorDetalle[] = {
        clave,
        {"codigofactura", Entero64, 0, false, "Cód. factura", ""},
        {"codigomaterial", Entero64, 0, false, "Cód. material", ""},
        {"concepto", Texto, 150, false, "Concepto", ""},
        {"cantidad", Real, 0, false, "Cantidad", ""},
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        {"precio", Real, 0, false, "Precio", formatoMoneda},
        {"porcentajedto", Real, 0, false, "% dto.", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasPago[] = {
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        {"descripcion", Texto, 255, false, "Descripción", ""},
        clave,
        {"codigoproveedor", Entero64, 0, false, "", ""},
        {"fecha", Fecha, 0, false, "Fecha", ""},
        {"formapago", Texto, 100, false, "", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasAlbaranProveedor[] = {
        clave,
        {"numero", Texto, 15, false, "Número", ""},
        {"codigoproveedor", Entero64, 0, true, "Código proveedor", ""},
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"facturado", Texto, 1, false, "Facturado", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasAlbaranProveedorDetalle[] = {
        clave,
        {"codigoalbaran", Entero64, 0, false, "Código albarán", ""},
        {"codigomaterial", Entero64, 0, false, "Código material", ""},
        {"concepto", Texto, 150, false, "Concepto", ""},
        {"cantidad", Real, 0, false, "Cantidad", ""},
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        {"precio", Real, 0, false, "Precio", formatoMoneda},
        {"porcentajedto", Real, 0, false, "% dto.", ""},
        {"facturado", Texto, 1, false, "Facturado", ""},
        {"codigofactura", Entero64, 0, false, "Código factura", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasGasto[] = {
        {"importe", Real, 0, false, "Importe coste", formatoMoneda},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"pagado", Texto, 1, false, "Pagado", ""},
        {"fechapago", FechaHora, 0, false, "Fecha pago", ""},
        clave,
        {"codigoproveedor", Entero64, 0, false, "Cód. Proveedor", ""},
        {"importe2", Real, 0, false, "Importe Otro", formatoMoneda},
        {"numfactura", Texto, 40, false, "Nº Factura", ""},
        {"contabiliza", Texto, 1, false, "Contabiliza", ""},
        {"tipo", Texto, 40, false, "Tipo", ""},
        {"numalbaran", Texto, 40, false, "Nº albarán", ""},
        {"asesor", Texto, 1, false, "Asesor", ""},
        {"fechavencimiento", FechaHora, 0, false, "Fecha vto.", ""},
        {"numexpediente", Texto, 15, false, "Nº expediente", ""},
        {"fecha", Fecha, 0, false, "Fecha", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasCaja[] = {
        clave,
        {"fecha", FechaHora, 0, true, "Fecha", ""},
        {"saldo", Real, 0, true, "Saldo", formatoMoneda},
        {"concepto", Texto, 200, true, "Concepto", ""},
        {"codigotecnico", Entero64, 0, false, "Código técnico", ""},
        {"importe", Real, 0, true, "Importe", formatoMoneda},
        {"tipo", Texto, 10, false, "Tipo", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasChequePagare[] = {
        clave,
        {"fechavencimiento", FechaHora, 0, false, "Fecha vencimiento", ""},
        {"codigotercero", Entero64, 0, true, "Código tercero", ""},
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        {"banco", Texto, 100, false, "Banco", ""},
        {"tipo", Texto, 10, true, "Tipo", ""},
        {"iban", Texto, 30, false, "IBAN", ""},
        {"ccc", Texto, 20, false, "CCC", ""},
        {"serie", Texto, 2, false, "Serie", ""},
        {"numero", Texto, 15, false, "Número", ""},
        {"numero2", Texto, 15, false, "Número 2", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"observacion", Texto, 255, false, "Observacion", ""},
        fechaa,
        fecham,
        codusuarioa,
        codusuariom,
};

constexpr Columna columnasParteTrabajo[] = {
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"totalhoras", Real, 0, false, "Total horas", unDecimal},
        {"peticionescliente", TextoLargo, 0, false, "Peticiones cliente", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"facturado", Texto, 1, false, "Facturado", ""},
        clave,
        {"codigocliente", Entero64, 0, false, "Cód. cliente", ""},
        {"tecnico1", Entero64, 0, false, "Técnico 1", ""},
        {"tecnico2", Entero64, 0, false, "Técnico 2", ""},
        {"tecnico3", Entero64, 0, false, "Técnico 3", ""},
        {"tecnico4", Entero64, 0, false, "Técnico 4", ""},
        {"tecnico5", Entero64, 0, false, "Técnico 5", ""},
        {"tecnico6", Entero64, 0, false, "Técnico 6", ""},
        {"numero", Entero64, 0, false, "Nº", ""},
        {"descontado", Texto, 1, false, "Descontado", ""},
        {"horaentrada", Hora, 0, false, "Hora entrada", ""},
        {"horasalida", Hora, 0, false, "Hora salida", ""},
        {"desplazamiento", Texto, 1, false, "Desplazamiento", ""},
        {"horasextra", Real, 0, false, "Horas extra", ""},
        {"ubicacion", Texto, 100, false, "Ubicación", ""},
        {"codigofactura", Entero64, 0, false, "Cód. factura", ""},
        {"numfactura", Texto, 15, false, "Nº factura", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasParteTrabajoDetalle[] = {
        clave,
        {"codigopartetrabajo", Entero64, 0, false, "Cód. parte trabajo", ""},
        {"descripcion", Texto, 255, false, "Descripción", ""},
        {"horas", Real, 0, false, "Horas", unDecimal},
        {"codigotarea", Entero64, 0, false, "Cód. tarea", ""},
        {"codigoequipo", Texto, 30, false, "Cód. Equipo", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasParteTrabajoMaterial[] = {
        clave,
        {"codigopartetrabajo", Entero64, 0, true, "Cód. parte trabajo", ""},
        {"codigomaterial", Entero64, 0, true, "Cód. material", ""},
        {"numalbaran", Texto, 10, false, "Nº albarán", ""},
        {"observacion", Texto, 255, false, "Observación", ""},
        {"codigoproveedor", Entero64, 0, false, "Cód. Proveedor", ""},
        {"unidades", Real, 0, false, "Unidades", ""},
        {"precio", Real, 0, false, "Precio", formatoMoneda},
        {"importe", Real, 0, false, "Importe", formatoMoneda},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasIncidencia[] = {
        clave,
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"codigocliente", Entero64, 0, false, "Cód. cliente", ""},
        {"importecoste", Real, 0, false, "Importe coste", ""},
        {"importecliente", Real, 0, false, "Importe cliente", ""},
        {"asunto", Texto, 255, false, "Asunto", ""},
        {"incidencia", TextoLargo, 0, false, "Incidencia", ""},
        {"incidenciaresolucion", TextoLargo, 0, false, "Incidencia resolución", ""},
        {"fecharesolucion", FechaHora, 0, false, "Fecha resolución", ""},
        {"estado", Texto, 30, false, "Estado", ""},
        {"tipo", Texto, 30, false, "Tipo", ""},
        {"codigotecnico", Entero64, 0, false, "Cód. técnico", ""},
        {"prioridad", Texto, 10, false, "Prioridad", ""},
        {"contacto", Texto, 100, false, "Contacto", ""},
        {"completado", Entero64, 0, false, "% Completado", ""},
        {"fechavencimiento", FechaHora, 0, false, "Fecha vto.", ""},
        {"codigorecurso", Entero64, 0, false, "Cód. Recurso", ""},
        {"codigocontacto", Entero64, 0, false, "Cód. contacto", ""},
        {"aceptada", Texto, 1, false, "", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasEntradaSalida[] = {
        clave,
        {"codigoterceroentrada", Entero64, 0, false, "Cód. tercero entrada", ""},
        {"incidencia", TextoLargo, 0, false, "Incidencia", ""},
        {"fechaentrada", FechaHora, 0, false, "Fecha entrada", ""},
        {"fechasalida", FechaHora, 0, false, "Fecha salida", ""},
        {"codigotecnicoentrada", Entero64, 0, false, "Cód. técnico entrada", ""},
        {"codigotecnicosalida", Entero64, 0, false, "Cód. técnico salida", ""},
        {"codigoincidencia", Entero64, 0, false, "Cód. incidencia", ""},
        {"codigoparte", Entero64, 0, false, "Cód. parte", ""},
        {"resolucion", TextoLargo, 0, false, "Resolución", ""},
        {"codigorecurso", Entero64, 0, false, "Cód. recurso", ""},
        {"tarea", TextoLargo, 0, false, "Tarea", ""},
        {"equipo", Texto, 150, false, "Equipo", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasContacto[] = {
        clave,
        {"nombre", Texto, 100, true, "Nombre", ""},
        {"telefonoparticular1", Texto, 20, false, "Tlfno. part. 1", ""},
        {"telefonoparticular2", Texto, 20, false, "Tlfno. part. 2", ""},
        {"telefonoparticular3", Texto, 20, false, "Tlfno. part. 3", ""},
        {"telefonoparticular4", Texto, 20, false, "Tlfno. part. 4", ""},
        {"movilempresa1", Texto, 20, false, "Móvil emp. 1", ""},
        {"movilempresa2", Texto, 20, false, "Móvil emp. 2", ""},
        {"movilempresa3", Texto, 20, false, "Móvil emp. 3", ""},
        {"movilempresa4", Texto, 20, false, "Móvil emp. 4", ""},
        {"emailparticular1", Texto, 150, false, "Email part. 1", ""},
        {"emailempresa1", Texto, 150, false, "Email emp. 1", ""},
        {"emailparticular2", Texto, 150, false, "Email part. 2", ""},
        {"emailparticular3", Texto, 150, false, "Email part. 3", ""},
        {"emailparticular4", Texto, 150, false, "Email part. 4", ""},
        {"direccionparticular", Texto, 250, false, "Dirección particular", ""},
        {"direccionempresa", Texto, 250, false, "Dirección empresa", ""},
        {"horariotrabajo", Texto, 150, false, "Horario trabajo", ""},
        {"empresa", Texto, 100, false, "Empresa", ""},
        {"webparticular", Texto, 250, false, "Web particular", ""},
        {"webempresa", Texto, 250, false, "Web empresa", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"ubicacion", Texto, 40, false, "Ubicación", ""},
        {"extension1", Texto, 20, false, "Extensión 1", ""},
        {"extension2", Texto, 20, false, "Extensión 2", ""},
        {"telefonoempresa1", Texto, 20, false, "Tlfno. emp. 1", ""},
        {"telefonoempresa2", Texto, 20, false, "Tlfno. emp. 2", ""},
        {"telefonoempresa3", Texto, 20, false, "Tlfno. emp. 3", ""},
        {"telefonoempresa4", Texto, 20, false, "Tlfno. emp. 4", ""},
        {"movilparticular1", Texto, 20, false, "Móvil part. 1", ""},
        {"movilparticular2", Texto, 20, false, "Móvil part. 2", ""},
        {"movilparticular3", Texto, 20, false, "Móvil part. 3", ""},
        {"movilparticular4", Texto, 20, false, "Móvil part. 4", ""},
        {"fax1", Texto, 20, false, "FAX 1", ""},
        {"fax2", Texto, 20, false, "FAX 2", ""},
        {"emailempresa2", Texto, 150, false, "Email emp. 2", ""},
        {"emailempresa3", Texto, 150, false, "Email emp. 3", ""},
        {"emailempresa4", Texto, 150, false, "Email emp. 4", ""},
        {"codigotercero", Entero64, 0, false, "Cód. Tercero", ""},
        {"observacion", TextoLargo, 0, false, "Observación", ""},
        {"tipo", Texto, 20, false, "Tipo", ""},
        {"cargo", Texto, 100, false, "Cargo", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasNota[] = {
        clave,
        {"nombre", TextoLargo, 0, true, "Contenido", ""},
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"asunto", Texto, 255, true, "Asunto", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasProyecto[] = {
        clave,
        {"codigocliente", Entero64, 0, false, "Cód. cliente", ""},
        {"fecha", FechaHora, 0, false, "Fecha", ""},
        {"observacion", TextoLargo, 0, false, "Observación", ""},
        {"nombre", Texto, 150, true, "", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

constexpr Columna columnasProyectoDetalle[] = {
        clave,
        {"fechaalta", FechaHora, 0, false, "Fecha alta", ""},
        {"tarea", TextoLargo, 0, false, "Tarea", ""},
        {"realizada", Texto, 1, false, "Realizada", ""},
        {"codigotecnico", Entero64, 0, false, "Cód. técnico", ""},
        {"color", Entero64, 0, false, "Color", ""},
        {"fecharesolucion", FechaHora, 0, false, "Fecha resolución", ""},
        {"accesocomercial", Texto, 1, false, "Acceso comercial", ""},
        {"observacion", TextoLargo, 0, false, "Observación", ""},
        {"codigoproyecto", Entero64, 0, false, "Cód. proyecto", ""},
        codusuarioa,
        codusuariom,
        fechaa,
        fecham,
};

// Every table, in the order of the script. Only the tables with a unique key carry a
// message of their own.
constexpr Tabla todas[] = {
        {"usuario", columnasUsuario, "Ya existe un usuario con este nick."},
        {"contador", columnasContador, "Ya existe un contador con esta tabla y serie."},
        {"serie", columnasSerie, "Ya existe una serie con este nombre y tabla."},
        {"ejercicio", columnasEjercicio, ""},
        {"consultasql", columnasConsultaSql, ""},
        {"documento", columnasDocumento, ""},
        {"tercero", columnasTercero, "Ya existe un tercero con este nombre, cif y tipo."},
        {"formapago", columnasFormaPago, ""},
        {"material", columnasMaterial,
         "Ya existe un artículo con este nombre, proveedor, marca y modelo."},
        {"familia", columnasFamilia, "Ya existe una familia con este nombre."},
        {"marca", columnasMarca, "Ya existe una marca con este nombre."},
        {"modelo", columnasModelo, "Ya existe un modelo con este nombre."},
        {"tecnico", columnasTecnico, ""},
        {"accion", columnasAccion, "Ya existe una acción con este nombre."},
        {"tipogasto", columnasTipoGasto, ""},
        {"recurso", columnasRecurso, ""},
        {"dominio", columnasDominio, ""},
        {"sesion", columnasSesion, ""},
        {"parametro", columnasParametro, ""},
        {"departamento", columnasDepartamento, ""},
        {"presupuesto", columnasPresupuesto, ""},
        {"contrasena", columnasContrasena, ""},
        {"factura", columnasFactura, "Ya existe una factura con este número."},
        {"facturadetalle", columnasFacturaDetalle, ""},
        {"cobro", columnasCobro, ""},
        {"facturaproveedor", columnasFacturaProveedor, ""},
        {"facturaproveedordetalle", columnasFacturaProveedorDetalle, ""},
        {"pago", columnasPago, ""},
        {"albaranproveedor", columnasAlbaranProveedor, ""},
        {"albaranproveedordetalle", columnasAlbaranProveedorDetalle, ""},
        {"gasto", columnasGasto, ""},
        {"caja", columnasCaja, ""},
        {"chequepagare", columnasChequePagare, ""},
        {"partetrabajo", columnasParteTrabajo, "Ya existe un parte/albarán con este número."},
        {"partetrabajodetalle", columnasParteTrabajoDetalle, ""},
        {"partetrabajomaterial", columnasParteTrabajoMaterial, ""},
        {"incidencia", columnasIncidencia, ""},
        {"entradasalida", columnasEntradaSalida, ""},
        {"contacto", columnasContacto, ""},
        {"nota", columnasNota, ""},
        {"proyecto", columnasProyecto, ""},
        {"proyectodetalle", columnasProyectoDetalle, ""},
};

} // namespace

std::span<const Tabla> tablas()
{
    return todas;
}

} // namespace esquema
