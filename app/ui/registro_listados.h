#pragma once

namespace ledgrix {

void registre_ventanas_listados();

}  // namespace ledgrix
