#pragma once

#include <QString>
#include <QStringList>

// Lexical work on statement text that must respect quotes and comments: turning named
// parameters into placeholders and splitting scripts into statements.
namespace AnalizadorSql {

struct SentenciaConMarcadores
{
    QString texto; // the statement with every ":name" replaced by "?"
    QStringList nombres; // the parameter names in the order of the placeholders
};

// Replaces each ":name" (letters, digits, "_") outside quoted literals, quoted identifiers
// and comments by "?". ":=" and "::" are left alone. A name may occur several times.
SentenciaConMarcadores marcarParametros(QStringView sql);

// Splits a script on ";" outside quotes and comments; statements are trimmed and empty
// ones (only blanks or comments) are dropped.
QStringList dividirScript(QStringView script);

// The name quoted as an identifier (backticks, any backtick inside doubled), for the few names
// that come from the user or the server rather than from the program's constants.
QString citarIdentificador(QStringView nombre);

} // namespace AnalizadorSql
