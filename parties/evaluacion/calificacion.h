#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <optional>

#include "core/money/currency.h"
#include "parties/evaluacion/solicitud_reporte.h"

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the "Calificación de proveedores" window works on: one supplier's
// grades (PROVEEDOR_CALIFICACION), one row per criterion. Each row shows the
// criterion's name and weight and its weighted grade (grade / 100 x weight),
// worked out again for every row shown. Storing changes the supplier's
// record, so it needs the payables access of the supplier master.
//
// F5 opens the criteria as modal "Tfcriteriosprv" (the window then calls
// criterios_cambiados()); F7 prints as modal "Tfrepcalificacion".
class CalificacionProveedor : public QObject {
    Q_OBJECT
  public:
    // The option of "C. X PAGAR" that guards changes to a supplier.
    static constexpr int kOpcionAcceso = 0;

    CalificacionProveedor(Tfdm& dm, const QString& nit, QObject* parent = nullptr);

    // Reads the supplier's name and grades; false when the statement failed.
    bool abra();
    const QString& nit() const { return nit_; }
    const QString& nombre() const { return nombre_; }
    ClientDataset& filas() const { return *filas_; }

    // The weighted grades of the rows added up: the supplier's rating.
    Currency total() const;

    // F2: true when stored. Refused without the access, or when a row is
    // wrong (told); what was typed stays for another try.
    bool grabe();
    void cancele();
    // After the criteria window closed: names and weights read again.
    void criterios_cambiados();
    // What F7 prints: the rows with the report's variables; nothing when
    // there are no rows (told).
    std::optional<SolicitudReporte> solicitud();
    // F7: 0 when there was nothing to print.
    int imprima();

  private:
    struct Criterio {
        QString nombre;
        Currency peso;
    };
    void lea_criterios();
    void revise_fila(ClientDataset& ds);

    Tfdm& dm_;
    QString nit_;
    QString nombre_;
    ClientDataset* filas_;
    QHash<qint64, Criterio> criterios_;
    bool recalculando_ = false;
};

}  // namespace ledgrix
