#pragma once

#include "TformGSimple.h"

#include <QStringList>

// The numbering series edit view: the series name in capitals, one of the document tables.
class TformGSerie : public TformGSimple
{
    Q_OBJECT

public:
    explicit TformGSerie(QWidget *parent = nullptr);

    // The document tables a series or counter may number.
    static QStringList tablasDocumento();
};
