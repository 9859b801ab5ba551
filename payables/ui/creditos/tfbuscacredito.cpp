#include "payables/ui/creditos/tfbuscacredito.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

using Columna = BusquedaCreditos::Columna;

}  // namespace

Tfbuscacredito::Tfbuscacredito(Tfdm& dm, QWidget* parent)
    : Tflista(dm, S("Tfbuscacredito"), S("Búsqueda de causaciones de crédito"), parent),
      logica_(dm, this) {
    setAttribute(Qt::WA_DeleteOnClose);
    logica_.pida_razon = [this]() -> std::optional<QString> {
        QString razon;
        bool ok = false;
        const int r = this->dm().dialogs().modal(S("Tfrazonanulacion"), [&] {
            razon = QInputDialog::getMultiLineText(
                this, S("Anulación"),
                S("Indique la razon por la cual está anulando este documento :"), {}, &ok);
            return ok ? 1 : 0;
        });
        return r == 1 ? std::optional<QString>(razon) : std::nullopt;
    };

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
    contiene_ = new QCheckBox(S("Contiene"), this);
    contiene_->setObjectName(S("contiene"));
    contiene_->setChecked(true);
    fila->addWidget(contiene_);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, fila);
    for (QWidget* w : {static_cast<QWidget*>(columna_), static_cast<QWidget*>(texto_),
                       static_cast<QWidget*>(contiene_)})
        w->installEventFilter(this);
    connect(texto_, &QLineEdit::returnPressed, this, &Tfbuscacredito::SBBuscarClick);
    connect(columna_, &QComboBox::activated, this, &Tfbuscacredito::SBBuscarClick);

    agregue_tecla(Qt::Key_F8, S("F8: Buscar"), [this] { SBBuscarClick(); });
    agregue_tecla(Qt::Key_F3, S("F3: Anular"), [this] { SBAnularClick(); });
    logica_.busque(Columna::Fecha, {}, true);
    titule();
    muestre(logica_.filas());
    abra_a_lo_ancho();
    texto_->setFocus();
}

void Tfbuscacredito::titule() {
    ClientDataset& filas = logica_.filas();
    if (!filas.active())
        return;
    const char* const titulos[][2] = {
        {"CRCX_ID", "Id"},       {"CRCX_PREF", "Prefijo"},  {"CRCX_NUMERO", "Número"},
        {"CRCX_FECHA", "Fecha"}, {"CRCX_CONC", "Concepto"}, {"TERC_NOM", "Proveedor"},
        {"CRCX_TOTAL", "Total"}, {"CRCX_CUOTAS", "Cuotas"}, {"CRCX_ANULADO", "Anulado"}};
    for (const auto& t : titulos)
        if (Field* f = filas.findField(QLatin1String(t[0])))
            f->setDisplayLabel(S(t[1]));
}

void Tfbuscacredito::SBBuscarClick() {
    logica_.busque(Columna(columna_->currentData().toInt()), texto_->text().trimmed(),
                   contiene_->isChecked());
    // The text is typed afresh for every query.
    texto_->clear();
    titule();
    grilla()->setFocus();
}

void Tfbuscacredito::SBAnularClick() {
    if (logica_.anule())
        titule();
}

}  // namespace ledgrix
