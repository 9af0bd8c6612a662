-- Creation script of the Quenvalia database.
--
-- Creates every table if it does not exist yet, so it can be run again on a database
-- that already has some of them. The database itself must exist beforehand, created with
-- CHARACTER SET utf8mb4 COLLATE utf8mb4_spanish_ci.
--
-- Every table with a codigo column has it as its key, assigned by the server. Columns
-- that hold the codigo of another table are plain numbers: references are checked by
-- the program, not declared here. Columns the program requires are NOT NULL. The unique
-- keys are the only guard against duplicates, and utf8mb4_spanish_ci compares them
-- without case or accents, so Marca and MARCA collide.
--
-- This file is run both by the mariadb client and by the script runner of the program,
-- which splits it on semicolons outside quotes and comments. Keep it to one plain
-- statement per table, without DELIMITER or stored routines, and keep semicolons and
-- quotes out of the comments.

-- ======================================================================================
-- Administration
-- ======================================================================================

-- Users who may log in. contrasena holds the lower-case hexadecimal MD5 digest of the
-- password.
CREATE TABLE IF NOT EXISTS usuario (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nick varchar(20) NOT NULL,
  codigocliente bigint,
  codigotecnico bigint,
  administrador varchar(1),
  modificacion varchar(1),
  nombre varchar(100),
  fecha datetime,
  accesoweb varchar(1),
  codigodepartamento bigint,
  email varchar(200),
  contrasena varchar(100),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nick (nick)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Document counters, one row per table name and series. serie is empty for a per-table
-- counter, so the unique key also guards those.
CREATE TABLE IF NOT EXISTS contador (
  tabla varchar(100) NOT NULL,
  contador bigint,
  ano bigint,
  serie varchar(2) NOT NULL DEFAULT '',
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_tabla_serie (tabla, serie)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Numbering series per table. The audit user columns of this table are 32-bit.
CREATE TABLE IF NOT EXISTS serie (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(2) NOT NULL,
  tabla varchar(50) NOT NULL,
  mostrarennumero varchar(1),
  codusuarioa int,
  codusuariom int,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nombre_tabla (nombre, tabla)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Fiscal years.
CREATE TABLE IF NOT EXISTS ejercicio (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombreejercicio varchar(100) NOT NULL,
  fechainicio datetime,
  empresanombrecomercial varchar(100),
  empresacif varchar(20),
  empresadomicilio varchar(150),
  empresapoblacion varchar(100),
  empresaprovincia varchar(60),
  empresacp bigint,
  empresatelefono varchar(100),
  empresafax varchar(100),
  empresaemail varchar(255),
  empresalogo varchar(45),
  empresanombre varchar(100),
  empresainscripcion varchar(255),
  empresarutalogotiponombre varchar(255),
  empresarutalogotipo varchar(255),
  empresaobservacion text,
  fechafin datetime,
  fechaalta datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Saved SQL statements of the SQL console. sql is a reserved word and is quoted.
CREATE TABLE IF NOT EXISTS consultasql (
  `sql` text,
  fecha datetime,
  nombre varchar(100),
  descripcion varchar(255),
  modificacion varchar(1),
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  administrador varchar(1),
  actualizacion varchar(1),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Documents attached to records: the bytes in documento (stored in the database) or a path
-- in ruta.
CREATE TABLE IF NOT EXISTS documento (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(150),
  version varchar(40),
  fechaalta datetime,
  ruta varchar(255),
  guardarbd varchar(1),
  caracteristicas text,
  documento longblob,
  codigoregistro bigint,
  ventana varchar(50),
  codusuarioa bigint,
  fechaa datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- ======================================================================================
-- Master tables
-- ======================================================================================

-- Third parties: customers, suppliers and others. An empty CIF is stored as the empty text
-- so that the unique key also refuses a repeated name and type without CIF.
CREATE TABLE IF NOT EXISTS tercero (
  nombre varchar(100) NOT NULL,
  cif varchar(15) NOT NULL DEFAULT '',
  fechaalta datetime,
  direccion varchar(100),
  telefono varchar(50),
  poblacion varchar(100),
  provincia varchar(50),
  cp int,
  personacontacto varchar(100),
  web varchar(200),
  email varchar(200),
  fax varchar(50),
  pais varchar(45),
  tipo varchar(10) NOT NULL DEFAULT '',
  observacion varchar(255),
  ccc varchar(20),
  deudaalcanzada double,
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigoformapago bigint,
  preciohora double,
  preciomensual double,
  precioanual double,
  preciodesplazamiento double,
  porcentajedto double,
  riesgomaximo double,
  piefactura text,
  nombre2 varchar(100),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nombre_cif_tipo (nombre, cif, tipo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Payment methods. dias is the number of days from a document date to its due date.
CREATE TABLE IF NOT EXISTS formapago (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  descripcion varchar(250),
  nombre varchar(100),
  dias bigint,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Articles. codigotercero is the supplier.
CREATE TABLE IF NOT EXISTS material (
  fecha datetime,
  preciocompra double,
  precioventa double,
  stock double,
  stockminimo double,
  observacion varchar(255),
  codigobarras varchar(30),
  nombre varchar(200),
  caracteristicas text,
  porcentajebeneficio double,
  porcentajeiva double,
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigotercero bigint,
  codigomarca bigint,
  codigofamilia bigint,
  codigomodelo bigint,
  avisostockminimo varchar(1),
  porcentajedto double,
  referencia varchar(50),
  codigosubfamilia bigint,
  codigogrupo bigint,
  fechamodprecio datetime,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nombre_codigotercero_codigomarca_codigomodelo (nombre, codigotercero, codigomarca, codigomodelo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Article families.
CREATE TABLE IF NOT EXISTS familia (
  nombre varchar(100) NOT NULL,
  observacion varchar(255),
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nombre (nombre)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Article brands.
CREATE TABLE IF NOT EXISTS marca (
  nombre varchar(100) NOT NULL,
  observacion varchar(255),
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nombre (nombre)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Article models.
CREATE TABLE IF NOT EXISTS modelo (
  nombre varchar(100) NOT NULL,
  observacion varchar(255),
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nombre (nombre)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Technicians.
CREATE TABLE IF NOT EXISTS tecnico (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(100) NOT NULL,
  telefono varchar(20),
  importesueldo double,
  fechaalta datetime,
  observacion varchar(255),
  preciohora double,
  email1 varchar(255),
  email2 varchar(255),
  email3 varchar(255),
  codigodepartamento bigint,
  preciohoraextra double,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Actions (tasks) that work-order lines refer to.
CREATE TABLE IF NOT EXISTS accion (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(75) NOT NULL,
  fechaalta datetime,
  precio double,
  descripcion text,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_nombre (nombre)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Expense types. The audit user columns of this table are 32-bit.
CREATE TABLE IF NOT EXISTS tipogasto (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(100) NOT NULL,
  importe double,
  codusuarioa int,
  codusuariom int,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Resources: software, web sites, equipment.
CREATE TABLE IF NOT EXISTS recurso (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(150) NOT NULL,
  tipo varchar(40),
  fechaalta datetime,
  version varchar(40),
  observacion text,
  fase varchar(20),
  url varchar(255),
  desarrolladopor varchar(255),
  descripciontecnica text,
  importecoste double,
  tiempodesarrollo double,
  fechaplazoentrega datetime,
  fechainicio datetime,
  fechafin datetime,
  importeventa double,
  ubicacion varchar(255) NOT NULL,
  fechacompra datetime,
  fechafingarantia datetime,
  numerofactura varchar(15),
  codigoinventario varchar(90),
  codigotercero bigint,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Internet domains and hostings.
CREATE TABLE IF NOT EXISTS dominio (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(45),
  codigocliente bigint,
  fechaalta datetime,
  fechacobro datetime,
  importecoste double,
  importeventa double,
  observacion varchar(255),
  fisico varchar(1),
  ip varchar(25),
  fechavencimiento datetime,
  codigoproveedor bigint,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- ======================================================================================
-- Session log, parameters and tables that are only counted or listed
-- ======================================================================================

-- Session log: one row per login (Inicio) and orderly exit (Cierre).
CREATE TABLE IF NOT EXISTS sesion (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigousuario bigint,
  fecha date,
  hora time,
  estado varchar(10)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Name and value settings kept in the database, such as version.
CREATE TABLE IF NOT EXISTS parametro (
  nombre varchar(100) NOT NULL PRIMARY KEY,
  valor varchar(255)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Departments, named by tecnico and usuario.
CREATE TABLE IF NOT EXISTS departamento (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(100)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Quotations. Only counted when a third party is to be deleted.
CREATE TABLE IF NOT EXISTS presupuesto (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigocliente bigint
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Stored access data. Only counted when a third party is to be deleted.
CREATE TABLE IF NOT EXISTS contrasena (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigotercero bigint
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- ======================================================================================
-- Business documents
-- ======================================================================================

-- Customer invoices. numero is the composed invoice number.
CREATE TABLE IF NOT EXISTS factura (
  numero varchar(15),
  importetotal double,
  baseimponible double,
  porcentajeiva double,
  importeiva double,
  porcentajedescuento double,
  importedescuento double,
  fecha datetime,
  cobrado varchar(1),
  observacion varchar(255),
  importecobrado double,
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigocliente bigint NOT NULL,
  contabiliza varchar(1),
  imprimida varchar(1),
  enviada varchar(1),
  fechaenvio datetime,
  piefactura text,
  fechavencimiento datetime,
  serie varchar(2) NOT NULL,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_numero (numero)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Customer invoice lines.
CREATE TABLE IF NOT EXISTS facturadetalle (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigofactura bigint,
  codigomaterial bigint,
  cantidad double,
  importe double,
  precio double,
  porcentajedto double,
  codigoparte bigint,
  codigopartedetalle bigint,
  numeroparte bigint,
  parte varchar(1),
  presupuesto varchar(1),
  material varchar(1),
  mantenimiento varchar(1),
  concepto text,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Collections from customers.
CREATE TABLE IF NOT EXISTS cobro (
  fecha datetime,
  importe double,
  descripcion varchar(255),
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigocliente bigint,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Supplier invoices.
CREATE TABLE IF NOT EXISTS facturaproveedor (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  numero varchar(20),
  importetotal double,
  baseimponible double,
  porcentajeiva double,
  importeiva double,
  porcentajedescuento double,
  importedescuento double,
  codigoproveedor bigint NOT NULL,
  fecha datetime,
  cobrado varchar(1),
  observacion varchar(255),
  importepagado double,
  fechavencimiento datetime,
  contabiliza varchar(1),
  importecobrado double,
  imprimida varchar(1),
  enviada varchar(1),
  fechaenvio datetime,
  piefactura text,
  serie varchar(2),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Supplier invoice lines.
CREATE TABLE IF NOT EXISTS facturaproveedordetalle (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigofactura bigint,
  codigomaterial bigint,
  concepto varchar(150),
  cantidad double,
  importe double,
  precio double,
  porcentajedto double,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Payments to suppliers. formapago holds the payment method name as text.
CREATE TABLE IF NOT EXISTS pago (
  importe double,
  descripcion varchar(255),
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigoproveedor bigint,
  fecha date,
  formapago varchar(100),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Supplier delivery notes.
CREATE TABLE IF NOT EXISTS albaranproveedor (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  numero varchar(15),
  codigoproveedor bigint NOT NULL,
  fecha datetime,
  facturado varchar(1),
  observacion varchar(255),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Supplier delivery note lines.
CREATE TABLE IF NOT EXISTS albaranproveedordetalle (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigoalbaran bigint,
  codigomaterial bigint,
  concepto varchar(150),
  cantidad double,
  importe double,
  precio double,
  porcentajedto double,
  facturado varchar(1),
  codigofactura bigint,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Expenses. tipo holds the expense type name as text.
CREATE TABLE IF NOT EXISTS gasto (
  importe double,
  observacion varchar(255),
  pagado varchar(1),
  fechapago datetime,
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigoproveedor bigint,
  importe2 double,
  numfactura varchar(40),
  contabiliza varchar(1),
  tipo varchar(40),
  numalbaran varchar(40),
  asesor varchar(1),
  fechavencimiento datetime,
  numexpediente varchar(15),
  fecha date,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Cash book entries.
CREATE TABLE IF NOT EXISTS caja (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  fecha datetime NOT NULL,
  saldo double NOT NULL,
  concepto varchar(200) NOT NULL,
  codigotecnico bigint,
  importe double NOT NULL,
  tipo varchar(10),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Cheques and promissory notes.
CREATE TABLE IF NOT EXISTS chequepagare (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  fechavencimiento datetime,
  codigotercero bigint NOT NULL,
  importe double,
  banco varchar(100),
  tipo varchar(10) NOT NULL,
  iban varchar(30),
  ccc varchar(20),
  serie varchar(2),
  numero varchar(15),
  numero2 varchar(15),
  fechaalta datetime,
  observacion varchar(255),
  fechaa datetime,
  fecham datetime,
  codusuarioa bigint,
  codusuariom bigint
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Work orders. numero comes from the per-table counter partetrabajo.
CREATE TABLE IF NOT EXISTS partetrabajo (
  fecha datetime,
  totalhoras double,
  peticionescliente text,
  observacion varchar(255),
  facturado varchar(1),
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigocliente bigint,
  tecnico1 bigint,
  tecnico2 bigint,
  tecnico3 bigint,
  tecnico4 bigint,
  tecnico5 bigint,
  tecnico6 bigint,
  numero bigint,
  descontado varchar(1),
  horaentrada time,
  horasalida time,
  desplazamiento varchar(1),
  horasextra double,
  ubicacion varchar(100),
  codigofactura bigint,
  numfactura varchar(15),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime,
  UNIQUE KEY unico_numero (numero)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Tasks of a work order.
CREATE TABLE IF NOT EXISTS partetrabajodetalle (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigopartetrabajo bigint,
  descripcion varchar(255),
  horas double,
  codigotarea bigint,
  codigoequipo varchar(30),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Material used on a work order.
CREATE TABLE IF NOT EXISTS partetrabajomaterial (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigopartetrabajo bigint NOT NULL,
  codigomaterial bigint NOT NULL,
  numalbaran varchar(10),
  observacion varchar(255),
  codigoproveedor bigint,
  unidades double,
  precio double,
  importe double,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Incidents (support requests).
CREATE TABLE IF NOT EXISTS incidencia (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  fecha datetime,
  codigocliente bigint,
  importecoste double,
  importecliente double,
  asunto varchar(255),
  incidencia text,
  incidenciaresolucion text,
  fecharesolucion datetime,
  estado varchar(30),
  tipo varchar(30),
  codigotecnico bigint,
  prioridad varchar(10),
  contacto varchar(100),
  completado bigint,
  fechavencimiento datetime,
  codigorecurso bigint,
  codigocontacto bigint,
  aceptada varchar(1),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Equipment entries and exits.
CREATE TABLE IF NOT EXISTS entradasalida (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigoterceroentrada bigint,
  incidencia text,
  fechaentrada datetime,
  fechasalida datetime,
  codigotecnicoentrada bigint,
  codigotecnicosalida bigint,
  codigoincidencia bigint,
  codigoparte bigint,
  resolucion text,
  codigorecurso bigint,
  tarea text,
  equipo varchar(150),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Contacts of the address book.
CREATE TABLE IF NOT EXISTS contacto (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre varchar(100) NOT NULL,
  telefonoparticular1 varchar(20),
  telefonoparticular2 varchar(20),
  telefonoparticular3 varchar(20),
  telefonoparticular4 varchar(20),
  movilempresa1 varchar(20),
  movilempresa2 varchar(20),
  movilempresa3 varchar(20),
  movilempresa4 varchar(20),
  emailparticular1 varchar(150),
  emailempresa1 varchar(150),
  emailparticular2 varchar(150),
  emailparticular3 varchar(150),
  emailparticular4 varchar(150),
  direccionparticular varchar(250),
  direccionempresa varchar(250),
  horariotrabajo varchar(150),
  empresa varchar(100),
  webparticular varchar(250),
  webempresa varchar(250),
  fechaalta datetime,
  ubicacion varchar(40),
  extension1 varchar(20),
  extension2 varchar(20),
  telefonoempresa1 varchar(20),
  telefonoempresa2 varchar(20),
  telefonoempresa3 varchar(20),
  telefonoempresa4 varchar(20),
  movilparticular1 varchar(20),
  movilparticular2 varchar(20),
  movilparticular3 varchar(20),
  movilparticular4 varchar(20),
  fax1 varchar(20),
  fax2 varchar(20),
  emailempresa2 varchar(150),
  emailempresa3 varchar(150),
  emailempresa4 varchar(150),
  codigotercero bigint,
  observacion text,
  tipo varchar(20),
  cargo varchar(100),
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Notes. nombre holds the content of the note.
CREATE TABLE IF NOT EXISTS nota (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  nombre text NOT NULL,
  fechaalta datetime,
  asunto varchar(255) NOT NULL,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Projects.
CREATE TABLE IF NOT EXISTS proyecto (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  codigocliente bigint,
  fecha datetime,
  observacion text,
  nombre varchar(150) NOT NULL,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;

-- Tasks of a project, done (realizada S) or pending (N).
CREATE TABLE IF NOT EXISTS proyectodetalle (
  codigo bigint NOT NULL AUTO_INCREMENT PRIMARY KEY,
  fechaalta datetime,
  tarea text,
  realizada varchar(1),
  codigotecnico bigint,
  color bigint,
  fecharesolucion datetime,
  accesocomercial varchar(1),
  observacion text,
  codigoproyecto bigint,
  codusuarioa bigint,
  codusuariom bigint,
  fechaa datetime,
  fecham datetime
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;
