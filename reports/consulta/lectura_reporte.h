#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QObject;

namespace ledgrix {

class ClientDataset;
class Tfdm;

// Pieces the report windows share: a read-only dataset over a report
// procedure, and the currency choice the payables documents are kept in.

// A dataset whose query the window composes; its provider is wired to the
// module's error translation once the owner calls ConfigurarProviders.
ClientDataset* conjunto_reporte(Tfdm& dm, QObject* owner, const QString& nombre);

// Whether the user chooses the currency the amounts are shown in.
bool pide_moneda(Tfdm& dm);

// Currencies to choose from (code, name); the local currency first. Empty
// when the company does not ask for one (the amounts stay in the local one).
QList<QPair<int, QString>> monedas(Tfdm& dm);

}  // namespace ledgrix
