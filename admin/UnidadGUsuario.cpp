#include "UnidadGUsuario.h"

#include "Registro.h"
#include "UnidadModuloDatos.h"
#include "UnidadProcedimientos.h"

#include <QDateTime>
#include <QLineEdit>

namespace {

const TformGSimple::Definicion &definicion()
{
    static const TformGSimple::Definicion d {
            .titulos
            = {"Añadir Usuario...", "Modificación de Usuario...", "Visualización de Usuario..."},
            .primerCampo = "fecha",
            .campoFallo = "fecha",
            .requeridos = {{"nick", "El campo Nick debe tener un valor."},
                           {"nombre", "El campo Nombre debe tener un valor."}},
            .campos
            = {{.columna = "fecha", .etiqueta = "Fecha", .editor = TformGBase::Editor::FechaHora},
               {.columna = "nick"},
               {.columna = "nombre", .etiqueta = "Nombre completo"},
               {.columna = "contrasena", .editor = TformGBase::Editor::Contrasena},
               {.columna = "email", .etiqueta = "E-Mail"},
               {.columna = "codigodepartamento",
                .etiqueta = "Departamento",
                .entidad = 21,
                .tablaNombre = "departamento"},
               {.columna = "modificacion", .editor = TformGBase::Editor::Casilla},
               {.columna = "administrador", .editor = TformGBase::Editor::Casilla},
               {.columna = "accesoweb",
                .etiqueta = "Permitir acceso vía web a la aplicación",
                .editor = TformGBase::Editor::Casilla}},
            .valoresIniciales =
                    [](Registro &r) {
                        r.asignar(u"fecha", QDateTime::currentDateTime());
                        r.asignar(u"administrador", QStringLiteral("N"));
                        r.asignar(u"modificacion", QStringLiteral("N"));
                        r.asignar(u"accesoweb", QStringLiteral("N"));
                    },
    };
    return d;
}

} // namespace

TformGUsuario::TformGUsuario(QWidget *parent)
    : TformGSimple(md().tUsuario, definicion(), parent)
{
    if (modo() != Modo::Nuevo)
        contrasenaRecordada_ = registro().texto(u"contrasena");
}

bool TformGUsuario::antesDeGuardar()
{
    // The typed text becomes its digest; the stored digest left untouched stays as it was.
    const auto *e = static_cast<QLineEdit *>(campo(QStringLiteral("contrasena"))->editor);
    if (e->text() != contrasenaRecordada_)
        registro().asignar(u"contrasena", calcularMD5(e->text()).toLower());
    return true;
}
