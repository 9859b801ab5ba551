#include "payments/ui/egresos/tfegresos.h"

namespace ledgrix {

Tfegresos::Tfegresos(Tfdm& dm, QWidget* parent) : QWidget(parent), dm_(dm), logica_(dm, this) {
    setWindowTitle(QStringLiteral("Egresos"));
}

}  // namespace ledgrix
