#pragma once

namespace ledgrix {

void registre_ventanas_busquedas_pagos();

}  // namespace ledgrix
