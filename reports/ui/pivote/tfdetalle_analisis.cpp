#include "reports/ui/pivote/tfdetalle_analisis.h"

#include <QStandardItemModel>

#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"
#include "reports/pivote/analisis_movimiento.h"

namespace ledgrix {

namespace {

QStandardItem* monto(Currency valor) {
    auto* item = new QStandardItem(FormatoNumero::instalacion().escriba(valor));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

Tfdetalleanalisis::Tfdetalleanalisis(Tfdm& dm, AnalisisMovimiento& analisis,
                                     std::vector<MovimientoAnalisis> documentos, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfdetalleanalisis"), QStringLiteral("Documentos del análisis"),
              parent),
      analisis_(analisis),
      documentos_(std::move(documentos)),
      modelo_(new QStandardItemModel(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    grilla()->setExportTitle(QStringLiteral("DocumentosAnalisis"));
    modelo_->setHorizontalHeaderLabels(
        {QStringLiteral("Fecha"), QStringLiteral("Tipo"), QStringLiteral("Prefijo"),
         QStringLiteral("Número"), QStringLiteral("Nit"), QStringLiteral("Nombre"),
         QStringLiteral("Monto"), QStringLiteral("Saldo"), QStringLiteral("Retenciones")});
    for (const MovimientoAnalisis& m : documentos_)
        modelo_->appendRow({new QStandardItem(m.fecha.toString(Tfdm::formato_fecha())),
                            new QStandardItem(m.nombre_tipo), new QStandardItem(m.prefijo),
                            new QStandardItem(m.numero), new QStandardItem(m.tercero),
                            new QStandardItem(m.nombre_tercero), monto(m.monto), monto(m.saldo),
                            monto(m.retencion)});
    grilla()->setModel(modelo_);
    connect(grilla(), &QAbstractItemView::doubleClicked, this, [this] { SBConsultarClick(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4:Consultar"), [this] { SBConsultarClick(); });
    ajuste_columnas();
    abra_a_lo_ancho();
    if (!documentos_.empty())
        grilla()->selectRow(0);
}

void Tfdetalleanalisis::SBConsultarClick() {
    const QModelIndex actual = grilla()->sourceIndex(grilla()->currentIndex());
    if (!actual.isValid())
        return;
    const QString clase = analisis_.consulte(documentos_.at(size_t(actual.row())));
    if (!clase.isEmpty())
        abra_externa(dm(), clase, this);
}

}  // namespace ledgrix
