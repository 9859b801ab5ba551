#pragma once

namespace ledgrix {

void registre_ventanas_procedimientos();

}  // namespace ledgrix
