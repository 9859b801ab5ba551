#pragma once

namespace ledgrix {

void registre_ventanas_consultas();

}  // namespace ledgrix
