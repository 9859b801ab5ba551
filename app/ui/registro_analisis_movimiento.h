#pragma once

namespace ledgrix {

void registre_ventanas_analisis_movimiento();

}  // namespace ledgrix
