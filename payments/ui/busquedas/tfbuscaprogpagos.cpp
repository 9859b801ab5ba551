#include "payments/ui/busquedas/tfbuscaprogpagos.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ventanas_externas.h"
#include "payments/busquedas/busqueda_programaciones.h"
#include "payments/programacion/archivo_dispersion.h"
#include "payments/ui/programacion/tfprogpagos.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

Tfbusquedadocumentos::Opciones opciones_programaciones() {
    Tfbusquedadocumentos::Opciones o;
    o.clase = S("Tfbuscaprogpagos");
    o.titulo = S("Busca programación de pagos");
    o.archivo = S("Programaciones");
    o.campo_nombre = S("CONC");
    o.titulos = {{S("ID"), {}},
                 {S("PREF"), S("Prefijo")},
                 {S("NUMERO"), S("Número")},
                 {S("FECHA"), S("Fecha")},
                 {S("CONC"), S("Concepto")},
                 {S("MONTO"), S("Valor")},
                 {S("ITEMS"), S("Pagos")},
                 {S("CONFIRMADO"), S("Confirmada")},
                 {S("ANULADO"), S("Anulado")}};
    return o;
}

}  // namespace

Tfbuscaprogpagos::Tfbuscaprogpagos(Tfdm& dm, QWidget* parent)
    : Tfbusquedadocumentos(dm, new BusquedaProgramaciones(dm), opciones_programaciones(), parent) {
    agregue_tecla(Qt::Key_F5, S("F5:&Nuevo"), [this] { SBNuevoClick(); });
    agregue_tecla(Qt::Key_F4, S("F4:Consultar"), [this] { SBAbrirClick(); });
    agregue_tecla(Qt::Key_F9, S("F9: Exportar"), [this] { SBExportarClick(); });

    panel_archivo_ = new QGroupBox(S("Archivo de dispersión"), this);
    panel_archivo_->setObjectName(S("panel_archivo"));
    auto* fila = new QHBoxLayout(panel_archivo_);
    fila->addWidget(new QLabel(S("Fecha dispersión:"), panel_archivo_));
    fecha_dispersion_ = new QDateEdit(dm.clock().today(), panel_archivo_);
    fecha_dispersion_->setDisplayFormat(S("yyyy/MM/dd"));
    fila->addWidget(fecha_dispersion_);
    fila->addWidget(new QLabel(S("Secuencia:"), panel_archivo_));
    secuencia_ = new QLineEdit(S("1"), panel_archivo_);
    fila->addWidget(secuencia_);
    fila->addWidget(new QLabel(S("Formato:"), panel_archivo_));
    formato_ = new QComboBox(panel_archivo_);
    formato_->addItems(ArchivoDispersion(dm).formatos());
    fila->addWidget(formato_);
    auto* generar = new QPushButton(S("Generar"), panel_archivo_);
    fila->addWidget(generar);
    auto* cancelar = new QPushButton(S("ESC:Cancelar"), panel_archivo_);
    fila->addWidget(cancelar);
    connect(generar, &QPushButton::clicked, this, &Tfbuscaprogpagos::SBGenerarClick);
    connect(cancelar, &QPushButton::clicked, panel_archivo_, &QWidget::hide);
    panel_archivo_->hide();
    agregue_panel(panel_archivo_);

    elija_ = [this] {
        return QFileDialog::getSaveFileName(this, S("Archivo de dispersión"), {},
                                            S("Texto (*.txt);;Todos (*)"));
    };
}

BusquedaProgramaciones& Tfbuscaprogpagos::programaciones() const {
    return static_cast<BusquedaProgramaciones&>(logica());
}

void Tfbuscaprogpagos::abra(qint64 id) {
    // Modal over the list, which reads again when the schedule closes.
    dm().dialogs().modal(S("Tfprogpagos"), [&] {
        auto* ventana = new Tfprogpagos(dm(), id);
        if (!ventana->abierta()) {
            delete ventana;
            return 0;
        }
        corra_modal(ventana, this);
        return 1;
    });
    logica().repita();
    logica().ubique(id);
    titule();
}

void Tfbuscaprogpagos::SBNuevoClick() {
    if (programaciones().puede_crear())
        abra(0);
}

void Tfbuscaprogpagos::SBAbrirClick() {
    const qint64 id = logica().actual();
    if (id == 0) {
        dm().dialogs().information(S("No Existe un Documento a Consultar"));
        return;
    }
    abra(id);
}

void Tfbuscaprogpagos::SBExportarClick() {
    if (logica().actual() == 0) {
        dm().dialogs().information(S("No Existe un Documento a Consultar"));
        return;
    }
    panel_archivo_->show();
    fecha_dispersion_->setFocus();
}

void Tfbuscaprogpagos::SBGenerarClick() {
    const qint64 id = logica().actual();
    if (id == 0)
        return;
    const QString elegido = elija_();
    if (elegido.isEmpty())
        return;
    const auto resumen = ArchivoDispersion(dm()).exporte(
        static_cast<int>(id), fecha_dispersion_->date(), secuencia_->text().trimmed(),
        formato_->currentText(), ArchivoDispersion::con_extension(elegido));
    if (!resumen)
        return;
    dm().dialogs().information(ArchivoDispersion::aviso(*resumen));
    panel_archivo_->hide();
}

}  // namespace ledgrix
