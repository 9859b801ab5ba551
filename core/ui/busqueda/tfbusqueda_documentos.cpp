#include "core/ui/busqueda/tfbusqueda_documentos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/busqueda/busqueda_documentos.h"
#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/busqueda/fila_anulada.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfbusquedadocumentos::Tfbusquedadocumentos(Tfdm& dm, BusquedaDocumentos* logica,
                                           Opciones opciones, QWidget* parent)
    : Tflista(dm, opciones.clase, opciones.titulo, parent),
      logica_(logica),
      opciones_(std::move(opciones)) {
    setAttribute(Qt::WA_DeleteOnClose);
    logica_->setParent(this);
    // After the refusal has been told.
    connect(logica_, &BusquedaDocumentos::acceso_negado, this, &QWidget::close,
            Qt::QueuedConnection);
    if (!opciones_.archivo.isEmpty())
        grilla()->setExportTitle(opciones_.archivo);

    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(S("Buscar por:"), this));
    columna_ = new QComboBox(this);
    columna_->setObjectName(S("columna"));
    for (const ColumnaBusqueda& c : logica_->columnas())
        columna_->addItem(c.etiqueta);
    columna_->setCurrentIndex(logica_->columna_inicial());
    fila->addWidget(columna_);
    texto_ = new QLineEdit(this);
    texto_->setObjectName(S("texto"));
    fila->addWidget(texto_, 1);
    contiene_ = new QCheckBox(S("Buscar e&n cualquier posición"), this);
    contiene_->setObjectName(S("contiene"));
    contiene_->setChecked(opciones_.contiene);
    fila->addWidget(contiene_);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, fila);

    panel_razon_ = new QFrame(this);
    panel_razon_->setObjectName(S("panel_razon"));
    panel_razon_->setFrameShape(QFrame::StyledPanel);
    auto* caja_razon = new QVBoxLayout(panel_razon_);
    caja_razon->addWidget(
        new QLabel(S("Indique la razon por la cual está anulando este documento :"), panel_razon_));
    razon_ = new QPlainTextEdit(panel_razon_);
    razon_->setObjectName(S("razon"));
    razon_->setTabChangesFocus(true);
    razon_->setMaximumHeight(razon_->fontMetrics().lineSpacing() * 4);
    caja_razon->addWidget(razon_);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    auto* continuar = new QPushButton(S("F5:Continuar"), panel_razon_);
    auto* cancelar = new QPushButton(S("ESC:Cancelar"), panel_razon_);
    botones->addWidget(continuar);
    botones->addWidget(cancelar);
    caja_razon->addLayout(botones);
    panel_razon_->hide();
    agregue_panel(panel_razon_);
    connect(continuar, &QPushButton::clicked, this, &Tfbusquedadocumentos::SBContinuarClick);
    connect(cancelar, &QPushButton::clicked, this, &Tfbusquedadocumentos::oculte_razon);

    for (QWidget* w : {static_cast<QWidget*>(columna_), static_cast<QWidget*>(texto_),
                       static_cast<QWidget*>(contiene_), static_cast<QWidget*>(razon_)})
        w->installEventFilter(this);
    connect(texto_, &QLineEdit::returnPressed, this, &Tfbusquedadocumentos::SBBuscarClick);
    // A new order is a new listing.
    connect(columna_, &QComboBox::activated, this, &Tfbusquedadocumentos::SBBuscarClick);

    agregue_tecla(Qt::Key_F8, S("F8: Buscar"), [this] { SBBuscarClick(); });
    if (!opciones_.consulta.isEmpty())
        agregue_tecla(Qt::Key_F4, S("F4: Consultar"), [this] { SBConsultarClick(); });
    agregue_tecla(Qt::Key_F3, S("F3: Anular"), [this] { SBAnularClick(); });
    agregue_tecla(Qt::Key_F7, S("F7: Imprimir"), [this] { SBImprimirClick(); });
    agregue_atajo(Qt::Key_F5, [this] {
        if (panel_razon_->isVisible())
            SBContinuarClick();
    });

    // Declared before the first listing, the titles and the hidden fields
    // hold for every listing after it (each one builds its fields anew).
    for (const auto& [campo, titulo] : opciones_.titulos) {
        Field& f = logica_->filas().declareField(campo);
        f.setDisplayLabel(titulo);
        f.setVisible(!titulo.isEmpty());
    }
    logica_->busque(logica_->columna_inicial(), {}, opciones_.contiene);
    titule();
    muestre(logica_->filas(), [this] {
        if (!opciones_.consulta.isEmpty())
            SBConsultarClick();
    });
    grilla()->setItemDelegate(new FilaAnuladaDelegate(
        [this] { return columna(logica_->columna_anulado()); }, this));
    abra_a_lo_ancho();
    abra_a_lo_alto();
    if (opciones_.limpie_texto)
        texto_->setFocus();
    else
        busque_al_pausar(texto_, [this] { SBBuscarClick(); });
}

void Tfbusquedadocumentos::titule() {
    // A new listing is a new set of columns: they fit their rows again.
    if (isVisible())
        ajuste_columnas();
}

void Tfbusquedadocumentos::SBBuscarClick() {
    espera().stop();
    const QString texto = texto_->text().trimmed();
    if (!logica_->busque(columna_->currentIndex(), texto, contiene_->isChecked()))
        return;
    titule();
    if (opciones_.limpie_texto) {
        texto_->clear();
        grilla()->setFocus();
    }
}

bool Tfbusquedadocumentos::tome_actual() {
    const qint64 id = logica_->actual();
    if (id == 0) {
        dm().dialogs().information(S("No Existe un Documento a Consultar"));
        return false;
    }
    dm().documento_consultado = {
        logica_->tipo_documento(), id, logica_->prefijo(), logica_->numero(),
        logica_->filas().fieldByName(opciones_.campo_nombre).asString().trimmed()};
    return true;
}

void Tfbusquedadocumentos::SBConsultarClick() {
    if (tome_actual())
        abra_externa(dm(), opciones_.consulta, this);
}

void Tfbusquedadocumentos::SBAnularClick() {
    if (!logica_->puede_anular())
        return;
    if (!logica_->pide_razon()) {
        logica_->anule();
        titule();
        return;
    }
    razon_->clear();
    panel_razon_->show();
    razon_->setFocus();
}

void Tfbusquedadocumentos::SBContinuarClick() {
    // An empty reason is told and the panel stays for it.
    const bool vacia = razon_->toPlainText().trimmed().isEmpty();
    const bool hecho = logica_->anule(razon_->toPlainText());
    if (vacia && !hecho) {
        razon_->setFocus();
        return;
    }
    oculte_razon();
    titule();
}

void Tfbusquedadocumentos::oculte_razon() {
    panel_razon_->hide();
    grilla()->setFocus();
}

void Tfbusquedadocumentos::SBSalirClick() {
    if (panel_razon_->isVisible()) {
        oculte_razon();
        return;
    }
    Tflista::SBSalirClick();
}

void Tfbusquedadocumentos::reactivada() {
    // One reading for the events of one activation; none while a reason is
    // typed for the row under the cursor.
    // The first activation is the opening, which has just listed.
    if (!activada_) {
        activada_ = true;
        return;
    }
    if (por_releer_ || panel_razon_->isVisible())
        return;
    por_releer_ = true;
    QTimer::singleShot(0, this, [this] {
        por_releer_ = false;
        if (panel_razon_->isVisible())
            return;
        const qint64 id = logica_->actual();
        if (!logica_->repita())
            return;
        titule();
        logica_->ubique(id);
    });
}

bool Tfbusquedadocumentos::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        reactivada();
    return Tflista::event(e);
}

void Tfbusquedadocumentos::showEvent(QShowEvent* e) {
    if (!mostrada_)
        // Inside the main window the frame is what is activated.
        if (auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(marco, &QMdiSubWindow::aboutToActivate, this,
                    &Tfbusquedadocumentos::reactivada);
    Tflista::showEvent(e);
    mostrada_ = true;
}

void Tfbusquedadocumentos::SBImprimirClick() {
    // The printed list carries its day; the exported file keeps its name.
    const QString archivo = grilla()->exportTitle();
    grilla()->setExportTitle(windowTitle() + S("  ") + sql::dateText(dm().clock().today()));
    grilla()->printPreview();
    grilla()->setExportTitle(archivo);
}

}  // namespace ledgrix
