#include "reports/ui/movimiento/tfmovimientoprv.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

QDateEdit* caja_fecha(QWidget* padre, const char* nombre, const QDate& fecha) {
    auto* e = new QDateEdit(fecha, padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setDisplayFormat(Tfdm::formato_fecha());
    e->setCalendarPopup(true);
    return e;
}

}  // namespace

Tfmovimientoprv::Tfmovimientoprv(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfmovimientoprv"), QStringLiteral("Movimiento del proveedor"),
              parent),
      logica_(dm, this) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Movimiento del proveedor ") + logica_.nombre());
    grilla()->setExportTitle(QStringLiteral("MovProveedor"));

    auto* criterios = new QHBoxLayout;
    criterios->addWidget(new QLabel(QStringLiteral("Desde:"), this));
    desde_ = caja_fecha(this, "desde", logica_.desde);
    criterios->addWidget(desde_);
    criterios->addWidget(new QLabel(QStringLiteral("Hasta:"), this));
    hasta_ = caja_fecha(this, "hasta", logica_.hasta);
    criterios->addWidget(hasta_);
    criterios->addStretch(1);
    saldos_ = new QLabel(this);
    saldos_->setObjectName(QStringLiteral("saldos"));
    criterios->addWidget(saldos_);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, criterios);

    logica_.calcule();
    saldos_->setText(logica_.saldos());
    muestre(logica_.filas(), [this] { SBConsultarClick(); });
    agregue_tecla(Qt::Key_F2, QStringLiteral("F2:Calcula"), [this] { SBCalculaClick(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Consultar"), [this] { SBConsultarClick(); });
    abra_a_lo_ancho();
    abra_a_lo_alto();
}

void Tfmovimientoprv::SBCalculaClick() {
    logica_.desde = desde_->date();
    logica_.hasta = hasta_->date();
    if (logica_.calcule()) {
        ajuste_columnas();
        saldos_->setText(logica_.saldos());
    }
}

void Tfmovimientoprv::SBConsultarClick() {
    const QString clase = logica_.ventana_consulta();
    if (clase.isEmpty()) {
        dm().dialogs().information(QStringLiteral("No Existe un Documento a Consultar"));
        return;
    }
    abra_externa(dm(), clase, this);
}

}  // namespace ledgrix
