#pragma once

class QApplication;

// Spanish start-up of the program: Spanish (Spain) as the default locale and Qt's own texts
// (standard dialogs, context menus) in Spanish.
//
// Call once, right after creating the application. The translator is owned by the
// application. When Qt's Spanish translation cannot be found the program goes on with Qt's
// English texts and a warning is logged.
void configurarEspanol(QApplication &aplicacion);
