#pragma once

namespace ledgrix {

void registre_ventanas_movimiento();

}  // namespace ledgrix
