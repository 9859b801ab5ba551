#pragma once

namespace ledgrix {

class Tfdm;

// Document types of the rows that mark a session entering and leaving the module.
inline constexpr int kAuditoriaEntrada = 198;
inline constexpr int kAuditoriaSalida = 199;

// Records that the logged-in user entered (`entrada`) or left the module.
// Who and when are filled by the database, not by this workstation.
bool grabe_auditoria(Tfdm& dm, bool entrada);

}  // namespace ledgrix
