#pragma once

#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// The active series a document window offers for a document type: those of
// the current agency or of none, and only the user's own (PREFIJOS_USUARIO)
// when `por_usuario`. Opens `prefijos` over them; without any, tells the user
// `sin_prefijos` (by default "Debe crear antes un prefijo válido para el
// documento.") and answers false.
bool abra_prefijos_documento(Tfdm& dm, ClientDataset& prefijos, int tipo, bool por_usuario,
                             const QString& sin_prefijos = {});

}  // namespace ledgrix
