#include "reports/ui/impresos/tfrepoanalisi.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "reports/impresos/analisis_impreso.h"

namespace ledgrix {

Tfrepoanalisi::Tfrepoanalisi(Tfdm& dm, QWidget* parent)
    : TfReporteImpreso(dm, new AnalisisImpreso(dm), QStringLiteral("Tfrepoanalisi"),
                       QStringLiteral("Análisis Cuentas por Pagar"), parent) {
    construya();
}

void Tfrepoanalisi::agregue_propios(QVBoxLayout* caja) {
    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(QStringLiteral("Rango días:"), this));
    ancho_ = new QLineEdit(logica().ancho, this);
    ancho_->setObjectName(QStringLiteral("ancho"));
    ancho_->setMaxLength(5);
    ancho_->setMaximumWidth(ancho_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    fila->addWidget(ancho_);
    fila->addStretch(1);
    caja->addLayout(fila);
    detalle_ = casilla(caja, QStringLiteral("Detalle de comprobantes"), "detalle");
    por_vencer_ = casilla(caja, QStringLiteral("Anállisis por vencer"), "por_vencer");
    vencidos_ = casilla(caja, QStringLiteral("Sólo documentos vencidos"), "vencidos");
    sin_cartera_ = casilla(caja, QStringLiteral("Incluir clientes sin cartera"), "sin_cartera");
}

void Tfrepoanalisi::lea_propios() {
    logica().ancho = ancho_->text();
    logica().detalle = detalle_->isChecked();
    logica().por_vencer = por_vencer_->isChecked();
    logica().solo_vencidos = vencidos_->isChecked();
    logica().incluir_sin_cartera = sin_cartera_->isChecked();
}

}  // namespace ledgrix
