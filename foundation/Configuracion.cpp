#include "Configuracion.h"

#include "EstadoNavegacion.h"
#include "FicheroIni.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const char *const variableIni = "QUENVALIA_INI";
constexpr auto prefijoContrasena = "hex:"_L1;
constexpr auto seccionBaseDatos = u"Base de datos";
constexpr auto claveContrasena = u"Tipo BD MySQL - Contraseña";

std::optional<QString> leerValor(QStringView seccion, QStringView clave)
{
    FicheroIni fichero;
    const QString ruta = rutaFicheroIni();
    if (!fichero.cargar(ruta)) {
        qWarning("No se puede leer %s: %s", qPrintable(ruta), qPrintable(fichero.textoError()));
        return std::nullopt;
    }
    return fichero.valor(seccion, clave);
}

bool escribirValor(QStringView seccion, QStringView clave, QStringView valor)
{
    FicheroIni fichero;
    const QString ruta = rutaFicheroIni();
    // A file that exists but cannot be read must not be replaced by one holding a single key.
    if (!fichero.cargar(ruta) || !fichero.establecerValor(seccion, clave, valor)
        || !fichero.guardar(ruta)) {
        qWarning("No se puede escribir %s: %s", qPrintable(ruta), qPrintable(fichero.textoError()));
        return false;
    }
    return true;
}

std::optional<qint64> comoEntero(const std::optional<QString> &texto)
{
    if (!texto)
        return std::nullopt;
    bool correcto = false;
    const qint64 numero = texto->toLongLong(&correcto, 10);
    if (!correcto)
        return std::nullopt;
    return numero;
}

QStringList leerDescripcionFactura()
{
    QFile fichero(rutaDescripcionFactura());
    if (!fichero.exists())
        return {};
    if (!fichero.open(QIODevice::ReadOnly)) {
        qWarning("No se puede leer %s: %s", qPrintable(fichero.fileName()),
                 qPrintable(fichero.errorString()));
        return {};
    }
    return FicheroIni::lineasDe(fichero.readAll());
}

} // namespace

QString rutaFicheroIni()
{
    const QString variable = qEnvironmentVariable(variableIni);
    if (!variable.isEmpty())
        return variable;
    QString ruta = QCoreApplication::applicationFilePath();
    if (ruta.endsWith(u".exe"_s, Qt::CaseInsensitive))
        ruta.chop(4);
    return ruta + u".INI"_s;
}

QString carpetaPrograma()
{
    const QString variable = qEnvironmentVariable(variableIni);
    if (!variable.isEmpty())
        return QFileInfo(variable).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString rutaDescripcionFactura()
{
    return carpetaPrograma() + u"/Descripción factura.txt"_s;
}

QString leerIniCadena(QStringView seccion, QStringView clave, const QString &defecto)
{
    return leerValor(seccion, clave).value_or(defecto);
}

qint64 leerIniEntero(QStringView seccion, QStringView clave, qint64 defecto)
{
    return comoEntero(leerValor(seccion, clave)).value_or(defecto);
}

bool leerIniBool(QStringView seccion, QStringView clave, bool defecto)
{
    const auto numero = comoEntero(leerValor(seccion, clave));
    return numero ? *numero != 0 : defecto;
}

bool escribirIniCadena(QStringView seccion, QStringView clave, const QString &valor)
{
    return escribirValor(seccion, clave, valor);
}

bool escribirIniEntero(QStringView seccion, QStringView clave, qint64 valor)
{
    return escribirValor(seccion, clave, QString::number(valor));
}

bool escribirIniBool(QStringView seccion, QStringView clave, bool valor)
{
    return escribirValor(seccion, clave, valor ? u"1" : u"0");
}

QString mensajeErrorEscrituraIni()
{
    return u"No se ha podido escribir el fichero de configuración: "_s + rutaFicheroIni();
}

bool escribirDescripcionFactura(const QStringList &lineas)
{
    const QString ruta = rutaDescripcionFactura();
    for (const QString &linea : lineas) {
        if (linea.contains(u'\n') || linea.contains(u'\r')) {
            qWarning("No se puede escribir %s: una línea contiene un salto de línea",
                     qPrintable(ruta));
            return false;
        }
    }
    QSaveFile fichero(ruta);
    const QByteArray contenido = FicheroIni::bytesDe(lineas);
    if (!fichero.open(QIODevice::WriteOnly) || fichero.write(contenido) != contenido.size()
        || !fichero.commit()) {
        qWarning("No se puede escribir %s: %s", qPrintable(ruta),
                 qPrintable(fichero.errorString()));
        return false;
    }
    return true;
}

QString mensajeErrorEscrituraDescripcion()
{
    return u"No se ha podido escribir el fichero: "_s + rutaDescripcionFactura();
}

DatosConfiguracion &datosConfiguracion()
{
    static DatosConfiguracion datos;
    return datos;
}

void cargarConfiguracion()
{
    DatosConfiguracion &d = datosConfiguracion();

    const auto bd = u"Base de datos";
    d.bdNombre = leerIniCadena(bd, u"Tipo BD MySQL - Nombre BD");
    d.bdServidor = leerIniCadena(bd, u"Tipo BD MySQL - Servidor");
    d.bdProtocolo = leerIniCadena(bd, u"Tipo BD MySQL - Protocolo", u"mysql-4.1"_s);
    d.bdPuerto = leerIniCadena(bd, u"Tipo BD MySQL - Puerto", u"3306"_s);
    d.bdContrasena = leerContrasenaBD();

    const auto defecto = u"Defecto";
    d.tipoTercero = leerIniCadena(defecto, u"Tipo tercero", u"Cliente"_s);
    d.codigoClienteDefectoFacturas = leerIniEntero(defecto, u"Código cliente defecto facturas", 1);
    d.codigoProveedorDefectoFacturas
            = leerIniEntero(defecto, u"Código proveedor defecto facturas", 1);
    d.crearFacturaAutomaticamente = leerIniBool(defecto, u"Crear factura automáticamente", true);
    d.porcentajeIvaFacturas = leerIniEntero(defecto, u"Porcentaje IVA facturas", 16);
    d.validaParaHacienda = leerIniBool(defecto, u"Válida para hacienda", true);
    d.articuloCodigoFamilia = leerIniEntero(defecto, u"Artículo - Código familia", 1);
    d.articuloCodigoModelo = leerIniEntero(defecto, u"Artículo - Código modelo", 1);
    d.articuloCodigoMarca = leerIniEntero(defecto, u"Artículo - Código marca", 1);
    d.articuloCodigoProveedor = leerIniEntero(defecto, u"Artículo - Código proveedor", 1);
    d.tecnico1 = leerIniEntero(defecto, u"Técnico 1", 1);
    d.tecnico2 = leerIniEntero(defecto, u"Técnico 2", 1);
    d.tecnico3 = leerIniEntero(defecto, u"Técnico 3", 1);
    d.tecnico4 = leerIniEntero(defecto, u"Técnico 4", 1);
    d.tecnico5 = leerIniEntero(defecto, u"Técnico 5", 1);
    d.tecnico6 = leerIniEntero(defecto, u"Técnico 6", 1);
    d.tecnicoIndeterminado = leerIniEntero(defecto, u"Técnico indeterminado", 1);
    d.incidenciaCodigoRecurso = leerIniEntero(defecto, u"Incidencia - Código recurso", 0);
    d.incidenciaCodigoCliente = leerIniEntero(defecto, u"Incidencia - Código cliente", 0);
    d.incidenciaPrioridad = leerIniCadena(defecto, u"Incidencia - Prioridad", u"Media"_s);
    d.incidenciaTipo = leerIniCadena(defecto, u"Incidencia - Tipo", u"Asistencia técnica"_s);
    d.cambioControlIntro = leerIniBool(defecto, u"Cambio control intro", true);
    d.permitirDuplicadoNombreTercero
            = leerIniBool(defecto, u"Permitir duplicado - Nombre tercero", true);
    d.permitirDuplicadoNombreArticulo
            = leerIniBool(defecto, u"Permitir duplicado - Nombre articulo", true);
    d.valorIndeterminado = leerIniCadena(defecto, u"Valor indeterminado", u"Indeterminado"_s);

    navegacion().codigoSeleccionado = -1;

    const auto empresa = u"Empresa";
    d.empresaNombre = leerIniCadena(empresa, u"Nombre");
    d.empresaDireccion = leerIniCadena(empresa, u"Dirección");
    d.empresaCif = leerIniCadena(empresa, u"CIF");
    d.empresaProvincia = leerIniCadena(empresa, u"Provincia");
    d.empresaPoblacion = leerIniCadena(empresa, u"Población");
    d.empresaNombrePersona = leerIniCadena(empresa, u"Nombre persona");
    d.empresaTelefono = leerIniCadena(empresa, u"Teléfono");
    d.empresaInscripcion = leerIniCadena(empresa, u"Inscripción");
    d.empresaCp = leerIniCadena(empresa, u"CP");
    d.empresaObservacion = leerIniCadena(empresa, u"Observación");
    d.empresaLogotipo = leerIniCadena(empresa, u"Logotipo");
    d.empresaLogotipoNombre = leerIniCadena(empresa, u"Logotipo Nombre");
    d.descripcionFactura = leerDescripcionFactura();

    d.ficheroAdjuntoTamanoMaximo = leerIniEntero(u"Fichero Adjunto", u"Tamaño máximo", 2097152);

    const auto facturacion = u"Facturación";
    d.cantidadCaracteresNumeroFactura
            = leerIniEntero(facturacion, u"Cantidad de caracteres del número de factura", 4);
    d.serie = leerIniCadena(facturacion, u"Serie", u"A"_s);
    d.anio = leerIniCadena(facturacion, u"Año",
                           u'/' + QString::number(QDate::currentDate().year()));

    // Each part names its position; a position no key names stays empty, and a value outside
    // 1..3 places its part nowhere.
    d.posiciones.fill(0);
    const std::array<QStringView, 3> clavesOrden = {u"Orden 1", u"Orden 2", u"Orden 3"};
    for (int parte = 1; parte <= 3; ++parte) {
        const qint64 posicion = leerIniEntero(facturacion, clavesOrden[parte - 1], parte);
        if (posicion >= 1 && posicion <= 3)
            d.posiciones[posicion - 1] = parte;
    }

    d.ocultarPieFactura = leerIniBool(facturacion, u"Ocultar pie factura", false);
    d.ocultarPieObservacion = leerIniBool(facturacion, u"Ocultar pie observación", false);
    d.seriePorDefecto = leerIniCadena(facturacion, u"Serie por defecto", u"A"_s);

    const auto email = u"Servidor email";
    d.emailServidor = leerIniCadena(email, u"Servidor");
    d.emailUsuario = leerIniCadena(email, u"Usuario");
    d.emailContrasena = leerIniCadena(email, u"Contraseña");
    d.emailPuerto = leerIniCadena(email, u"Puerto");
    d.emailCuenta = leerIniCadena(email, u"Cuenta");
    d.emailAutenticacion = leerIniBool(email, u"Autenticación", false);

    const auto titulos = u"Título ventanas";
    d.tituloPartesTrabajo = leerIniCadena(titulos, u"Partes de trabajo", u"Parte de trabajo"_s);
    d.tituloPartesTrabajoPlural
            = leerIniCadena(titulos, u"Partes de trabajo - Plural", u"Partes de trabajo"_s);
    d.tituloPartesTrabajoBoton = leerIniCadena(titulos, u"Partes de trabajo - Botón", u"Partes"_s);
    d.tituloPartesTrabajoMenu
            = leerIniCadena(titulos, u"Partes de trabajo - Menú", u"Partes de trabajo"_s);
    d.tituloIncidencias = leerIniCadena(titulos, u"Incidencias", u"Incidencia"_s);
    d.tituloIncidenciasPlural = leerIniCadena(titulos, u"Incidencias - Plural", u"Incidencias"_s);
}

QString codificarClave(QStringView texto, quint32 semilla)
{
    QByteArray bytes = aWindows1252(texto);
    quint32 estado = semilla;
    for (char &byte : bytes) {
        estado = estado * 134775813u + 1u;
        byte = static_cast<char>(static_cast<unsigned char>(byte) ^ (estado >> 24));
    }
    return desdeWindows1252(bytes);
}

QString decodificarClave(QStringView texto, quint32 semilla)
{
    return codificarClave(texto, semilla);
}

QString leerContrasenaBD()
{
    const QString guardada = leerIniCadena(seccionBaseDatos, claveContrasena);
    if (!guardada.startsWith(prefijoContrasena))
        return guardada;
    const QStringView hexadecimal = QStringView(guardada).sliced(prefijoContrasena.size());
    const bool valido = hexadecimal.size() % 2 == 0
            && std::all_of(hexadecimal.begin(), hexadecimal.end(), [](QChar c) {
                            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')
                                    || (c >= u'A' && c <= u'F');
                        });
    if (!valido)
        return guardada;
    const QByteArray bytes = QByteArray::fromHex(hexadecimal.toLatin1());
    return decodificarClave(desdeWindows1252(bytes), semillaClave);
}

bool escribirContrasenaBD(const QString &contrasena)
{
    if (contrasena.isEmpty())
        return escribirIniCadena(seccionBaseDatos, claveContrasena, QString());
    const QByteArray bytes = aWindows1252(codificarClave(contrasena, semillaClave));
    return escribirIniCadena(seccionBaseDatos, claveContrasena,
                             prefijoContrasena + QString::fromLatin1(bytes.toHex().toUpper()));
}
