#pragma once

#include <QString>

namespace ledgrix {

class Tfdm;

// Name of a user of the general database; an unknown code is told to the
// user and answers the empty text.
QString valide_usuario(Tfdm& dm, const QString& codigo);

}  // namespace ledgrix
