#include "maintenance/ui/recalculo/tfchequeosaldos.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "parties/selectores/selector_proveedores.h"

namespace ledgrix {

Tfchequeosaldos::Tfchequeosaldos(Tfdm& dm, QWidget* parent)
    : VentanaMantenimiento(QStringLiteral("Tfchequeosaldos"), QStringLiteral("Recálculo de saldos"),
                           parent),
      dm_(dm),
      logica_(dm) {
    auto* caja = new QVBoxLayout(this);
    auto* aviso = new QLabel(
        QStringLiteral("Esta opción solámente debe usarse si usted o su asesor han modificado "
                       "manualmente el contenido de la base de datos. En ningún caso se requiere "
                       "si usted ha efectuado todas las operaciones directamente por las "
                       "opciones del programa."),
        this);
    aviso->setWordWrap(true);
    caja->addWidget(aviso);

    auto* forma = new QFormLayout;
    inicial_ = new QLineEdit(this);
    final_caja_ = new QLineEdit(this);
    for (QLineEdit* e : {inicial_, final_caja_}) {
        e->setMaxLength(20);
        e->setToolTip(QStringLiteral("Doble clic: buscar el proveedor"));
    }
    forma->addRow(QStringLiteral("Proveedor Inicial:"), inicial_);
    forma->addRow(QStringLiteral("Proveedor Final:"), final_caja_);
    caja->addLayout(forma);

    progreso_texto_ = new QLabel(this);
    progreso_texto_->hide();
    progreso_ = std::make_unique<ProgresoEnVentana>(progreso_texto_, nullptr);
    caja->addWidget(progreso_texto_);

    lista_ = new QWidget(this);
    auto* en_lista = new QVBoxLayout(lista_);
    en_lista->setContentsMargins(0, 0, 0, 0);
    en_lista->addWidget(
        new QLabel(QStringLiteral("Errores presentados durante el chequeo de saldos."), lista_));
    filas_ = new QStandardItemModel(0, 5, this);
    filas_->setHorizontalHeaderLabels({QStringLiteral("Id"), QStringLiteral("Tipo"),
                                       QStringLiteral("Prefijo"), QStringLiteral("Número"),
                                       QStringLiteral("Error")});
    grilla_ = new LedgrixGrid(lista_);
    grilla_->setDialogs(&dm_.dialogs());
    grilla_->setExportTitle(QStringLiteral("Errores de saldos"));
    grilla_->setModel(filas_);
    en_lista->addWidget(grilla_);
    lista_->hide();
    caja->addWidget(lista_, 1);

    termine(caja, {{Qt::Key_F5, QStringLiteral("F5: Recalcular"), [this] { SBRecalcularClick(); }}},
            inicial_);
    setMinimumWidth(520);
}

void Tfchequeosaldos::SBRecalcularClick() {
    progreso_texto_->show();
    const auto errores = logica_.recalcule(inicial_->text(), final_caja_->text(), *progreso_);
    progreso_texto_->hide();
    if (!errores)
        return;
    if (errores->isEmpty()) {
        dm_.dialogs().information(QStringLiteral("Procedimiento ejecutado con exito...."));
        close();
        return;
    }
    dm_.dialogs().warning(QStringLiteral("Se presentaron errores durante el chequeo...."));
    muestre(*errores);
    inicial_->clear();
    final_caja_->clear();
    inicial_->setFocus();
}

void Tfchequeosaldos::muestre(const QList<ErrorSaldo>& errores) {
    filas_->removeRows(0, filas_->rowCount());
    for (const ErrorSaldo& e : errores) {
        QList<QStandardItem*> fila;
        for (const QString& t :
             {QString::number(e.id), QString::number(e.tipo), e.prefijo, e.numero, e.error}) {
            auto* celda = new QStandardItem(t);
            celda->setEditable(false);
            fila << celda;
        }
        filas_->appendRow(fila);
    }
    grilla_->resizeColumnsToContents();
    lista_->show();
    // The list is what the user came for now: room for it, still on screen.
    resize(qMax(width(), 900), qMax(height(), 500));
    ajuste_al_area(this);
}

bool Tfchequeosaldos::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == inicial_ || watched == final_caja_)) {
        auto* caja = static_cast<QLineEdit*>(watched);
        const QString nit = SelectorProveedores(dm_).pregunte(caja->text());
        if (!nit.isEmpty())
            caja->setText(nit);
        return true;
    }
    return VentanaMantenimiento::eventFilter(watched, event);
}

}  // namespace ledgrix
