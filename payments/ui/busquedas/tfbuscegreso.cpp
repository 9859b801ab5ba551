#include "payments/ui/busquedas/tfbuscegreso.h"

#include <QEvent>
#include <QFrame>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

#include "core/data/client_dataset.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"
#include "payments/busquedas/busqueda_egresos.h"
#include "payments/ui/busquedas/fila_anulada.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

Tfbusquedadocumentos::Opciones opciones_egresos() {
    Tfbusquedadocumentos::Opciones o;
    o.clase = S("Tfbuscegreso");
    o.titulo = S("Búsqueda de egresos");
    o.archivo = S("Egresos");
    o.consulta = S("Tfconsegreso");
    o.campo_nombre = S("EGRE_NOMTERC");
    o.titulos = {{S("EGRE_ID"), {}},
                 {S("PREF_PRE"), S("Prefijo")},
                 {S("EGRE_NUMERO"), S("Número")},
                 {S("EGRE_FECHA"), S("Fecha")},
                 {S("EGRE_NOMTERC"), S("Beneficiario")},
                 {S("EGRE_ANULADO"), S("Anulado")},
                 {S("EGRE_CONC"), S("Concepto")},
                 {S("EGRE_RETEN"), S("Retenciones")},
                 {S("EGRE_MONTO"), S("Valor")},
                 {S("CLEG_NOMBRE"), S("Clase de egreso")}};
    return o;
}

}  // namespace

Tfbuscegreso::Tfbuscegreso(Tfdm& dm, QWidget* parent)
    : Tfbusquedadocumentos(dm, new BusquedaEgresos(dm), opciones_egresos(), parent) {
    grilla()->setItemDelegate(
        new FilaAnuladaDelegate([this] { return columna(QStringLiteral("EGRE_ANULADO")); }, this));
    agregue_tecla(Qt::Key_F6, S("F6: Notas"), [this] { SBNotasClick(); });
    // F3 asks for the right first: refused, the window closes.
    agregue_atajo(Qt::Key_F3, [this] { SBAnularEgresoClick(); });
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == S("F3: Anular")) {
            b->disconnect(this);
            connect(b, &QPushButton::clicked, this, &Tfbuscegreso::SBAnularEgresoClick);
        }
}

BusquedaEgresos& Tfbuscegreso::egresos() const {
    return static_cast<BusquedaEgresos&>(logica());
}

void Tfbuscegreso::SBAnularEgresoClick() {
    if (!egresos().acceso()) {
        close();
        return;
    }
    SBAnularClick();
}

void Tfbuscegreso::SBNotasClick() {
    if (tome_actual())
        abra_externa(dm(), S("Tfnotasdoc"), this);
}

void Tfbuscegreso::reactivada() {
    // One reading for the events of one activation; none while a reason is
    // typed for the row under the cursor.
    if (por_releer_ || panel_razon()->isVisible())
        return;
    por_releer_ = true;
    QTimer::singleShot(0, this, [this] {
        por_releer_ = false;
        if (panel_razon()->isVisible())
            return;
        const qint64 id = logica().actual();
        if (!logica().repita())
            return;
        titule();
        if (id != 0)
            logica().filas().locate(S("EGRE_ID"), {id});
    });
}

bool Tfbuscegreso::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        reactivada();
    return Tfbusquedadocumentos::event(e);
}

void Tfbuscegreso::showEvent(QShowEvent* e) {
    if (!mostrada_)
        // Inside the main window the frame is what is activated.
        if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(marco, &QMdiSubWindow::aboutToActivate, this, &Tfbuscegreso::reactivada);
    Tfbusquedadocumentos::showEvent(e);
    mostrada_ = true;
}

}  // namespace ledgrix
