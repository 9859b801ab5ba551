#include "maintenance/progreso.h"

namespace ledgrix {

void SinProgreso::avance(int, const QString&) {}

}  // namespace ledgrix
