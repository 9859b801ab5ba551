#pragma once

#include <QDate>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// The supplier on the current row of a list by supplier (columns NIT and
// NOMBRE), and its hand-over to the windows the analysis lists open: the
// consultation of its open documents and its movement over a period. The
// windows read the supplier from the third parties data module and the
// period from the core one.

// Empty when the list is closed or empty.
QString nit_en_fila(const ClientDataset& filas);
QString nombre_en_fila(const ClientDataset& filas);
// Moves the list to a supplier; false when it is not listed.
bool vaya_a_nit(ClientDataset& filas, const QString& nit);

// False, handing nothing, when no supplier is on the row.
bool entregue_saldos(Tfdm& dm, const ClientDataset& filas);
bool entregue_movimiento(Tfdm& dm, const ClientDataset& filas, const QDate& desde,
                         const QDate& hasta);

}  // namespace ledgrix
