#include "electronic/componente.h"

namespace ledgrix::electronico {

namespace {
Configuracion& actual() {
    static Configuracion c;
    return c;
}
}  // namespace

void configure(const Configuracion& configuracion) { actual() = configuracion; }

const Configuracion& configuracion() { return actual(); }

}  // namespace ledgrix::electronico
