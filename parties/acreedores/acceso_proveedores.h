#pragma once

namespace ledgrix {

class Tfdm;

// Creating and deleting suppliers and reading their financial data need the
// payables option of a new supplier; without it the user is told and the
// answer is false.
bool permita_nuevo_proveedor(Tfdm& dm);

}  // namespace ledgrix
