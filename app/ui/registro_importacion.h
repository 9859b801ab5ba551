#pragma once

namespace ledgrix {

void registre_ventanas_importacion();

}  // namespace ledgrix
