#pragma once

#include "payables/ui/consulta/tfconsulta.h"

namespace ledgrix {

class ConsultaCargo;

// "Consulta de cargo": a stored charge with its figures, its support-document
// reference and its cost-centre shares.
class Tfconsnotdbcxp : public Tfconsulta {
    Q_OBJECT
  public:
    explicit Tfconsnotdbcxp(Tfdm& dm, QWidget* parent = nullptr);

    // The columns of figures a charge and a discount share (amounts, VAT,
    // withholdings, extra, totals), for the column prefix NDPR or NCPR.
    static QList<QList<Caja>> cifras(const QString& raiz);
};

}  // namespace ledgrix
