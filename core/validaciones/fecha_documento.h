#pragma once

namespace ledgrix {

class Field;
class Tfdm;

// Keeps a document's date out of a closed period and out of the far future.
// A date before the company's block date is moved to today (or to the block
// date itself when the workstation's clock is behind it); a date beyond the
// configured number of days ahead is moved to today. Each correction is told
// to the user. Called from the date-change handlers of document windows.
void valide_fecha(Tfdm& dm, Field& fecha);

}  // namespace ledgrix
