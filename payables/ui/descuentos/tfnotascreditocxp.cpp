#include "payables/ui/descuentos/tfnotascreditocxp.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "output/ui/impresion/tfimpresion.h"
#include "payables/selectores/selectores_cargo.h"

namespace ledgrix {

namespace {

constexpr int kFacturaCompra = 21;
constexpr int kCargo = 51;

}  // namespace

Tfnotascreditocxp::Tfnotascreditocxp(Tfdm& dm, QWidget* parent)
    : TfdocumentoCxp(dm, logica_, parent), logica_(dm, this) {
    setObjectName(QStringLiteral("Tfnotascreditocxp"));
    setWindowTitle(QStringLiteral("Descuentos en Cuenta"));
    // The print window also sends the adjustment note when it is due.
    logica_.imprima = [this](qint64 id) { imprima_documento(this->dm(), 52, id, this); };
    arme();
}

void Tfnotascreditocxp::otros_propios(QGridLayout& r, QWidget* g) {
    r.addWidget(new QLabel(QStringLiteral("Documento soporte:"), g), 0, 0);
    tipo_soporte_ = lista(QStringLiteral("NCPR_TIPODS"), [this](const QVariant& tipo) {
        logica_.cambie_tipo_soporte(tipo.toInt());
    });
    tipo_soporte_->addItem(QStringLiteral("Factura Compra"), QString::number(kFacturaCompra));
    tipo_soporte_->addItem(QStringLiteral("Cargo Cxpagar"), QString::number(kCargo));
    r.addWidget(tipo_soporte_, 0, 1);
    r.addWidget(new QLabel(QStringLiteral("Número soporte:"), g), 1, 0);
    // Only a chosen document fills it ("?" or "..."): its id goes with the
    // number, which a typed number would not have.
    r.addWidget(caja(
                    QStringLiteral("NCPR_DOCSOPORTE"),
                    [this](const QString&) {
                        dm().dialogs().warning(QStringLiteral(
                            "Elija el documento soporte con «?» o con el botón «...»."));
                    },
                    [this](const QString&) { busque_soporte(); }),
                1, 1);
    r.addWidget(boton(QStringLiteral("..."), [this] { busque_soporte(); }), 1, 2);
    r.addWidget(new QLabel(QStringLiteral("Tipo de nota:"), g), 2, 0);
    tipo_nota_ = lista(QStringLiteral("NCPR_TIPONE"),
                       [this](const QVariant& tipo) { logica_.cambie_tipo_nota(tipo.toInt()); });
    r.addWidget(tipo_nota_, 2, 1, 1, 2);
}

void Tfnotascreditocxp::llene_propias() {
    tipo_nota_->clear();
    tipo_nota_->addItem(QString(), QString());
    ClientDataset& tipos = logica_.tipos_nota();
    const int id = tipos.fieldByName(QStringLiteral("NCTI_ID")).index();
    const int nombre = tipos.fieldByName(QStringLiteral("NCTI_NOMBRE")).index();
    for (int i = 0; i < tipos.recordCount(); ++i)
        tipo_nota_->addItem(tipos.valueAt(i, nombre).toString().trimmed(),
                            tipos.valueAt(i, id).toString().trimmed());
}

void Tfnotascreditocxp::busque_soporte() {
    const int tipo = tipo_soporte_->currentData().toInt();
    if (tipo == kFacturaCompra) {
        SelectorFacturasCompra selector(dm(), texto(QStringLiteral("TERC_NIT")));
        const QString id = selector.pregunte();
        if (!id.isEmpty())
            logica_.reciba_soporte(kFacturaCompra, id.toLongLong());
    } else if (abra_ventana(QStringLiteral("Tfbuscanotdbcxp")) == 1) {
        // The charge search leaves the charge chosen among the documents
        // handed over.
        for (const DocumentoSeleccionado& d : dm().documentos_seleccionados)
            if (d.tipo == kCargo)
                logica_.reciba_soporte(kCargo, d.id);
        dm().documentos_seleccionados.clear();
    }
    muestre();
}

bool Tfnotascreditocxp::tecla_propia(int key) {
    if (key != Qt::Key_F8)
        return false;
    abra_ventana(QStringLiteral("Tfbuscanotacrcxp"));
    return true;
}

}  // namespace ledgrix
