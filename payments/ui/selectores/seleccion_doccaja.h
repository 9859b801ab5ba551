#pragma once

#include <QList>
#include <vector>

#include "payments/caja/tfdmcja.h"
#include "payments/ui/selectores/seleccion_varios.h"

namespace ledgrix {

// The chooser of payment documents held in a box ("Tfbuscdoccaja"): the
// documents of the box not yet spent (DPCA_TIPOSAL = 0, DPCA_IDSAL = 0),
// less those the voucher's cash lines already name. What the user chooses
// is left in Tfdmcja::entregados.
class SeleccionDocCaja : public SeleccionVarios {
  public:
    explicit SeleccionDocCaja(Tfdm& dm) : SeleccionVarios(dm) {}

    QString ventana() const override { return QStringLiteral("Tfbuscdoccaja"); }
    QString titulo() const override { return QStringLiteral("Documentos en caja"); }
    QStringList columnas() const override;

    // `usados`: the documents on the voucher's other lines.
    void cargue(int caja, const QList<Tfdmcja::DocumentoCaja>& usados);

  protected:
    bool entregue_lineas(const std::vector<int>& lineas) override;

  private:
    std::vector<Tfdmcja::DocumentoCaja> documentos_;
};

}  // namespace ledgrix
