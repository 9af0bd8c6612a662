#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The contents of one sectioned key file ("[Sección]" and "Clave=Valor" lines, Windows-1252):
// looks values up and replaces them while every other line stays as it was, in its place.
//
// Rules of the format: section and key names are compared without regard to case and are never
// trimmed ("Ocultar " and "Ocultar" are two keys); the key is the text before the first "=" and
// the value everything after it, as it stands. A line whose first non-blank character is "["
// and that has a "]" after it opens a section; lines starting with ";" are comments; any other
// line is kept without meaning. Lines before the first section belong to none. When a section
// or key occurs twice, the first occurrence is the one read and written.
class FicheroIni
{
public:
    // Reads the file at ruta. A missing file gives an empty contents and true. False when the
    // file exists but cannot be read (a folder, no permission); the contents are then empty and
    // textoError() says why.
    [[nodiscard]] bool cargar(const QString &ruta);

    // Replaces the file at ruta with the contents (through a temporary file renamed over it),
    // every line ended by CR LF. False when the file system refuses; textoError() says why and
    // the previous file is left untouched.
    [[nodiscard]] bool guardar(const QString &ruta);

    // The contents of the given Windows-1252 bytes (CR LF or LF line ends).
    void establecerBytes(QByteArrayView bytes);

    // The contents as they would be written: Windows-1252, CR LF after every line.
    [[nodiscard]] QByteArray bytes() const;

    // The value of clave in seccion, or nullopt when the section or the key is missing.
    [[nodiscard]] std::optional<QString> valor(QStringView seccion, QStringView clave) const;

    // Sets clave in seccion to valor: replaces the value of an existing key (keeping the key's
    // spelling), else adds the key after the last line of the section, else adds the section at
    // the end. False, with nothing changed, when the text cannot be held by one line: a line
    // break anywhere, an empty key, a key with "=" or starting with "[" or ";", a section with
    // "]" or an empty section.
    [[nodiscard]] bool establecerValor(QStringView seccion, QStringView clave, QStringView valor);

    // The reason of the last failed cargar, guardar or establecerValor.
    [[nodiscard]] QString textoError() const { return m_error; }

    // The lines of Windows-1252 bytes, CR LF or LF ended; a final line end adds no empty line.
    [[nodiscard]] static QStringList lineasDe(QByteArrayView bytes);

    // The Windows-1252 bytes of the lines, each followed by CR LF.
    [[nodiscard]] static QByteArray bytesDe(const QStringList &lineas);

private:
    QStringList m_lineas;
    QString m_error;
};
