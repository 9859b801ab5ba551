#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace ledgrix {

class Tfdm;

// One interface offered to the user: its id and the name he knows it by.
struct OpcionInterfaz {
    int id = 0;
    QString nombre;
};

// Picks the accounting interface a document is posted with, by document type
// and prefix. Answers the interface's id, 0 when there is none or the user
// chose none: a zero stops the caller's save.
class Interfaces {
  public:
    // Shows the chooser over the options and answers the id confirmed, 0 when
    // cancelled. The window library installs it at start-up.
    using Elector = std::function<int(const QList<OpcionInterfaz>&)>;

    explicit Interfaces(Tfdm& dm) : dm_(dm) {}

    // Payables documents (INTERFAZ_CXPAGAR). With `preguntar` false it only
    // warns when no interface exists and answers 0 either way.
    int abre_interfaz(int tipo, const QString& prefijo, bool preguntar);
    // Cash documents (INTERFAZ_CAJA), the same way.
    int abre_interfaz_caja(int tipo, const QString& prefijo, bool preguntar);

    static void instale_elector(Elector elector);
    static const QString kSinInterfaz;

  private:
    int abra(const QString& sql, bool preguntar);

    Tfdm& dm_;
};

}  // namespace ledgrix
