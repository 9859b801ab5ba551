#include "payables/ui/cargos/tfnotasdebitocxp.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "accounting/selectores/selector_cuentas.h"
#include "accounting/ui/revision/tfcontabiliza.h"
#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "core/numeracion/ventanas/selector_centros.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/numeracion/tfbusccentros.h"
#include "output/ui/impresion/tfimpresion.h"
#include "parties/selectores/selector_proveedores.h"
#include "payables/selectores/selectores_cargo.h"

namespace ledgrix {

namespace {

Tfnotasdebitocxp::Busqueda& busqueda_instalada() {
    static Tfnotasdebitocxp::Busqueda busqueda;
    return busqueda;
}

using Porcentaje = Cargo::Porcentaje;
using Retencion = Cargo::Retencion;

const char* const kTiposCosto[][2] = {{"A", "Ambas"}, {"C", "Norma local"}, {"N", "NIIF"}};

// A box's value goes to its rule, or straight to its column when it has none.
template <typename Regla, typename V>
void asigne(Field& campo, const Regla& regla, const V& valor) {
    if (regla)
        regla(valor);
    else
        campo.setValue(QVariant::fromValue(valor));
}

}  // namespace

void Tfnotasdebitocxp::instale_busqueda(Busqueda busqueda) {
    busqueda_instalada() = std::move(busqueda);
}

Tfnotasdebitocxp::Tfnotasdebitocxp(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(dm, this) {
    setObjectName(QStringLiteral("Tfnotasdebitocxp"));
    setWindowTitle(QStringLiteral("Cargos en Cuenta"));
    setAttribute(Qt::WA_DeleteOnClose);
    abierta_ = logica_.abra();
    Tfcontabiliza::instale(logica_.contabilizacion(), this);
    // A stored charge goes straight to its print window (which also sends
    // the support document when it is due).
    logica_.imprima = [this](qint64 id) { imprima_documento(dm_, 51, id, this); };

    // The values beside the rest, and the VAT-bases and cost-centre panels
    // in place of the rest while open: the whole charge, its totals and
    // keys fit a 1366x768 screen's work area without scrolling.
    auto* caja_ventana = new QVBoxLayout(this);
    caja_ventana->addWidget(encabezado());
    auto* medio = new QHBoxLayout;
    medio->addWidget(valores());
    lado_ = new QStackedWidget(this);
    lado_->addWidget(otros_ = otros());
    lado_->addWidget(panel_bases_ = arme_bases());
    lado_->addWidget(panel_centros_ = arme_centros());
    medio->addWidget(lado_, 1);
    caja_ventana->addLayout(medio, 1);
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(new QLabel(QStringLiteral("Neto:"), this));
    neto_ = new QLabel(this);
    neto_->setObjectName(QStringLiteral("neto"));
    abajo->addWidget(neto_);
    abajo->addWidget(new QLabel(QStringLiteral("Total:"), this));
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("total"));
    abajo->addWidget(total_);
    abajo->addStretch(1);
    abajo->addWidget(boton(QStringLiteral("F5: Bases IVA"), &Tfnotasdebitocxp::SBBasesClick));
    abajo->addWidget(boton(QStringLiteral("F2: Grabar"), &Tfnotasdebitocxp::SBGrabarClick));
    abajo->addWidget(boton(QStringLiteral("Esc: Cancelar"), &Tfnotasdebitocxp::SBCancelaClick));
    caja_ventana->addLayout(abajo);

    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    ClientDataset& notas = logica_.notas();
    connect(&notas, &ClientDataset::rowChanged, this, [this] { muestre(); });
    connect(&notas, &ClientDataset::currentRowChanged, this, [this] { muestre(); });
    connect(&notas, &ClientDataset::resetDone, this, [this] { muestre(); });
    connect(&logica_, &Cargo::enfoque, this, [this](const QString& campo) {
        if (QLineEdit* e = editor(campo))
            e->setFocus();
        else if (QDateEdit* f = fecha(campo))
            f->setFocus();
    });
    connect(&logica_, &Cargo::cierre, this, [this] { close(); });
    if (abierta_) {
        llene_listas();
        muestre();
        // What a clerk types first; the prefix and number come proposed.
        editor(QStringLiteral("TERC_NIT"))->setFocus();
    } else {
        // Nothing to work on: leave once the caller has placed the window.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

QLineEdit* Tfnotasdebitocxp::caja(const QString& campo, std::function<void(const QString&)> accion,
                                  std::function<void(const QString&)> busca) {
    auto* e = new QLineEdit(this);
    e->setObjectName(campo);
    enlaces_.push_back({campo, e, std::move(accion), std::move(busca)});
    const size_t i = enlaces_.size() - 1;
    connect(e, &QLineEdit::editingFinished, this, [this, i] { aplique(enlaces_[i]); });
    if (enlaces_[i].busca)
        connect(e, &QLineEdit::textEdited, this, [this, i](const QString& t) {
            if (!t.startsWith(QLatin1Char('?')))
                return;
            const Enlace& en = enlaces_[i];
            en.editor->setText(texto(en.campo));
            en.busca(t.mid(1));
        });
    return e;
}

CampoMonto* Tfnotasdebitocxp::caja_monto(const QString& campo,
                                         std::function<void(Currency)> accion) {
    auto* e = new CampoMonto(dm_.dialogs(), this);
    e->setObjectName(campo);
    montos_.push_back({campo, e, std::move(accion)});
    const size_t i = montos_.size() - 1;
    connect(e, &CampoMonto::cambiado, this, [this, i](Currency v) { aplique(montos_[i], v); });
    return e;
}

QDateEdit* Tfnotasdebitocxp::caja_fecha(const QString& campo,
                                        std::function<void(const QDate&)> accion) {
    auto* e = new QDateEdit(this);
    e->setObjectName(campo);
    e->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    e->setCalendarPopup(true);
    fechas_.push_back({campo, e, std::move(accion)});
    const size_t i = fechas_.size() - 1;
    connect(e, &QDateEdit::editingFinished, this, [this, i] {
        const EnlaceFecha& f = fechas_[i];
        const QDate d = f.editor->date();
        if (mostrando_ || d == logica_.campo(f.campo).asDate())
            return;
        asigne(logica_.campo(f.campo), f.accion, d);
        muestre();
    });
    return e;
}

QPushButton* Tfnotasdebitocxp::boton(const QString& texto, void (Tfnotasdebitocxp::*accion)()) {
    auto* b = new QPushButton(texto, this);
    b->setFocusPolicy(Qt::NoFocus);
    if (texto == QLatin1String("..."))
        b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(b, &QPushButton::clicked, this, accion);
    return b;
}

QWidget* Tfnotasdebitocxp::encabezado() {
    auto* g = new QGroupBox(this);
    auto* r = new QGridLayout(g);
    r->addWidget(new QLabel(QStringLiteral("Acreedor:"), g), 0, 0);
    r->addWidget(caja(
                     QStringLiteral("TERC_NIT"),
                     [this](const QString& t) { logica_.cambie_nit(t.trimmed()); },
                     [this](const QString& t) { busque_proveedor(t); }),
                 0, 1);
    nombre_ = new QLabel(g);
    nombre_->setObjectName(QStringLiteral("nombre"));
    r->addWidget(nombre_, 0, 2, 1, 3);
    r->addWidget(new QLabel(QStringLiteral("Prefijo:"), g), 1, 0);
    prefijo_ = new QComboBox(g);
    prefijo_->setObjectName(QStringLiteral("PREF_PRE"));
    connect(prefijo_, &QComboBox::activated, this, [this] {
        if (mostrando_)
            return;
        logica_.cambie_prefijo(prefijo_->currentText());
        muestre();
    });
    r->addWidget(prefijo_, 1, 1);
    r->addWidget(new QLabel(QStringLiteral("Número:"), g), 1, 2);
    r->addWidget(caja(QStringLiteral("NDPR_NUMERO"),
                      [this](const QString& t) { logica_.cambie_numero(t.trimmed()); }),
                 1, 3);
    r->addWidget(new QLabel(QStringLiteral("Fecha:"), g), 2, 0);
    r->addWidget(caja_fecha(QStringLiteral("NDPR_FECHA"),
                            [this](const QDate& d) { logica_.cambie_fecha(d); }),
                 2, 1);
    r->addWidget(new QLabel(QStringLiteral("Fecha factura:"), g), 2, 2);
    r->addWidget(caja_fecha(QStringLiteral("NDPR_FECFAC"),
                            [this](const QDate& d) { logica_.cambie_fecha_factura(d); }),
                 2, 3);
    r->addWidget(new QLabel(QStringLiteral("Vence:"), g), 2, 4);
    r->addWidget(caja_fecha(QStringLiteral("NDPR_VENCE")), 2, 5);
    r->addWidget(new QLabel(QStringLiteral("Concepto:"), g), 3, 0);
    r->addWidget(caja(QStringLiteral("NDPR_CONC")), 3, 1, 1, 3);
    r->addWidget(new QLabel(QStringLiteral("No. Proveedor:"), g), 3, 4);
    r->addWidget(caja(QStringLiteral("NDPR_NUMPROV"),
                      [this](const QString& t) { logica_.cambie_numprov(t.trimmed()); }),
                 3, 5);
    fila_moneda_ = new QWidget(g);
    auto* m = new QHBoxLayout(fila_moneda_);
    m->setContentsMargins(0, 0, 0, 0);
    m->addWidget(new QLabel(QStringLiteral("Moneda:"), fila_moneda_));
    moneda_ = new QComboBox(fila_moneda_);
    moneda_->setObjectName(QStringLiteral("NDPR_MONEDA"));
    connect(moneda_, &QComboBox::activated, this, [this] {
        if (mostrando_)
            return;
        logica_.cambie_moneda(moneda_->currentData().toInt());
        muestre();
    });
    m->addWidget(moneda_);
    m->addWidget(new QLabel(QStringLiteral("Tasa:"), fila_moneda_));
    m->addWidget(caja_monto(QStringLiteral("NDPR_TRM")));
    r->addWidget(fila_moneda_, 4, 0, 1, 6);
    return g;
}

QWidget* Tfnotasdebitocxp::valores() {
    auto* g = new QGroupBox(QStringLiteral("Valores"), this);
    auto* r = new QGridLayout(g);
    const auto monto = [this](void (Cargo::*cambio)(Currency)) {
        return [this, cambio](Currency v) { (logica_.*cambio)(v); };
    };
    r->addWidget(new QLabel(QStringLiteral("Monto:"), g), 0, 0);
    r->addWidget(caja_monto(QStringLiteral("NDPR_MONTO"), monto(&Cargo::cambie_monto)), 0, 2);
    r->addWidget(new QLabel(QStringLiteral("Extra:"), g), 0, 3);
    r->addWidget(caja_monto(QStringLiteral("NDPR_EXTRA"), monto(&Cargo::cambie_extra)), 0, 4);
    r->addWidget(new QLabel(QStringLiteral("%"), g), 1, 1);
    r->addWidget(new QLabel(QStringLiteral("Valor"), g), 1, 2);
    struct Fila {
        const char* titulo;
        const char* porcentaje;
        const char* valor;
        Porcentaje p;
        int retencion;  // -1: the amount follows the percentage only
    };
    const Fila filas[] = {
        {"IVA:", "NDPR_IVAPORC", "NDPR_IVAMONTO", Porcentaje::Iva, -1},
        {"Ret. Fuente:", "NDPR_RTFTEPORC", "NDPR_RTFTEMONTO", Porcentaje::Fuente,
         int(Retencion::Fuente)},
        {"Ret. IVA:", "NDPR_RTIVAPORC", "NDPR_RTIVAMONTO", Porcentaje::RetIva, int(Retencion::Iva)},
        {"Ret. ICA (x mil):", "NDPR_RTICAPORC", "NDPR_RTICAMONTO", Porcentaje::Ica,
         int(Retencion::Ica)},
        {"Ret. CREE:", "NDPR_RTCREE", "NDPR_RTCREEM", Porcentaje::Cree, int(Retencion::Cree)},
        {"Dto. pronto pago:", "NDPR_DTOFPORC", "NDPR_DTOFMONTO", Porcentaje::DescuentoPP, -1},
    };
    int fila = 2;
    for (const Fila& f : filas) {
        r->addWidget(new QLabel(QString::fromUtf8(f.titulo), g), fila, 0);
        const Porcentaje p = f.p;
        CampoMonto* porcentaje = caja_monto(QLatin1String(f.porcentaje), [this, p](Currency v) {
            logica_.cambie_porcentaje(p, v);
        });
        // Leaving the box, changed or not, decides whether its amount may be
        // typed by hand (a percentage of 0 lets it).
        connect(porcentaje, &CampoMonto::dejado, this, [this, p] {
            if (mostrando_ || !abierta_)
                return;
            logica_.salga_porcentaje(p);
            muestre();
        });
        porcentaje->ancho_de_porcentaje();
        r->addWidget(porcentaje, fila, 1);
        std::function<void(Currency)> a_mano;
        if (f.retencion >= 0) {
            const auto ret = static_cast<Retencion>(f.retencion);
            a_mano = [this, ret](Currency v) { logica_.cambie_monto_retencion(ret, v); };
        }
        r->addWidget(caja_monto(QLatin1String(f.valor), a_mano), fila, 2);
        ++fila;
    }
    r->addWidget(new QLabel(QStringLiteral("Fecha dto.:"), g), fila - 1, 3);
    r->addWidget(caja_fecha(QStringLiteral("NDPR_DTOFECHA")), fila - 1, 4);
    return g;
}

QWidget* Tfnotasdebitocxp::otros() {
    auto* g = new QGroupBox(this);
    auto* r = new QGridLayout(g);
    const auto centro = [this](void (Cargo::*cambio)(const QString&)) {
        return [this, cambio](const QString& t) { (logica_.*cambio)(t.trimmed()); };
    };
    const auto busca_centro = [this](const QString& t) { busque_centros(t); };
    r->addWidget(new QLabel(QStringLiteral("Proyecto:"), g), 0, 0);
    r->addWidget(caja(QStringLiteral("NDPR_PROY"), centro(&Cargo::cambie_proyecto), busca_centro),
                 0, 1);
    r->addWidget(nombre_proyecto_ = new QLabel(g), 0, 2);
    r->addWidget(new QLabel(QStringLiteral("Centro:"), g), 1, 0);
    r->addWidget(caja(QStringLiteral("NDPR_CENTRO"), centro(&Cargo::cambie_centro), busca_centro),
                 1, 1);
    r->addWidget(nombre_centro_ = new QLabel(g), 1, 2);
    r->addWidget(new QLabel(QStringLiteral("Subcentro:"), g), 2, 0);
    r->addWidget(caja(QStringLiteral("NDPR_SUBC"), centro(&Cargo::cambie_subcentro), busca_centro),
                 2, 1);
    r->addWidget(nombre_subcentro_ = new QLabel(g), 2, 2);

    struct Cta {
        const char* titulo;
        const char* campo;
        Cargo::Cuenta cuenta;
    };
    const Cta cuentas[] = {{"Cta. gasto:", "NDPR_CTACAUSA", Cargo::Cuenta::Causa},
                           {"Cta. por pagar:", "NDPR_CTAPAGAR", Cargo::Cuenta::Pagar},
                           {"Cta. gasto NIIF:", "NDPR_CTACAUSAN", Cargo::Cuenta::CausaNiif},
                           {"Cta. por pagar NIIF:", "NDPR_CTAPAGARN", Cargo::Cuenta::PagarNiif}};
    int fila = 0;
    for (const Cta& c : cuentas) {
        const Cargo::Cuenta cuenta = c.cuenta;
        r->addWidget(new QLabel(QString::fromUtf8(c.titulo), g), fila, 3);
        r->addWidget(
            caja(
                QLatin1String(c.campo),
                [this, cuenta](const QString& t) { logica_.cambie_cuenta(cuenta, t.trimmed()); },
                [this, cuenta](const QString& t) { busque_cuenta(cuenta, t); }),
            fila++, 4);
    }

    r->addWidget(new QLabel(QStringLiteral("Artículo:"), g), 4, 0);
    r->addWidget(caja(QStringLiteral("ARTI_COD")), 4, 1);
    r->addWidget(boton(QStringLiteral("..."), &Tfnotasdebitocxp::busque_articulo), 4, 2);
    r->addWidget(new QLabel(QStringLiteral("Factura compra:"), g), 5, 0);
    factura_ = new QLineEdit(g);
    factura_->setObjectName(QStringLiteral("NDPR_FACID"));
    factura_->setReadOnly(true);
    r->addWidget(factura_, 5, 1);
    r->addWidget(boton(QStringLiteral("..."), &Tfnotasdebitocxp::busque_factura), 5, 2);
    r->addWidget(new QLabel(QStringLiteral("Negocio:"), g), 6, 0);
    r->addWidget(caja(QStringLiteral("NDPR_NEGOCIO")), 6, 1);
    r->addWidget(boton(QStringLiteral("..."), &Tfnotasdebitocxp::busque_negocio), 6, 2);
    r->addWidget(new QLabel(QStringLiteral("Bodega:"), g), 4, 3);
    bodega_ = new QComboBox(g);
    bodega_->setObjectName(QStringLiteral("NDPR_BODEGA"));
    connect(bodega_, &QComboBox::activated, this, [this] {
        if (!mostrando_)
            logica_.campo(QStringLiteral("NDPR_BODEGA")).setValue(bodega_->currentData());
    });
    r->addWidget(bodega_, 4, 4);
    r->addWidget(new QLabel(QStringLiteral("Costo afectado:"), g), 5, 3);
    tipo_costo_ = new QComboBox(g);
    tipo_costo_->setObjectName(QStringLiteral("NDPR_TIPOCOSTO"));
    for (const auto& t : kTiposCosto)
        tipo_costo_->addItem(QString::fromUtf8(t[1]), QLatin1String(t[0]));
    connect(tipo_costo_, &QComboBox::activated, this, [this] {
        if (!mostrando_)
            logica_.campo(QStringLiteral("NDPR_TIPOCOSTO")).setValue(tipo_costo_->currentData());
    });
    r->addWidget(tipo_costo_, 5, 4);
    r->addWidget(new QLabel(QStringLiteral("Aplicar a:"), g), 6, 3);
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
    aplicar->addWidget(boton(QStringLiteral("..."), &Tfnotasdebitocxp::busque_documento));
    r->addLayout(aplicar, 6, 4);
    r->addWidget(new QLabel(QStringLiteral("Observaciones:"), g), 7, 0);
    r->addWidget(caja(QStringLiteral("NDPR_OBS")), 7, 1, 1, 4);
    r->setColumnStretch(1, 1);
    r->setColumnStretch(4, 1);
    return g;
}

QFrame* Tfnotasdebitocxp::arme_bases() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("bases"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* r = new QGridLayout(panel);
    r->addWidget(new QLabel(QStringLiteral("Bases de IVA"), panel), 0, 0, 1, 4);
    const char* const bases[] = {"NDPR_BASE0", "NDPR_BASE1", "NDPR_BASE2", "NDPR_BASE3"};
    const char* const ivas[] = {nullptr, "NDPR_IVA1", "NDPR_IVA2", "NDPR_IVA3"};
    const char* const titulos[] = {"Base exenta:", "Base 1:", "Base 2:", "Base 3 (19%):"};
    for (int i = 0; i < 4; ++i) {
        r->addWidget(new QLabel(QString::fromUtf8(titulos[i]), panel), i + 1, 0);
        r->addWidget(caja_monto(QLatin1String(bases[i]),
                                [this, i](Currency v) { logica_.cambie_base(i, v); }),
                     i + 1, 1);
        if (ivas[i]) {
            CampoMonto* iva = caja_monto(QLatin1String(ivas[i]));
            iva->setReadOnly(true);
            r->addWidget(iva, i + 1, 2);
        }
    }
    r->addWidget(new QLabel(QStringLiteral("Impoconsumo:"), panel), 5, 0);
    r->addWidget(caja_monto(QStringLiteral("NDPR_INALCM")), 5, 1);
    r->addWidget(new QLabel(QStringLiteral("Subtotal:"), panel), 1, 3);
    r->addWidget(subtotal_ = new QLabel(panel), 1, 4);
    r->addWidget(new QLabel(QStringLiteral("% Descuento:"), panel), 2, 3);
    r->addWidget(caja_monto(QStringLiteral("NDPR_DTOPORC")), 2, 4);
    r->addWidget(new QLabel(QStringLiteral("Adicional:"), panel), 3, 3);
    r->addWidget(caja_monto(QStringLiteral("NDPR_ADICIONAL")), 3, 4);
    r->addWidget(boton(QStringLiteral("Aplicar"), &Tfnotasdebitocxp::SBBasesClick), 5, 4);
    r->setRowStretch(6, 1);
    return panel;
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
    grilla_centros_->setDialogs(&dm_.dialogs());
    grilla_centros_->setExportTitle(QStringLiteral("Centros"));
    grilla_centros_->setModel(modelo_centros_);
    for (int c = 0; c < modelo_centros_->columnCount(); ++c)
        if (modelo_centros_->fieldAt(c)->type() == Field::Type::Currency)
            grilla_centros_->setItemDelegateForColumn(
                c, new MontoDelegate(dm_.dialogs(), grilla_centros_));
    caja_panel->addWidget(grilla_centros_, 1);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(boton(QStringLiteral("Continuar"), &Tfnotasdebitocxp::SBCentrosClick));
    caja_panel->addLayout(abajo);
    return panel;
}

void Tfnotasdebitocxp::llene_listas() {
    mostrando_ = true;
    prefijo_->clear();
    ClientDataset& prefijos = logica_.prefijos();
    const int p = prefijos.fieldByName(QStringLiteral("PREF_PRE")).index();
    for (int i = 0; i < prefijos.recordCount(); ++i)
        prefijo_->addItem(prefijos.valueAt(i, p).toString().trimmed());
    bodega_->clear();
    bodega_->addItem(QString(), QVariant());
    ClientDataset& bodegas = logica_.bodegas();
    if (Field* cod = bodegas.findField(QStringLiteral("BODE_COD"))) {
        Field* nom = bodegas.findField(QStringLiteral("BODE_NOMBRE"));
        for (int i = 0; i < bodegas.recordCount(); ++i) {
            const QString codigo = bodegas.valueAt(i, cod->index()).toString().trimmed();
            bodega_->addItem(nom ? bodegas.valueAt(i, nom->index()).toString() : codigo, codigo);
        }
    }
    moneda_->clear();
    if (logica_.pide_moneda()) {
        ClientDataset& monedas = logica_.monedas();
        const int c = monedas.fieldByName(QStringLiteral("TIMO_COD")).index();
        const int n = monedas.fieldByName(QStringLiteral("TIMO_NOMBRE")).index();
        for (int i = 0; i < monedas.recordCount(); ++i)
            moneda_->addItem(monedas.valueAt(i, n).toString(), monedas.valueAt(i, c));
    }
    fila_moneda_->setVisible(logica_.pide_moneda());
    mostrando_ = false;
}

QLineEdit* Tfnotasdebitocxp::editor(const QString& campo) const {
    for (const Enlace& e : enlaces_)
        if (e.campo == campo)
            return e.editor;
    return monto(campo);
}

CampoMonto* Tfnotasdebitocxp::monto(const QString& campo) const {
    for (const EnlaceMonto& m : montos_)
        if (m.campo == campo)
            return m.editor;
    return nullptr;
}

QDateEdit* Tfnotasdebitocxp::fecha(const QString& campo) const {
    for (const EnlaceFecha& f : fechas_)
        if (f.campo == campo)
            return f.editor;
    return nullptr;
}

QString Tfnotasdebitocxp::texto(const QString& campo) const {
    const Field& f = logica_.campo(campo);
    return f.isNull() ? QString() : f.asString().trimmed();
}

void Tfnotasdebitocxp::aplique(const Enlace& e) {
    if (mostrando_ || !abierta_ || e.editor->isReadOnly())
        return;
    const QString t = e.editor->text();
    if (t == texto(e.campo))
        return;
    asigne(logica_.campo(e.campo), e.accion, t);
    muestre();
}

void Tfnotasdebitocxp::aplique(const EnlaceMonto& m, Currency valor) {
    if (mostrando_ || !abierta_ || m.editor->isReadOnly())
        return;
    asigne(logica_.campo(m.campo), m.accion, valor);
    muestre();
}

bool Tfnotasdebitocxp::aplique_pendientes() {
    for (const Enlace& e : enlaces_)
        aplique(e);
    for (const EnlaceMonto& m : montos_)
        if (!m.editor->isReadOnly() && !m.editor->acepte())
            return false;
    return true;
}

void Tfnotasdebitocxp::muestre() {
    if (!abierta_ || mostrando_)
        return;
    mostrando_ = true;
    for (const Enlace& e : enlaces_) {
        const QString t = texto(e.campo);
        if (e.editor->text() != t)
            e.editor->setText(t);
    }
    for (const EnlaceMonto& m : montos_) {
        const Field& f = logica_.campo(m.campo);
        m.editor->set_decimales(f.decimals());
        m.editor->muestre(f.isNull() ? std::nullopt : std::optional<Currency>(f.asCurrency()));
    }
    for (const EnlaceFecha& f : fechas_) {
        const QDate d = logica_.campo(f.campo).asDate();
        if (d.isValid() && f.editor->date() != d)
            f.editor->setDate(d);
    }
    prefijo_->setCurrentIndex(prefijo_->findText(texto(QStringLiteral("PREF_PRE"))));
    bodega_->setCurrentIndex(std::max(0, bodega_->findData(texto(QStringLiteral("NDPR_BODEGA")))));
    tipo_costo_->setCurrentIndex(
        std::max(0, tipo_costo_->findData(texto(QStringLiteral("NDPR_TIPOCOSTO")))));
    if (logica_.pide_moneda())
        moneda_->setCurrentIndex(
            moneda_->findData(logica_.campo(QStringLiteral("NDPR_MONEDA")).asInteger()));
    const QString clase =
        SelectorDocumentosAplicar::clase(texto(QStringLiteral("NDPR_TIPOAPL")).toInt());
    if (!clase.isEmpty())
        clase_aplicar_->setCurrentIndex(clase_aplicar_->findText(clase));
    const qint64 factura = logica_.campo(QStringLiteral("NDPR_FACID")).asInteger();
    factura_->setText(factura > 0 ? SelectorFacturasCompra::numero(dm_, factura) : QString());

    editor(QStringLiteral("NDPR_NUMERO"))->setReadOnly(!logica_.numero_editable());
    fecha(QStringLiteral("NDPR_FECHA"))->setEnabled(logica_.fecha_editable());
    const std::pair<const char*, Retencion> retenciones[] = {{"NDPR_RTFTEMONTO", Retencion::Fuente},
                                                             {"NDPR_RTIVAMONTO", Retencion::Iva},
                                                             {"NDPR_RTICAMONTO", Retencion::Ica},
                                                             {"NDPR_RTCREEM", Retencion::Cree}};
    for (const auto& [campo, r] : retenciones)
        editor(QLatin1String(campo))->setReadOnly(!logica_.monto_editable(r) && !logica_.a_mano(r));

    nombre_->setText(logica_.nombre_proveedor());
    nombre_proyecto_->setText(logica_.nombre_proyecto());
    nombre_centro_->setText(logica_.nombre_centro());
    nombre_subcentro_->setText(logica_.nombre_subcentro());
    const FormatoNumero& formato = FormatoNumero::instalacion();
    neto_->setText(formato.escriba(logica_.neto()));
    total_->setText(formato.escriba(logica_.total()));
    subtotal_->setText(formato.escriba(logica_.subtotal()));
    lado_->setCurrentWidget(logica_.centros_abiertos() ? panel_centros_
                            : logica_.bases_abiertas() ? static_cast<QWidget*>(panel_bases_)
                                                       : otros_);
    mostrando_ = false;
}

void Tfnotasdebitocxp::reciba(const Cargo::Recibidos& valores) {
    logica_.reciba(valores);
    muestre();
}

void Tfnotasdebitocxp::SBGrabarClick() {
    if (!aplique_pendientes())
        return;
    const bool grabado = logica_.grabe();
    muestre();
    if (grabado && isVisible())
        editor(QStringLiteral("NDPR_NUMERO"))->setFocus();
}

void Tfnotasdebitocxp::SBCancelaClick() {
    if (logica_.cancele())
        close();
}

void Tfnotasdebitocxp::SBBasesClick() {
    if (!aplique_pendientes())
        return;
    if (logica_.bases_abiertas())
        logica_.aplique_bases();
    else
        logica_.abra_bases();
    muestre();
    if (logica_.bases_abiertas())
        editor(QStringLiteral("NDPR_BASE0"))->setFocus();
}

void Tfnotasdebitocxp::SBCentrosClick() {
    logica_.confirme_centros();
    muestre();
}

void Tfnotasdebitocxp::busque_proveedor(const QString& texto) {
    SelectorProveedores selector(dm_);
    const QString nit = selector.pregunte(texto);
    if (nit.isEmpty())
        return;
    logica_.cambie_nit(nit);
    muestre();
}

void Tfnotasdebitocxp::busque_cargo() {
    dm_.dialogs().modal(QStringLiteral("Tfbuscanotdebito"), [this] {
        const Busqueda& b = busqueda_instalada();
        return b ? b(*this) : 0;
    });
}

void Tfnotasdebitocxp::busque_articulo() {
    SelectorArticulos selector(dm_);
    const QString codigo = selector.pregunte();
    if (codigo.isEmpty())
        return;
    logica_.campo(QStringLiteral("ARTI_COD")).setValue(codigo);
    muestre();
}

void Tfnotasdebitocxp::busque_factura() {
    SelectorFacturasCompra selector(dm_, texto(QStringLiteral("TERC_NIT")));
    const QString id = selector.pregunte();
    if (id.isEmpty())
        return;
    logica_.campo(QStringLiteral("NDPR_FACID")).setValue(id.toLongLong());
    muestre();
}

void Tfnotasdebitocxp::busque_negocio() {
    SelectorNegocios selector(dm_);
    const QString codigo = selector.pregunte();
    if (codigo.isEmpty())
        return;
    logica_.campo(QStringLiteral("NDPR_NEGOCIO")).setValue(codigo);
    muestre();
}

void Tfnotasdebitocxp::busque_documento() {
    SelectorDocumentosAplicar selector(dm_, texto(QStringLiteral("TERC_NIT")));
    const auto doc = selector.pregunte_documento();
    if (!doc)
        return;
    clase_aplicar_->setCurrentIndex(clase_aplicar_->findText(doc->clase));
    logica_.aplique_a(static_cast<Cargo::Aplicable>(clase_aplicar_->currentData().toInt()),
                      doc->referencia);
    muestre();
}

void Tfnotasdebitocxp::busque_centros(const QString& texto) {
    SelectorCentros selector(dm_);
    selector.cargue();
    selector.busque(texto);
    const int resultado = dm_.dialogs().modal(QStringLiteral("Tfbusccentros"), [this, &selector] {
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

void Tfnotasdebitocxp::busque_cuenta(Cargo::Cuenta cuenta, const QString& texto) {
    const bool niif = cuenta == Cargo::Cuenta::CausaNiif || cuenta == Cargo::Cuenta::PagarNiif;
    SelectorCuentas selector(dm_, niif);
    const QString codigo = selector.pregunte(texto);
    if (codigo.isEmpty())
        return;
    logica_.cambie_cuenta(cuenta, codigo);
    muestre();
}

bool Tfnotasdebitocxp::tecla(int key, QObject* watched) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_Escape:
            SBCancelaClick();
            return true;
        case Qt::Key_F5:
            SBBasesClick();
            return true;
        case Qt::Key_F6:
            busque_proveedor();
            return true;
        case Qt::Key_F8:
            busque_cargo();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (watched == grilla_centros_ || !watched || !watched->isWidgetType())
                return false;
            // The value goes to its rule before the cursor moves on; a text
            // that is not a number keeps the cursor where it is.
            for (const Enlace& e : enlaces_)
                if (e.editor == watched)
                    aplique(e);
            for (const EnlaceMonto& m : montos_)
                if (m.editor == watched && !m.editor->isReadOnly() && !m.editor->acepte())
                    return true;
            focusNextChild();
            return true;
        default:
            return false;
    }
}

bool Tfnotasdebitocxp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && tecla(static_cast<QKeyEvent*>(event)->key(), watched))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick)
        for (const Enlace& e : enlaces_)
            if (e.editor == watched && e.busca) {
                e.busca(QString());
                return true;
            }
    return QWidget::eventFilter(watched, event);
}

void Tfnotasdebitocxp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ubique_en_area();
    }
}

void Tfnotasdebitocxp::ubique_en_area() {
    // Sized to what it needs, never beyond the main window's work area, and
    // centred in it.
    auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!marco || !marco->mdiArea())
        return;
    const QSize area = marco->mdiArea()->viewport()->size();
    const QSize borde = marco->size() - size();
    marco->resize((sizeHint() + borde).boundedTo(area));
    centre_en_area(this, 0, 0);
}

void Tfnotasdebitocxp::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key(), nullptr))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
