#include "FicheroIni.h"

#include "Windows1252.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

bool mismoNombre(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The section name when the line opens a section.
std::optional<QStringView> seccionDe(QStringView linea)
{
    qsizetype i = 0;
    while (i < linea.size() && (linea[i] == u' ' || linea[i] == u'\t'))
        ++i;
    if (i == linea.size() || linea[i] != u'[')
        return std::nullopt;
    const qsizetype cierre = linea.indexOf(u']', i + 1);
    if (cierre < 0)
        return std::nullopt;
    return linea.sliced(i + 1, cierre - i - 1);
}

// The key name when the line is neither a section, a comment nor a line without "=".
std::optional<QStringView> claveDe(QStringView linea)
{
    if (linea.startsWith(u';') || seccionDe(linea))
        return std::nullopt;
    const qsizetype igual = linea.indexOf(u'=');
    if (igual < 0)
        return std::nullopt;
    return linea.first(igual);
}

bool tieneSaltoDeLinea(QStringView texto)
{
    return texto.contains(u'\n') || texto.contains(u'\r');
}

} // namespace

bool FicheroIni::cargar(const QString &ruta)
{
    m_lineas.clear();
    m_error.clear();
    QFile fichero(ruta);
    if (!fichero.exists())
        return true;
    if (!fichero.open(QIODevice::ReadOnly)) {
        m_error = fichero.errorString();
        return false;
    }
    const QByteArray contenido = fichero.readAll();
    if (fichero.error() != QFileDevice::NoError) {
        m_error = fichero.errorString();
        return false;
    }
    establecerBytes(contenido);
    return true;
}

bool FicheroIni::guardar(const QString &ruta)
{
    m_error.clear();
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly)) {
        m_error = fichero.errorString();
        return false;
    }
    const QByteArray contenido = bytes();
    if (fichero.write(contenido) != contenido.size() || !fichero.commit()) {
        m_error = fichero.errorString();
        fichero.cancelWriting();
        return false;
    }
    return true;
}

void FicheroIni::establecerBytes(QByteArrayView bytes)
{
    m_lineas = lineasDe(bytes);
}

QByteArray FicheroIni::bytes() const
{
    return bytesDe(m_lineas);
}

std::optional<QString> FicheroIni::valor(QStringView seccion, QStringView clave) const
{
    bool dentro = false;
    for (const QString &linea : m_lineas) {
        if (const auto nombre = seccionDe(linea)) {
            dentro = mismoNombre(*nombre, seccion);
        } else if (dentro) {
            const auto nombreClave = claveDe(linea);
            if (nombreClave && mismoNombre(*nombreClave, clave))
                return linea.sliced(nombreClave->size() + 1);
        }
    }
    return std::nullopt;
}

bool FicheroIni::establecerValor(QStringView seccion, QStringView clave, QStringView valor)
{
    m_error.clear();
    if (seccion.isEmpty() || seccion.contains(u']') || tieneSaltoDeLinea(seccion)) {
        m_error = u"Nombre de sección no válido: "_s + seccion;
        return false;
    }
    if (clave.isEmpty() || clave.contains(u'=') || clave.startsWith(u'[') || clave.startsWith(u';')
        || tieneSaltoDeLinea(clave)) {
        m_error = u"Nombre de clave no válido: "_s + clave;
        return false;
    }
    if (tieneSaltoDeLinea(valor)) {
        m_error = u"El valor de la clave "_s + clave + u" contiene saltos de línea"_s;
        return false;
    }

    bool dentro = false;
    qsizetype insertarEn = -1; // after the last non-blank line of the first matching section
    bool primeraSeccionCerrada = false;
    for (qsizetype i = 0; i < m_lineas.size(); ++i) {
        const QString &linea = m_lineas[i];
        if (const auto nombre = seccionDe(linea)) {
            if (dentro)
                primeraSeccionCerrada = true;
            dentro = mismoNombre(*nombre, seccion);
            if (dentro && insertarEn < 0)
                insertarEn = i + 1;
            continue;
        }
        if (!dentro)
            continue;
        if (const auto nombreClave = claveDe(linea);
            nombreClave && mismoNombre(*nombreClave, clave)) {
            m_lineas[i] = linea.first(nombreClave->size() + 1) + valor;
            return true;
        }
        if (!primeraSeccionCerrada && !linea.trimmed().isEmpty())
            insertarEn = i + 1;
    }

    const QString nuevaLinea = clave + u'=' + valor;
    if (insertarEn >= 0) {
        m_lineas.insert(insertarEn, nuevaLinea);
    } else {
        m_lineas.append(u'[' + seccion + u']');
        m_lineas.append(nuevaLinea);
    }
    return true;
}

QStringList FicheroIni::lineasDe(QByteArrayView bytes)
{
    QStringList lineas;
    qsizetype inicio = 0;
    while (inicio < bytes.size()) {
        qsizetype fin = bytes.indexOf('\n', inicio);
        const qsizetype siguiente = fin < 0 ? bytes.size() : fin + 1;
        if (fin < 0)
            fin = bytes.size();
        qsizetype largo = fin - inicio;
        if (largo > 0 && bytes[fin - 1] == '\r' && fin < bytes.size())
            --largo;
        lineas.append(desdeWindows1252(bytes.sliced(inicio, largo)));
        inicio = siguiente;
    }
    return lineas;
}

QByteArray FicheroIni::bytesDe(const QStringList &lineas)
{
    QByteArray resultado;
    for (const QString &linea : lineas) {
        resultado += aWindows1252(linea);
        resultado += "\r\n";
    }
    return resultado;
}
