#include "AnalizadorSql.h"

namespace {

bool esCaracterNombre(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Length of the quoted literal, identifier or comment starting at i, or 0 when none starts there.
qsizetype longitudProtegida(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    const QChar c = s[i];
    if (c == u'\'' || c == u'"' || c == u'`') {
        qsizetype j = i + 1;
        while (j < n) {
            if (s[j] == u'\\' && c != u'`') {
                j += 2;
                continue;
            }
            if (s[j] == c) {
                if (j + 1 < n && s[j + 1] == c) { // doubled quote inside
                    j += 2;
                    continue;
                }
                return j + 1 - i;
            }
            ++j;
        }
        return n - i;
    }
    const bool guiones
            = c == u'-' && i + 1 < n && s[i + 1] == u'-' && (i + 2 >= n || s[i + 2].isSpace());
    if (guiones || c == u'#') {
        qsizetype j = i;
        while (j < n && s[j] != u'\n')
            ++j;
        return j - i;
    }
    if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
        const qsizetype fin = s.indexOf(u"*/", i + 2);
        return fin < 0 ? n - i : fin + 2 - i;
    }
    return 0;
}

bool soloComentarios(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size()) {
        if (s[i].isSpace()) {
            ++i;
            continue;
        }
        const qsizetype l = longitudProtegida(s, i);
        if (l == 0 || s[i] == u'\'' || s[i] == u'"' || s[i] == u'`')
            return false;
        i += l;
    }
    return true;
}

} // namespace

namespace AnalizadorSql {

SentenciaConMarcadores marcarParametros(QStringView sql)
{
    SentenciaConMarcadores r;
    r.texto.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype l = longitudProtegida(sql, i);
        if (l > 0) {
            r.texto += sql.mid(i, l);
            i += l;
            continue;
        }
        const QChar c = sql[i];
        if (c == u':' && i + 1 < n && esCaracterNombre(sql[i + 1])
            && (i == 0 || sql[i - 1] != u':')) {
            qsizetype j = i + 1;
            while (j < n && esCaracterNombre(sql[j]))
                ++j;
            r.nombres.append(sql.mid(i + 1, j - i - 1).toString());
            r.texto += u'?';
            i = j;
            continue;
        }
        r.texto += c;
        ++i;
    }
    return r;
}

QStringList dividirScript(QStringView script)
{
    QStringList sentencias;
    const qsizetype n = script.size();
    qsizetype inicio = 0;
    qsizetype i = 0;
    auto cerrar = [&](qsizetype fin) {
        const QStringView trozo = script.mid(inicio, fin - inicio).trimmed();
        if (!trozo.isEmpty() && !soloComentarios(trozo))
            sentencias.append(trozo.toString());
    };
    while (i < n) {
        const qsizetype l = longitudProtegida(script, i);
        if (l > 0) {
            i += l;
            continue;
        }
        if (script[i] == u';') {
            cerrar(i);
            inicio = i + 1;
        }
        ++i;
    }
    cerrar(n);
    return sentencias;
}

QString citarIdentificador(QStringView nombre)
{
    QString s = nombre.toString();
    s.replace(u'`', QStringLiteral("``"));
    return u'`' + s + u'`';
}

} // namespace AnalizadorSql
