#pragma once

class QCoreApplication;
class QTranslator;

namespace ledgrix {

// Qt's own Spanish texts: the standard buttons ("Sí", "No", "Cancelar") and
// the standard dialogs of every program of the product. Called once at
// start-up, before the first window. Null when the translation files are not
// installed on the machine; the texts then stay in English.
QTranslator* instale_traducciones_qt(QCoreApplication& app);

}  // namespace ledgrix
