#pragma once

namespace ledgrix {

// Registers the payments area's working windows (the payment voucher) with
// the main window's window registry.
void registre_ventanas_pagos();

}  // namespace ledgrix
