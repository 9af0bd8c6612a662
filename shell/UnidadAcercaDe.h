#pragma once

#include <QDialog>

// The about box: the program's title and version, with one button to close it.
class TformAcercaDe : public QDialog
{
    Q_OBJECT

public:
    explicit TformAcercaDe(QWidget *padre = nullptr);
};
