#pragma once

namespace ledgrix {

void registre_ventanas_movimiento_mes();

}  // namespace ledgrix
