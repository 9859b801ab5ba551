#include "reports/ui/impresos/tfrepdoc_prov.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/tfdm/tfdm.h"
#include "reports/impresos/documentos_proveedor.h"

namespace ledgrix {

TfrepDoc_prov::TfrepDoc_prov(Tfdm& dm, QWidget* parent)
    : TfReporteImpreso(dm, new DocumentosProveedor(dm), QStringLiteral("TfrepDoc_prov"),
                       QStringLiteral("Documentos Por Proveedor"), parent) {
    construya();
    oculte_corte();
}

QStringList TfrepDoc_prov::agrupaciones() const {
    return {QStringLiteral("Ciudad"), QStringLiteral("Grupo")};
}

void TfrepDoc_prov::agregue_propios(QVBoxLayout* caja) {
    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(QStringLiteral("Comprobantes"), this));
    comprobante_ = new QComboBox(this);
    comprobante_->setObjectName(QStringLiteral("comprobante"));
    comprobante_->addItems(DocumentosProveedor::comprobantes());
    fila->addWidget(comprobante_);
    const auto fecha = [this, fila](const QString& texto, const char* nombre, QDate d) {
        fila->addWidget(new QLabel(texto, this));
        QDateEdit* e = caja_fecha(this, nombre, d);
        fila->addWidget(e);
        return e;
    };
    desde_ = fecha(QStringLiteral("Desde"), "desde", logica().desde);
    hasta_ = fecha(QStringLiteral("Hasta"), "hasta", logica().hasta);
    fila->addStretch(1);
    caja->addLayout(fila);
    detalle_ = casilla(caja, QStringLiteral("Detalle de comprobantes"), "detalle");
    anulados_ = casilla(caja, QStringLiteral("Anulados"), "anulados");
    connect(comprobante_, &QComboBox::currentIndexChanged, this, &TfrepDoc_prov::proponga_titulo);
}

void TfrepDoc_prov::lea_propios() {
    logica().comprobante = comprobante_->currentIndex();
    logica().desde = desde_->date();
    logica().hasta = hasta_->date();
    logica().detalle = detalle_->isChecked();
    logica().anulados = anulados_->isChecked();
}

}  // namespace ledgrix
