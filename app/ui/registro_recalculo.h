#pragma once

namespace ledgrix {

void registre_ventanas_recalculo();

}  // namespace ledgrix
