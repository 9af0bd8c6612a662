#include "Espanol.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void configurarEspanol(QApplication &aplicacion)
{
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(espanol);

    auto *traductor = new QTranslator(&aplicacion);
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (traductor->load(espanol, u"qtbase"_s, u"_"_s, carpeta)) {
        QCoreApplication::installTranslator(traductor);
    } else {
        qWarning("No se encuentra la traducción qtbase_es en %s", qPrintable(carpeta));
        delete traductor;
    }
}
