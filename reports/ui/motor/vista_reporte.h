#pragma once

class QWidget;

namespace ledgrix {

class Dialogs;
class Reporte;

// The report on screen: a print preview whose print button offers the
// printer choice. Opened through the dialogs service as "QPrintPreviewDialog"
// so tests answer it. False, after telling the user why, when the report
// cannot be laid out.
bool muestre_reporte(Reporte& reporte, Dialogs& dialogs, QWidget* parent);

// Straight to a printer the user chooses; false when cancelled or when the
// report could not be printed (the reason in reporte.error()).
bool imprima_con_dialogo(Reporte& reporte, QWidget* parent);

}  // namespace ledgrix
