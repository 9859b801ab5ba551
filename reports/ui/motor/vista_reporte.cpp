#include "reports/ui/motor/vista_reporte.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include "core/services/dialogs.h"
#include "reports/motor/reporte.h"

namespace ledgrix {

bool muestre_reporte(Reporte& reporte, Dialogs& dialogs, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    reporte.prepare_impresora(printer);
    // Laid out before the preview opens, so a bad layout or missing column
    // is said once instead of leaving an empty preview.
    if (reporte.paginas(printer) == 0) {
        dialogs.error(reporte.error());
        return false;
    }
    dialogs.modal(QStringLiteral("QPrintPreviewDialog"), [&] {
        QPrintPreviewDialog vista(&printer, parent);
        vista.setWindowTitle(reporte.nombre());
        QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                         [&](QPrinter* p) { reporte.imprima(*p); });
        // Where no window manager maximises it, the preview still takes the screen.
        if (const QScreen* pantalla = parent ? parent->screen() : QGuiApplication::primaryScreen())
            vista.setGeometry(pantalla->availableGeometry());
        vista.setWindowState(Qt::WindowMaximized);
        return vista.exec();
    });
    return true;
}

bool imprima_con_dialogo(Reporte& reporte, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    reporte.prepare_impresora(printer);
    if (reporte.paginas(printer) == 0)
        return false;
    QPrintDialog dialogo(&printer, parent);
    dialogo.setMinMax(1, reporte.paginas(printer));
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    return reporte.imprima(printer);
}

}  // namespace ledgrix
