#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>
#include <vector>

// Named parameter values for a statement (":pCodigo" is bound from the name "pCodigo").
// Values: QVariant of qint64/int/uint, double, bool, QString, QDate, QTime, QDateTime,
// QByteArray; a null QVariant binds SQL NULL.
class Parametros
{
public:
    Parametros() = default;
    Parametros(std::initializer_list<std::pair<QString, QVariant>> valores);

    // Sets (or replaces) the value of the parameter; the name is given without the colon.
    Parametros &poner(const QString &nombre, const QVariant &valor);

    // The value of the named parameter (names compared without regard to case), or nullptr.
    const QVariant *buscar(QStringView nombre) const;

    bool vacio() const { return valores_.empty(); }

private:
    std::vector<std::pair<QString, QVariant>> valores_;
};
