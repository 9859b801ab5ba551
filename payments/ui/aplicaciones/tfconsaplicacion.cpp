#include "payments/ui/aplicaciones/tfconsaplicacion.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/teclas_ventana.h"
#include "output/ui/impresion/tfimpresion.h"
#include "payments/ui/aplicaciones/tfaplicacion.h"
#include "payments/ui/comun/boton_tecla.h"
#include "payments/ui/comun/panel_lineas.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

// Opened over another window (the search, a document's crossings or
// payments), never inside it: a window of its own with its caption.
Tfconsaplicacion::Tfconsaplicacion(Tfdm& dm, QWidget* parent)
    : QWidget(parent, Qt::Dialog), dm_(dm), logica_(dm, this) {
    setObjectName(S("Tfconsaplicacion"));
    setWindowTitle(S("Consulta de aplicación"));
    setAttribute(Qt::WA_DeleteOnClose);
    const bool hay = logica_.cargue(dm.documento_consultado.id);
    auto* caja = new QVBoxLayout(this);
    encabezado_ = new QLabel(this);
    encabezado_->setObjectName(S("encabezado"));
    encabezado_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    caja->addWidget(encabezado_);
    lineas_ = new PanelLineas(dm.dialogs(), S("Documentos aplicados"), logica_.lineas(), this);
    // The type by its name: the lines are only read here.
    lineas_->columnas(Tfaplicacion::columnas_lineas() +
                      QList<QPair<QString, QString>>{{S("TIDO_NOMCORTO"), S("Tipo")}});
    lineas_->pie(S("Aplicado:"), [this] { return logica_.aplicado(); });
    lineas_->pie(S("Retenciones:"), [this] { return logica_.retenciones(); });
    // Read-only: no line is added, removed or edited here.
    lineas_->nueva_linea = [] {};
    lineas_->borre_linea = [] {};
    lineas_->grilla()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    caja->addWidget(lineas_, 1);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch(1);
    QPushButton* imprimir =
        boton_tecla(this, abajo, S("F2: Imprimir"), this, [this] { SBImprimirClick(); });
    boton_tecla(this, abajo, S("ESC:Salir"), this, [this] { close(); });
    caja->addLayout(abajo);
    imprimir->setEnabled(hay);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    if (!hay)
        return;
    const ClientDataset& e = logica_.encabezado();
    const auto v = [&e](const char* campo) { return e.fieldByName(S(campo)).asString().trimmed(); };
    QString anulada = v("APPR_ANULADO") == S("S") ? S("   ANULADA") : QString();
    encabezado_->setText(
        S("Aplicación: ") + v("PREF_PRE") + S(" ") + v("APPR_NUMERO") + S("   Fecha: ") +
        e.fieldByName(S("APPR_FECHA")).asDate().toString(Tfdm::formato_fecha()) + anulada +
        S("\nProveedor: ") + v("TERC_NIT") + S(" ") + v("TERC_NOM") + S("\nConcepto: ") +
        v("APPR_CONC") + S("\nObservaciones: ") + v("APPR_OBS"));
    lineas_->muestre();
}

QString Tfconsaplicacion::encabezado() const {
    return encabezado_->text();
}

void Tfconsaplicacion::SBImprimirClick() {
    if (logica_.id() != 0)
        imprima_documento(dm_, 53, logica_.id(), this);
}

bool Tfconsaplicacion::tecla(int key) {
    if (key == Qt::Key_F2) {
        SBImprimirClick();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

bool Tfconsaplicacion::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_Escape},
                             [this](int k) { return tecla(k); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfconsaplicacion::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
