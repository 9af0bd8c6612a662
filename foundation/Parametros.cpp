#include "Parametros.h"

Parametros::Parametros(std::initializer_list<std::pair<QString, QVariant>> valores)
{
    for (const auto &[nombre, valor] : valores)
        poner(nombre, valor);
}

Parametros &Parametros::poner(const QString &nombre, const QVariant &valor)
{
    for (auto &[n, v] : valores_) {
        if (n.compare(nombre, Qt::CaseInsensitive) == 0) {
            v = valor;
            return *this;
        }
    }
    valores_.emplace_back(nombre, valor);
    return *this;
}

const QVariant *Parametros::buscar(QStringView nombre) const
{
    for (const auto &[n, v] : valores_) {
        if (QStringView(n).compare(nombre, Qt::CaseInsensitive) == 0)
            return &v;
    }
    return nullptr;
}
