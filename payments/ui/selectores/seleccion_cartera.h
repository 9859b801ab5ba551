#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <optional>
#include <vector>

#include "core/tfdm/tfdm.h"
#include "payments/ui/selectores/seleccion_varios.h"

namespace ledgrix {

// The receivables chooser of the voucher's crosses ("Tfbusccartera"): the
// payee's live receivables documents (types with tido_cart = 'S') issued
// by the voucher's date that still have a balance, less those already crossed in the voucher. One
// document chosen is left in `elegido`; several become a group of
// CONSOLIDE_FALTANTES whose id is left in RegistroCartera::grupo_entregado.
class SeleccionCartera : public SeleccionVarios {
  public:
    explicit SeleccionCartera(Tfdm& dm) : SeleccionVarios(dm) {}

    QString ventana() const override { return QStringLiteral("Tfbusccartera"); }
    QString titulo() const override { return QStringLiteral("Documentos de cartera"); }
    QStringList columnas() const override;

    // Documents dated up to `fecha` (the voucher's); `cruzados`: type and id
    // of the documents the voucher crosses already.
    void cargue(const QString& nit, const QDate& fecha, const QList<QPair<int, qint64>>& cruzados);
    const std::optional<DocumentoSeleccionado>& elegido() const { return elegido_; }

  protected:
    bool entregue_lineas(const std::vector<int>& lineas) override;

  private:
    std::vector<DocumentoSeleccionado> documentos_;
    std::optional<DocumentoSeleccionado> elegido_;
};

}  // namespace ledgrix
