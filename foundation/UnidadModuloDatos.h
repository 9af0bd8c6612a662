#pragma once

#include "Conexion.h"
#include "Consulta.h"
#include "DatasetTabla.h"
#include "EjecutorScript.h"

#include <vector>

// The data module: the connections, one table dataset per business table, the list queries
// with their statements at creation, and the shared scratch queries. One instance, md(),
// created at program start; windows use its members and never own them.
class Tmd
{
public:
    Tmd();
    Tmd(const Tmd &) = delete;
    Tmd &operator=(const Tmd &) = delete;

    // The business database, the address server (login window only) and the fiscal years.
    Conexion bd;
    Conexion bdIP;
    Conexion bdEjercicio;

    // Script runner on bd.
    EjecutorScript tScript;

    // Table datasets.
    DatasetTabla tCliente;
    DatasetTabla tContacto;
    DatasetTabla tGasto;
    DatasetTabla tRecurso;
    DatasetTabla tMaterial;
    DatasetTabla tNota;
    DatasetTabla tFamilia;
    DatasetTabla tCaja;
    DatasetTabla tFactura;
    DatasetTabla tDominio;
    DatasetTabla tFacturaDetalle;
    DatasetTabla tUsuario;
    DatasetTabla tFacturaDetalleIns;
    DatasetTabla tAlbaranProveedor;
    DatasetTabla tPago;
    DatasetTabla tAlbaranProveedorDetalle;
    DatasetTabla tCobro;
    DatasetTabla tEjercicio;
    DatasetTabla tFacturaProveedor;
    DatasetTabla tChequePagare;
    DatasetTabla tFacturaDetalleProveedor;
    DatasetTabla tTipoGasto;
    DatasetTabla tSQL;
    DatasetTabla tFormaPago;
    DatasetTabla tContador;
    DatasetTabla tSerie;
    DatasetTabla tModelo;
    DatasetTabla tEntradaSalida;
    DatasetTabla tMarca;
    DatasetTabla tProyecto;
    DatasetTabla tParte;
    DatasetTabla tProyectoDetalleR;
    DatasetTabla tParteDetalle;
    DatasetTabla tProyectoDetalleN;
    DatasetTabla tParteMaterial;
    DatasetTabla tTecnico;
    DatasetTabla tAccion;
    DatasetTabla tIncidencia;

    // List queries.
    Consulta tcCliente;
    Consulta tcMaterial;
    Consulta tcFamilia;
    Consulta tcMarca;
    Consulta tcModelo;
    Consulta tcFactura;
    Consulta tcFacturaDetalle;
    Consulta tcCobro;
    Consulta tcFacturaProveedor;
    Consulta tcFacturaDetalleProveedor;
    Consulta tcPago;
    Consulta tcGasto;
    Consulta tcContador;
    Consulta tcSerie;
    Consulta tcParte;
    Consulta tcParteDetalle;
    Consulta tcParteMaterial;
    Consulta tcTecnico;
    Consulta tcAccion;
    Consulta tcContacto;
    Consulta tcRecurso;
    Consulta tcNota;
    Consulta tcUsuario;
    Consulta tcTipoGasto;
    Consulta tcFormaPago;
    Consulta tcIncidencia;
    Consulta tcCaja;
    Consulta tcDominio;
    Consulta tcAlbaranProveedor;
    Consulta tcAlbaranProveedorDetalle;
    Consulta tcEjercicio;
    Consulta tcChequePagare;
    Consulta tcDocumentos;
    Consulta tcEntradaSalida;
    Consulta tcProyecto;
    Consulta tcProyectoDetalleR;
    Consulta tcProyectoDetalleN;
    Consulta tcFacturaI;
    Consulta tcFacturaDetalleI;
    Consulta tcFacturaProveedorDetalleI;
    Consulta tcAlbaranProveedorI;
    Consulta tcAlbaranProveedorDetalleI;
    Consulta tcParteI;
    Consulta tcParteDetalleI;
    Consulta tcParteDetalleMaterialI;

    // Scratch queries: shared, each use closes it again. tcContador (above) also serves the
    // counters.
    Consulta tc;
    Consulta tc2;
    Consulta tc3;
    Consulta tcStock;
    Consulta tcSeleccion;
    Consulta tSeleccionMultiple;
    Consulta tcEjecutarSQL;
    Consulta tcLista;
    Consulta tcImpresion;
    Consulta tcImpresionDetalle;
    Consulta tcI;

    // Every table dataset, for checks that must cover them all.
    std::vector<DatasetTabla *> datasets();
    // Every list query.
    std::vector<Consulta *> consultasLista();
};

// The process-wide data module.
Tmd &md();
