#include "payables/ui/cargos/tfnotasdebitocxp.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/numeracion/ventanas/selector_centros.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/numeracion/tfbusccentros.h"
#include "output/ui/impresion/tfimpresion.h"
#include "payables/selectores/selectores_cargo.h"

namespace ledgrix {

Tfnotasdebitocxp::Tfnotasdebitocxp(Tfdm& dm, QWidget* parent)
    : TfdocumentoCxp(dm, logica_, parent), logica_(dm, this) {
    setObjectName(QStringLiteral("Tfnotasdebitocxp"));
    setWindowTitle(QStringLiteral("Cargos en Cuenta"));
    // A stored charge goes straight to its print window (which also sends
    // the support document when it is due).
    logica_.imprima = [this](qint64 id) { imprima_documento(this->dm(), 51, id, this); };
    logica_.abra_ventana = [this](const QString& clase) { return abra_ventana(clase); };
    arme();
}

void Tfnotasdebitocxp::encabezado_propio(QGridLayout& r, QWidget* g) {
    r.addWidget(new QLabel(QStringLiteral("Fecha factura:"), g), 2, 2);
    r.addWidget(caja_fecha(QStringLiteral("NDPR_FECFAC"),
                           [this](const QDate& d) { logica_.cambie_fecha_factura(d); }),
                2, 3);
    r.addWidget(new QLabel(QStringLiteral("Vence:"), g), 2, 4);
    r.addWidget(caja_fecha(QStringLiteral("NDPR_VENCE")), 2, 5);
}

void Tfnotasdebitocxp::otros_propios(QGridLayout& r, QWidget* g) {
    const auto centro = [this](void (Cargo::*cambio)(const QString&)) {
        return [this, cambio](const QString& t) { (logica_.*cambio)(t.trimmed()); };
    };
    const auto busca_centro = [this](const QString& t) { busque_centros(t); };
    r.addWidget(new QLabel(QStringLiteral("Proyecto:"), g), 0, 0);
    r.addWidget(caja(QStringLiteral("NDPR_PROY"), centro(&Cargo::cambie_proyecto), busca_centro), 0,
                1);
    r.addWidget(nombre_proyecto_ = new QLabel(g), 0, 2);
    r.addWidget(new QLabel(QStringLiteral("Centro:"), g), 1, 0);
    r.addWidget(caja(QStringLiteral("NDPR_CENTRO"), centro(&Cargo::cambie_centro), busca_centro), 1,
                1);
    r.addWidget(nombre_centro_ = new QLabel(g), 1, 2);
    r.addWidget(new QLabel(QStringLiteral("Subcentro:"), g), 2, 0);
    r.addWidget(caja(QStringLiteral("NDPR_SUBC"), centro(&Cargo::cambie_subcentro), busca_centro),
                2, 1);
    r.addWidget(nombre_subcentro_ = new QLabel(g), 2, 2);

    r.addWidget(new QLabel(QStringLiteral("Artículo:"), g), 4, 0);
    r.addWidget(caja(QStringLiteral("ARTI_COD")), 4, 1);
    r.addWidget(boton(QStringLiteral("..."), [this] { busque_articulo(); }), 4, 2);
    r.addWidget(new QLabel(QStringLiteral("Factura compra:"), g), 5, 0);
    factura_ = new QLineEdit(g);
    factura_->setObjectName(QStringLiteral("NDPR_FACID"));
    factura_->setReadOnly(true);
    r.addWidget(factura_, 5, 1);
    r.addWidget(boton(QStringLiteral("..."), [this] { busque_factura(); }), 5, 2);
    r.addWidget(new QLabel(QStringLiteral("Negocio:"), g), 6, 0);
    r.addWidget(caja(QStringLiteral("NDPR_NEGOCIO")), 6, 1);
    r.addWidget(boton(QStringLiteral("..."), [this] { busque_negocio(); }), 6, 2);
    r.addWidget(new QLabel(QStringLiteral("Aplicar a:"), g), 6, 3);
    auto* aplicar = new QHBoxLayout;
    clase_aplicar_ = new QComboBox(g);
    clase_aplicar_->setObjectName(QStringLiteral("clase_aplicar"));
    clase_aplicar_->addItem(QStringLiteral("NOTACRPR"), int(Cargo::Aplicable::NotaCredito));
    clase_aplicar_->addItem(QStringLiteral("DEVOLPRV"), int(Cargo::Aplicable::Devolucion));
    clase_aplicar_->addItem(QStringLiteral("ANTICPRV"), int(Cargo::Aplicable::Anticipo));
    aplicar->addWidget(clase_aplicar_);
    QLineEdit* referencia = caja(QStringLiteral("NDPR_NUMAPL"), [this](const QString& t) {
        if (t.trimmed().isEmpty())
            return;
        logica_.aplique_a(static_cast<Cargo::Aplicable>(clase_aplicar_->currentData().toInt()),
                          t.trimmed());
    });
    aplicar->addWidget(referencia, 1);
    aplicar->addWidget(boton(QStringLiteral("..."), [this] { busque_documento(); }));
    r.addLayout(aplicar, 6, 4);
}

void Tfnotasdebitocxp::paneles_propios(QStackedWidget& lado) {
    lado.addWidget(panel_centros_ = arme_centros());
}

QFrame* Tfnotasdebitocxp::arme_centros() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("centros"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* caja_panel = new QVBoxLayout(panel);
    caja_panel->addWidget(new QLabel(QStringLiteral("Detalle de centros de costo"), panel));
    modelo_centros_ = new DatasetModel(&logica_.centros(), this);
    grilla_centros_ = new LedgrixGrid(panel);
    grilla_centros_->setObjectName(QStringLiteral("grilla_centros"));
    grilla_centros_->setDialogs(&dm().dialogs());
    grilla_centros_->setExportTitle(QStringLiteral("Centros"));
    grilla_centros_->setModel(modelo_centros_);
    for (int c = 0; c < modelo_centros_->columnCount(); ++c)
        if (modelo_centros_->fieldAt(c)->type() == Field::Type::Currency)
            grilla_centros_->setItemDelegateForColumn(
                c, new MontoDelegate(dm().dialogs(), grilla_centros_));
    caja_panel->addWidget(grilla_centros_, 1);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(boton(QStringLiteral("Continuar"), [this] { SBCentrosClick(); }));
    caja_panel->addLayout(abajo);
    return panel;
}

void Tfnotasdebitocxp::muestre_propio() {
    const QString clase =
        SelectorDocumentosAplicar::clase(texto(QStringLiteral("NDPR_TIPOAPL")).toInt());
    if (!clase.isEmpty())
        clase_aplicar_->setCurrentIndex(clase_aplicar_->findText(clase));
    const qint64 factura = logica_.campo(QStringLiteral("NDPR_FACID")).asInteger();
    factura_->setText(factura > 0 ? SelectorFacturasCompra::numero(dm(), factura) : QString());
    nombre_proyecto_->setText(logica_.nombre_proyecto());
    nombre_centro_->setText(logica_.nombre_centro());
    nombre_subcentro_->setText(logica_.nombre_subcentro());
}

QWidget* Tfnotasdebitocxp::panel_abierto() const {
    return logica_.centros_abiertos() ? panel_centros_ : nullptr;
}

bool Tfnotasdebitocxp::tecla_propia(int key) {
    if (key != Qt::Key_F8)
        return false;
    busque_cargo();
    return true;
}

bool Tfnotasdebitocxp::toma_enter(QObject* watched) const {
    return watched == grilla_centros_;
}

void Tfnotasdebitocxp::reciba(const Cargo::Recibidos& valores) {
    logica_.reciba(valores);
    muestre();
}

void Tfnotasdebitocxp::SBCentrosClick() {
    logica_.confirme_centros();
    muestre();
}

void Tfnotasdebitocxp::busque_cargo() {
    abra_ventana(QStringLiteral("Tfbuscanotdbcxp"));
}

void Tfnotasdebitocxp::busque_articulo() {
    SelectorArticulos selector(dm());
    const QString codigo = selector.pregunte();
    if (codigo.isEmpty())
        return;
    logica_.campo(QStringLiteral("ARTI_COD")).setValue(codigo);
    muestre();
}

void Tfnotasdebitocxp::busque_factura() {
    SelectorFacturasCompra selector(dm(), texto(QStringLiteral("TERC_NIT")));
    const QString id = selector.pregunte();
    if (id.isEmpty())
        return;
    logica_.campo(QStringLiteral("NDPR_FACID")).setValue(id.toLongLong());
    muestre();
}

void Tfnotasdebitocxp::busque_negocio() {
    SelectorNegocios selector(dm());
    const QString codigo = selector.pregunte();
    if (codigo.isEmpty())
        return;
    logica_.campo(QStringLiteral("NDPR_NEGOCIO")).setValue(codigo);
    muestre();
}

void Tfnotasdebitocxp::busque_documento() {
    SelectorDocumentosAplicar selector(dm(), texto(QStringLiteral("TERC_NIT")));
    const auto doc = selector.pregunte_documento();
    if (!doc)
        return;
    clase_aplicar_->setCurrentIndex(clase_aplicar_->findText(doc->clase));
    logica_.aplique_a(static_cast<Cargo::Aplicable>(clase_aplicar_->currentData().toInt()),
                      doc->referencia);
    muestre();
}

void Tfnotasdebitocxp::busque_centros(const QString& texto) {
    SelectorCentros selector(dm());
    selector.cargue();
    selector.busque(texto);
    const int resultado = dm().dialogs().modal(QStringLiteral("Tfbusccentros"), [this, &selector] {
        Tfbusccentros ventana(selector, this);
        return ventana.exec();
    });
    const auto centro = selector.elegido(resultado);
    if (!centro)
        return;
    logica_.cambie_proyecto(centro->proyecto);
    if (!centro->centro.isEmpty())
        logica_.cambie_centro(centro->centro);
    if (!centro->subcentro.isEmpty())
        logica_.cambie_subcentro(centro->subcentro);
    muestre();
}

}  // namespace ledgrix
