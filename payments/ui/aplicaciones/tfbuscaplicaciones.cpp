#include "payments/ui/aplicaciones/tfbuscaplicaciones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "payments/ui/aplicaciones/razon_anulacion.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

using Columna = BusquedaAplicaciones::Columna;

}  // namespace

Tfbuscaplicaciones::Tfbuscaplicaciones(Tfdm& dm, QWidget* parent)
    : Tflista(dm, S("Tfbuscaplicaciones"), S("Búsqueda de aplicaciones"), parent),
      logica_(dm, this) {
    setAttribute(Qt::WA_DeleteOnClose);
    logica_.pida_razon = [this] { return pida_razon_anulacion(this->dm(), this); };

    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(S("Buscar por:"), this));
    columna_ = new QComboBox(this);
    columna_->setObjectName(S("columna"));
    columna_->addItem(S("Fecha"), int(Columna::Fecha));
    columna_->addItem(S("Concepto"), int(Columna::Concepto));
    columna_->addItem(S("Proveedor"), int(Columna::Proveedor));
    columna_->addItem(S("Número"), int(Columna::Numero));
    fila->addWidget(columna_);
    texto_ = new QLineEdit(this);
    texto_->setObjectName(S("texto"));
    fila->addWidget(texto_, 1);
    inicio_ = new QCheckBox(S("Desde el inicio"), this);
    inicio_->setObjectName(S("desde_inicio"));
    fila->addWidget(inicio_);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, fila);
    for (QWidget* w : {static_cast<QWidget*>(columna_), static_cast<QWidget*>(texto_),
                       static_cast<QWidget*>(inicio_)})
        w->installEventFilter(this);
    connect(texto_, &QLineEdit::returnPressed, this, &Tfbuscaplicaciones::SBBuscarClick);
    // A new order is a new listing.
    connect(columna_, &QComboBox::activated, this, &Tfbuscaplicaciones::SBBuscarClick);

    agregue_tecla(Qt::Key_F8, S("F8: Buscar"), [this] { SBBuscarClick(); });
    agregue_tecla(Qt::Key_F4, S("F4: Consultar"), [this] { SBConsultarClick(); });
    agregue_tecla(Qt::Key_F3, S("F3: Anular"), [this] { SBAnularClick(); });
    logica_.busque(Columna::Fecha, {}, false);
    titule();
    muestre(logica_.filas(), [this] { SBConsultarClick(); });
    abra_a_lo_ancho();
    texto_->setFocus();
}

void Tfbuscaplicaciones::titule() {
    ClientDataset& filas = logica_.filas();
    if (!filas.active())
        return;
    const char* const titulos[][2] = {{"APPR_ANULADO", "Anulada"}, {"APPR_ID", "Id"},
                                      {"PREF_PRE", "Prefijo"},     {"APPR_NUMERO", "Número"},
                                      {"APPR_CONC", "Concepto"},   {"APPR_FECHA", "Fecha"},
                                      {"TERC_NOM", "Proveedor"}};
    for (const auto& t : titulos)
        if (Field* f = filas.findField(QLatin1String(t[0])))
            f->setDisplayLabel(S(t[1]));
}

void Tfbuscaplicaciones::SBBuscarClick() {
    logica_.busque(Columna(columna_->currentData().toInt()), texto_->text().trimmed(),
                   inicio_->isChecked());
    titule();
    grilla()->setFocus();
}

void Tfbuscaplicaciones::SBConsultarClick() {
    const qint64 id = logica_.actual();
    if (id == 0)
        return;
    ClientDataset& filas = logica_.filas();
    dm().documento_consultado = {53, id, filas.fieldByName(S("PREF_PRE")).asString(),
                                 filas.fieldByName(S("APPR_NUMERO")).asString(),
                                 filas.fieldByName(S("TERC_NOM")).asString()};
    abra_externa(dm(), S("Tfconsaplicacion"), this);
}

void Tfbuscaplicaciones::SBAnularClick() {
    if (logica_.anule())
        titule();
}

}  // namespace ledgrix
