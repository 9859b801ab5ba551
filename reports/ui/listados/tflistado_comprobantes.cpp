#include "reports/ui/listados/tflistado_comprobantes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ledgrix {

TfListadoComprobantes::TfListadoComprobantes(Tfdm& dm, ListadoComprobantes::Orden orden,
                                             const QString& clase, const QString& titulo,
                                             QWidget* parent)
    : TfReporteImpreso(dm, new ListadoComprobantes(dm, orden), clase, titulo, parent) {
    construya();
    oculte_corte();
    oculte_proveedores();
}

void TfListadoComprobantes::agregue_propios(QVBoxLayout* caja) {
    const auto rango = [this, caja](const QString& titulo, const char* desde, const char* hasta,
                                    int largo) {
        auto* g = new QGroupBox(titulo, this);
        auto* fila = new QHBoxLayout(g);
        const auto linea = [this, g, fila, largo](const QString& texto, const char* nombre) {
            fila->addWidget(new QLabel(texto, g));
            auto* e = new QLineEdit(g);
            e->setObjectName(QString::fromLatin1(nombre));
            e->setMaxLength(largo);
            fila->addWidget(e, 1);
            connect(e, &QLineEdit::editingFinished, this, &TfListadoComprobantes::proponga_titulo);
            return e;
        };
        auto par = std::make_pair(linea(QStringLiteral("Desde"), desde),
                                  linea(QStringLiteral("Hasta"), hasta));
        caja->addWidget(g);
        return par;
    };
    std::tie(pref_desde_, pref_hasta_) =
        rango(QStringLiteral("Rango de prefijos"), "pref_desde", "pref_hasta", 4);
    if (logica().orden() == ListadoComprobantes::Orden::Consecutivo)
        std::tie(num_desde_, num_hasta_) =
            rango(QStringLiteral("Rango de números"), "num_desde", "num_hasta", 8);
    else
        agregue_periodo(caja);
    debito_ = casilla(caja, QStringLiteral("Notas débito"), "debito");
    credito_ = casilla(caja, QStringLiteral("Notas crédito"), "credito");
    aplicaciones_ = casilla(caja, QStringLiteral("Aplicaciones"), "aplicaciones");
    anticipos_ = casilla(caja, QStringLiteral("Anticipos"), "anticipos");
    detalle_ = casilla(caja, QStringLiteral("Detalle de comprobantes"), "detalle");
    anulados_ = casilla(caja, QStringLiteral("Anulados"), "anulados");
}

void TfListadoComprobantes::lea_propios() {
    ListadoComprobantes& l = logica();
    l.notas_debito = debito_->isChecked();
    l.notas_credito = credito_->isChecked();
    l.aplicaciones = aplicaciones_->isChecked();
    l.anticipos = anticipos_->isChecked();
    l.detalle = detalle_->isChecked();
    l.anulados = anulados_->isChecked();
    l.prefijos = {pref_desde_->text(), pref_hasta_->text()};
    if (num_desde_)
        l.numeros = {num_desde_->text(), num_hasta_->text()};
}

void TfListadoComprobantes::showEvent(QShowEvent* event) {
    TfReporteImpreso::showEvent(event);
    // The supplier box the common window starts in is hidden here.
    if (!enfocada_) {
        enfocada_ = true;
        pref_desde_->setFocus();
    }
}

Tfrepoconsecutivo::Tfrepoconsecutivo(Tfdm& dm, QWidget* parent)
    : TfListadoComprobantes(dm, ListadoComprobantes::Orden::Consecutivo,
                            QStringLiteral("Tfrepoconsecutivo"),
                            QStringLiteral("Comprobantes Consecutivo"), parent) {}

Tfrepocrono::Tfrepocrono(Tfdm& dm, QWidget* parent)
    : TfListadoComprobantes(dm, ListadoComprobantes::Orden::Cronologico,
                            QStringLiteral("Tfrepocrono"),
                            QStringLiteral("Comprobantes Cronologicos"), parent) {}

}  // namespace ledgrix
