#include "TformGSimple.h"

#include "DatasetTabla.h"
#include "DescriptorTabla.h"
#include "Registro.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>

namespace {

QString deUtf8(const char *texto)
{
    return QString::fromUtf8(texto ? texto : "");
}

// A group of fields (or the loose fields of a page) with the place it takes.
struct Bloque
{
    QWidget *marco;
    QFormLayout *formulario;
    bool mitad;
};

} // namespace

TformGSimple::TformGSimple(const DatasetTabla &dataset, const Definicion &d, QWidget *parent)
    : TformGBase(dataset, parent)
    , valoresIniciales_(d.valoresIniciales)
{
    establecerTitulos(deUtf8(d.titulos[0]), deUtf8(d.titulos[1]), deUtf8(d.titulos[2]));
    establecerAuditoria(d.auditoria);
    establecerComprobarCodigo(d.comprobarCodigo);
    for (const Requerido &r : d.requeridos)
        anadirRequerido(deUtf8(r.columna), deUtf8(r.mensaje));
    if (d.moduloDocumentos)
        establecerDocumentos(deUtf8(d.moduloDocumentos), d.aceptaFicheros);

    QTabWidget *pestanas = nullptr;
    // Pages in the order they first appear; each holds its blocks in order.
    std::vector<std::pair<QString, std::vector<Bloque>>> paginas;
    std::map<std::pair<QString, QString>, size_t> indiceBloque;
    const auto bloque = [&](const CampoVista &cv) -> Bloque & {
        const QString pagina = deUtf8(cv.pestana);
        auto it = std::find_if(paginas.begin(), paginas.end(),
                               [&](const auto &p) { return p.first == pagina; });
        if (it == paginas.end()) {
            paginas.emplace_back(pagina, std::vector<Bloque>());
            it = paginas.end() - 1;
        }
        const QString grupo = cv.grupo ? deUtf8(cv.grupo) : QStringLiteral("\x01");
        const auto clave = std::make_pair(pagina, grupo);
        if (auto b = indiceBloque.find(clave); b != indiceBloque.end())
            return it->second[b->second];
        QWidget *marco = cv.grupo ? new QGroupBox(grupo, this) : new QWidget(this);
        auto *formulario = new QFormLayout(marco);
        formulario->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        formulario->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (!cv.grupo)
            formulario->setContentsMargins(0, 0, 0, 0);
        it->second.push_back({marco, formulario, cv.mitad});
        indiceBloque[clave] = it->second.size() - 1;
        return it->second.back();
    };

    bool codigoPuesto = false;
    for (const CampoVista &cv : d.campos) {
        Bloque &b = bloque(cv);
        if (!codigoPuesto) {
            codigoPuesto = true;
            b.formulario->addRow(etiquetaCodigo(), campoCodigo());
        }
        Campo &c = crearCampo(deUtf8(cv.columna), cv.editor, cv.valores);
        if (cv.etiqueta)
            c.etiqueta = deUtf8(cv.etiqueta);
        c.entidad = cv.entidad;
        if (!cv.puntoDecimal)
            c.puntoDecimal = false;
        if (cv.mayusculas)
            escribirEnMayusculas(c);
        if (cv.ayuda)
            c.editor->setToolTip(deUtf8(cv.ayuda));
        auto *fila = new QHBoxLayout;
        fila->addWidget(c.editor);
        if (cv.entidad > 0 && abrirSeleccionCodigo) {
            auto *boton = new QToolButton(this);
            boton->setText(QStringLiteral("..."));
            boton->setToolTip(QStringLiteral("Muestra la lista para seleccionar"));
            boton->setFocusPolicy(Qt::NoFocus);
            const QString columna = c.columna;
            connect(boton, &QToolButton::clicked, this, [this, columna] {
                if (Campo *elegido = campo(columna))
                    seleccionarCodigo(*elegido);
            });
            fila->addWidget(boton);
        }
        if (cv.tablaNombre) {
            c.tablaNombre = deUtf8(cv.tablaNombre);
            c.nombre = new QLabel(this);
            c.nombre->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
            fila->addWidget(c.nombre, 1);
        }
        filas_.insert(c.columna, fila);
        if (c.tipo == Editor::Casilla) {
            static_cast<QAbstractButton *>(c.editor)->setText(c.etiqueta);
            b.formulario->addRow(QString(), fila);
        } else if (c.tipo == Editor::Multilinea && cv.grupo && cv.etiqueta == nullptr
                   && deUtf8(cv.grupo).trimmed() == c.etiqueta) {
            // A text alone in a group named after it needs no caption of its own.
            b.formulario->addRow(fila);
        } else if (c.tipo == Editor::Multilinea && !cv.grupo && cv.pestana
                   && deUtf8(cv.pestana) == c.etiqueta) {
            b.formulario->addRow(fila);
        } else {
            auto *etiqueta = new QLabel(c.etiqueta, this);
            etiqueta->setBuddy(c.editor);
            b.formulario->addRow(etiqueta, fila);
        }
    }

    const auto colocar = [](QVBoxLayout *destino, const std::vector<Bloque> &bloques) {
        auto *rejilla = new QGridLayout;
        int fila = 0;
        int columna = 0;
        for (const Bloque &b : bloques) {
            if (b.mitad) {
                rejilla->addWidget(b.marco, fila, columna);
                columna = 1 - columna;
                if (columna == 0)
                    ++fila;
            } else {
                if (columna != 0)
                    ++fila;
                columna = 0;
                rejilla->addWidget(b.marco, fila++, 0, 1, 2);
            }
        }
        destino->addLayout(rejilla);
    };
    if (paginas.size() == 1 && paginas.front().first.isEmpty()) {
        colocar(contenido(), paginas.front().second);
    } else {
        pestanas = new QTabWidget(this);
        for (const auto &[nombre, bloques] : paginas) {
            auto *pagina = new QWidget(pestanas);
            auto *capa = new QVBoxLayout(pagina);
            colocar(capa, bloques);
            capa->addStretch();
            pestanas->addTab(pagina, nombre);
        }
        contenido()->addWidget(pestanas);
    }

    if (d.primerCampo) {
        if (Campo *c = campo(deUtf8(d.primerCampo)))
            establecerPrimerCampo(c->editor);
    }
    if (d.campoFallo) {
        if (Campo *c = campo(deUtf8(d.campoFallo)))
            establecerCampoFallo(c->editor);
    }
    FormCreate();
}

QHBoxLayout *TformGSimple::filaCampo(const QString &columna) const
{
    return filas_.value(columna);
}

void TformGSimple::valoresIniciales()
{
    if (valoresIniciales_)
        valoresIniciales_(registro());
}
