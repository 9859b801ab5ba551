#include "payables/ui/documentos/tfdocumento_cxp.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "accounting/selectores/selector_cuentas.h"
#include "accounting/ui/revision/tfcontabiliza.h"
#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/campos/campo_monto.h"
#include "parties/selectores/selector_proveedores.h"

namespace ledgrix {

namespace {

TfdocumentoCxp::Externa& externa_instalada() {
    static TfdocumentoCxp::Externa externa;
    return externa;
}

using Porcentaje = DocumentoCxp::Porcentaje;
using Retencion = DocumentoCxp::Retencion;
using Cuenta = DocumentoCxp::Cuenta;

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

void TfdocumentoCxp::instale_externa(Externa externa) {
    externa_instalada() = std::move(externa);
}

TfdocumentoCxp::TfdocumentoCxp(Tfdm& dm, DocumentoCxp& documento, QWidget* parent)
    : QWidget(parent), dm_(dm), documento_(documento) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void TfdocumentoCxp::arme() {
    abierta_ = documento_.abra();
    Tfcontabiliza::instale(documento_.contabilizacion(), this);

    // The values beside the rest, and the VAT-bases panel (or one of the
    // document's own) in place of the rest while open: the whole document,
    // its totals and keys fit a 1366x768 screen's work area without scrolling.
    auto* caja_ventana = new QVBoxLayout(this);
    caja_ventana->addWidget(encabezado());
    auto* medio = new QHBoxLayout;
    medio->addWidget(valores());
    lado_ = new QStackedWidget(this);
    lado_->addWidget(otros_ = otros());
    lado_->addWidget(panel_bases_ = arme_bases());
    paneles_propios(*lado_);
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
    abajo->addWidget(boton(QStringLiteral("F5: Bases IVA"), [this] { SBBasesClick(); }));
    abajo->addWidget(boton(QStringLiteral("F2: Grabar"), [this] { SBGrabarClick(); }));
    abajo->addWidget(boton(QStringLiteral("Esc: Cancelar"), [this] { SBCancelaClick(); }));
    caja_ventana->addLayout(abajo);

    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    ClientDataset& notas = documento_.notas();
    connect(&notas, &ClientDataset::rowChanged, this, [this] { muestre(); });
    connect(&notas, &ClientDataset::currentRowChanged, this, [this] { muestre(); });
    connect(&notas, &ClientDataset::resetDone, this, [this] { muestre(); });
    connect(&documento_, &DocumentoCxp::enfoque, this, [this](const QString& campo) {
        if (QLineEdit* e = editor(campo))
            e->setFocus();
        else if (QDateEdit* f = fecha(campo))
            f->setFocus();
    });
    connect(&documento_, &DocumentoCxp::cierre, this, [this] { close(); });
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

QLineEdit* TfdocumentoCxp::caja(const QString& campo, std::function<void(const QString&)> accion,
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

CampoMonto* TfdocumentoCxp::caja_monto(const QString& campo, std::function<void(Currency)> accion) {
    auto* e = new CampoMonto(dm_.dialogs(), this);
    e->setObjectName(campo);
    montos_.push_back({campo, e, std::move(accion)});
    const size_t i = montos_.size() - 1;
    connect(e, &CampoMonto::cambiado, this, [this, i](Currency v) { aplique(montos_[i], v); });
    return e;
}

QDateEdit* TfdocumentoCxp::caja_fecha(const QString& campo,
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
        if (mostrando_ || d == documento_.campo(f.campo).asDate())
            return;
        asigne(documento_.campo(f.campo), f.accion, d);
        muestre();
    });
    return e;
}

QPushButton* TfdocumentoCxp::boton(const QString& texto, std::function<void()> accion) {
    auto* b = new QPushButton(texto, this);
    b->setFocusPolicy(Qt::NoFocus);
    if (texto == QLatin1String("..."))
        b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(b, &QPushButton::clicked, this, std::move(accion));
    return b;
}

QComboBox* TfdocumentoCxp::lista(const QString& campo,
                                 std::function<void(const QVariant&)> accion) {
    auto* l = new QComboBox(this);
    l->setObjectName(campo);
    listas_.push_back({campo, l});
    connect(l, &QComboBox::activated, this, [this, l, campo, accion = std::move(accion)] {
        if (mostrando_)
            return;
        asigne(documento_.campo(campo), accion, l->currentData());
        muestre();
    });
    return l;
}

QWidget* TfdocumentoCxp::encabezado() {
    auto* g = new QGroupBox(this);
    auto* r = new QGridLayout(g);
    r->addWidget(new QLabel(QStringLiteral("Acreedor:"), g), 0, 0);
    r->addWidget(caja(
                     QStringLiteral("TERC_NIT"),
                     [this](const QString& t) { documento_.cambie_nit(t.trimmed()); },
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
        documento_.cambie_prefijo(prefijo_->currentText());
        muestre();
    });
    r->addWidget(prefijo_, 1, 1);
    r->addWidget(new QLabel(QStringLiteral("Número:"), g), 1, 2);
    r->addWidget(
        caja(col("NUMERO"), [this](const QString& t) { documento_.cambie_numero(t.trimmed()); }), 1,
        3);
    r->addWidget(new QLabel(QStringLiteral("Fecha:"), g), 2, 0);
    r->addWidget(caja_fecha(col("FECHA"), [this](const QDate& d) { documento_.cambie_fecha(d); }),
                 2, 1);
    r->addWidget(new QLabel(QStringLiteral("Concepto:"), g), 3, 0);
    r->addWidget(caja(col("CONC")), 3, 1, 1, 3);
    r->addWidget(new QLabel(QStringLiteral("No. Proveedor:"), g), 3, 4);
    r->addWidget(
        caja(col("NUMPROV"), [this](const QString& t) { documento_.cambie_numprov(t.trimmed()); }),
        3, 5);
    fila_moneda_ = new QWidget(g);
    auto* m = new QHBoxLayout(fila_moneda_);
    m->setContentsMargins(0, 0, 0, 0);
    m->addWidget(new QLabel(QStringLiteral("Moneda:"), fila_moneda_));
    moneda_ = new QComboBox(fila_moneda_);
    moneda_->setObjectName(col("MONEDA"));
    connect(moneda_, &QComboBox::activated, this, [this] {
        if (mostrando_)
            return;
        documento_.cambie_moneda(moneda_->currentData().toInt());
        muestre();
    });
    m->addWidget(moneda_);
    m->addWidget(new QLabel(QStringLiteral("Tasa:"), fila_moneda_));
    m->addWidget(caja_monto(col("TRM")));
    r->addWidget(fila_moneda_, 4, 0, 1, 6);
    encabezado_propio(*r, g);
    return g;
}

QWidget* TfdocumentoCxp::valores() {
    auto* g = new QGroupBox(QStringLiteral("Valores"), this);
    auto* r = new QGridLayout(g);
    r->addWidget(new QLabel(QStringLiteral("Monto:"), g), 0, 0);
    r->addWidget(caja_monto(col("MONTO"), [this](Currency v) { documento_.cambie_monto(v); }), 0,
                 2);
    r->addWidget(new QLabel(QStringLiteral("Extra:"), g), 0, 3);
    r->addWidget(caja_monto(col("EXTRA"), [this](Currency v) { documento_.cambie_extra(v); }), 0,
                 4);
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
        {"IVA:", "IVAPORC", "IVAMONTO", Porcentaje::Iva, -1},
        {"Ret. Fuente:", "RTFTEPORC", "RTFTEMONTO", Porcentaje::Fuente, int(Retencion::Fuente)},
        {"Ret. IVA:", "RTIVAPORC", "RTIVAMONTO", Porcentaje::RetIva, int(Retencion::Iva)},
        {"Ret. ICA (x mil):", "RTICAPORC", "RTICAMONTO", Porcentaje::Ica, int(Retencion::Ica)},
        {"Ret. CREE:", "RTCREE", "RTCREEM", Porcentaje::Cree, int(Retencion::Cree)},
        {"Dto. pronto pago:", "DTOFPORC", "DTOFMONTO", Porcentaje::DescuentoPP, -1},
    };
    int fila = 2;
    for (const Fila& f : filas) {
        r->addWidget(new QLabel(QString::fromUtf8(f.titulo), g), fila, 0);
        const Porcentaje p = f.p;
        CampoMonto* porcentaje = caja_monto(
            col(f.porcentaje), [this, p](Currency v) { documento_.cambie_porcentaje(p, v); });
        // Leaving the box, changed or not, decides whether its amount may be
        // typed by hand (a percentage of 0 lets it).
        connect(porcentaje, &CampoMonto::dejado, this, [this, p] {
            if (mostrando_ || !abierta_)
                return;
            documento_.salga_porcentaje(p);
            muestre();
        });
        porcentaje->ancho_de_porcentaje();
        r->addWidget(porcentaje, fila, 1);
        std::function<void(Currency)> a_mano;
        if (f.retencion >= 0) {
            const auto ret = static_cast<Retencion>(f.retencion);
            a_mano = [this, ret](Currency v) { documento_.cambie_monto_retencion(ret, v); };
        }
        r->addWidget(caja_monto(col(f.valor), a_mano), fila, 2);
        ++fila;
    }
    r->addWidget(new QLabel(QStringLiteral("Fecha dto.:"), g), fila - 1, 3);
    r->addWidget(caja_fecha(col("DTOFECHA")), fila - 1, 4);
    return g;
}

// The accounts, warehouse and cost affected on the right; the document's own
// boxes take the left and the rows below.
QWidget* TfdocumentoCxp::otros() {
    auto* g = new QGroupBox(this);
    auto* r = new QGridLayout(g);
    struct Cta {
        const char* titulo;
        const char* sufijo;
        Cuenta cuenta;
    };
    const Cta cuentas[] = {{"Cta. gasto:", "CTACAUSA", Cuenta::Causa},
                           {"Cta. por pagar:", "CTAPAGAR", Cuenta::Pagar},
                           {"Cta. gasto NIIF:", "CTACAUSAN", Cuenta::CausaNiif},
                           {"Cta. por pagar NIIF:", "CTAPAGARN", Cuenta::PagarNiif}};
    int fila = 0;
    for (const Cta& c : cuentas) {
        const Cuenta cuenta = c.cuenta;
        r->addWidget(new QLabel(QString::fromUtf8(c.titulo), g), fila, 3);
        r->addWidget(
            caja(
                col(c.sufijo),
                [this, cuenta](const QString& t) { documento_.cambie_cuenta(cuenta, t.trimmed()); },
                [this, cuenta](const QString& t) { busque_cuenta(cuenta, t); }),
            fila++, 4);
    }
    r->addWidget(new QLabel(QStringLiteral("Bodega:"), g), 4, 3);
    r->addWidget(bodega_ = lista(col("BODEGA")), 4, 4);
    r->addWidget(new QLabel(QStringLiteral("Costo afectado:"), g), 5, 3);
    QComboBox* tipo_costo = lista(col("TIPOCOSTO"));
    for (const auto& t : kTiposCosto)
        tipo_costo->addItem(QString::fromUtf8(t[1]), QLatin1String(t[0]));
    r->addWidget(tipo_costo, 5, 4);
    otros_propios(*r, g);
    r->addWidget(new QLabel(QStringLiteral("Observaciones:"), g), 7, 0);
    r->addWidget(caja(col("OBS")), 7, 1, 1, 4);
    r->setColumnStretch(1, 1);
    r->setColumnStretch(4, 1);
    return g;
}

QFrame* TfdocumentoCxp::arme_bases() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("bases"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* r = new QGridLayout(panel);
    r->addWidget(new QLabel(QStringLiteral("Bases de IVA"), panel), 0, 0, 1, 4);
    const char* const bases[] = {"BASE0", "BASE1", "BASE2", "BASE3"};
    const char* const ivas[] = {nullptr, "IVA1", "IVA2", "IVA3"};
    const char* const titulos[] = {"Base exenta:", "Base 1:", "Base 2:", "Base 3 (19%):"};
    for (int i = 0; i < 4; ++i) {
        r->addWidget(new QLabel(QString::fromUtf8(titulos[i]), panel), i + 1, 0);
        r->addWidget(
            caja_monto(col(bases[i]), [this, i](Currency v) { documento_.cambie_base(i, v); }),
            i + 1, 1);
        if (ivas[i]) {
            CampoMonto* iva = caja_monto(col(ivas[i]));
            iva->setReadOnly(true);
            r->addWidget(iva, i + 1, 2);
        }
    }
    r->addWidget(new QLabel(QStringLiteral("Impoconsumo:"), panel), 5, 0);
    r->addWidget(caja_monto(col("INALCM")), 5, 1);
    r->addWidget(new QLabel(QStringLiteral("Subtotal:"), panel), 1, 3);
    r->addWidget(subtotal_ = new QLabel(panel), 1, 4);
    r->addWidget(new QLabel(QStringLiteral("% Descuento:"), panel), 2, 3);
    r->addWidget(caja_monto(col("DTOPORC")), 2, 4);
    r->addWidget(new QLabel(QStringLiteral("Adicional:"), panel), 3, 3);
    r->addWidget(caja_monto(col("ADICIONAL")), 3, 4);
    r->addWidget(boton(QStringLiteral("Aplicar"), [this] { SBBasesClick(); }), 5, 4);
    r->setRowStretch(6, 1);
    return panel;
}

void TfdocumentoCxp::llene_listas() {
    mostrando_ = true;
    prefijo_->clear();
    ClientDataset& prefijos = documento_.prefijos();
    const int p = prefijos.fieldByName(QStringLiteral("PREF_PRE")).index();
    for (int i = 0; i < prefijos.recordCount(); ++i)
        prefijo_->addItem(prefijos.valueAt(i, p).toString().trimmed());
    bodega_->clear();
    bodega_->addItem(QString(), QVariant());
    ClientDataset& bodegas = documento_.bodegas();
    if (Field* cod = bodegas.findField(QStringLiteral("BODE_COD"))) {
        Field* nom = bodegas.findField(QStringLiteral("BODE_NOMBRE"));
        for (int i = 0; i < bodegas.recordCount(); ++i) {
            const QString codigo = bodegas.valueAt(i, cod->index()).toString().trimmed();
            bodega_->addItem(nom ? bodegas.valueAt(i, nom->index()).toString() : codigo, codigo);
        }
    }
    moneda_->clear();
    if (documento_.pide_moneda()) {
        ClientDataset& monedas = documento_.monedas();
        const int c = monedas.fieldByName(QStringLiteral("TIMO_COD")).index();
        const int n = monedas.fieldByName(QStringLiteral("TIMO_NOMBRE")).index();
        for (int i = 0; i < monedas.recordCount(); ++i)
            moneda_->addItem(monedas.valueAt(i, n).toString(), monedas.valueAt(i, c));
    }
    fila_moneda_->setVisible(documento_.pide_moneda());
    llene_propias();
    mostrando_ = false;
}

QLineEdit* TfdocumentoCxp::editor(const QString& campo) const {
    for (const Enlace& e : enlaces_)
        if (e.campo == campo)
            return e.editor;
    return monto(campo);
}

CampoMonto* TfdocumentoCxp::monto(const QString& campo) const {
    for (const EnlaceMonto& m : montos_)
        if (m.campo == campo)
            return m.editor;
    return nullptr;
}

QDateEdit* TfdocumentoCxp::fecha(const QString& campo) const {
    for (const EnlaceFecha& f : fechas_)
        if (f.campo == campo)
            return f.editor;
    return nullptr;
}

QString TfdocumentoCxp::texto(const QString& campo) const {
    const Field& f = documento_.campo(campo);
    return f.isNull() ? QString() : f.asString().trimmed();
}

int TfdocumentoCxp::abra_ventana(const QString& clase) {
    const Externa& externa = externa_instalada();
    if (externa)
        return externa(dm_, clase, this);
    return dm_.dialogs().modal(clase, [] { return 0; });
}

void TfdocumentoCxp::aplique(const Enlace& e) {
    if (mostrando_ || !abierta_ || e.editor->isReadOnly())
        return;
    const QString t = e.editor->text();
    if (t == texto(e.campo))
        return;
    asigne(documento_.campo(e.campo), e.accion, t);
    muestre();
}

void TfdocumentoCxp::aplique(const EnlaceMonto& m, Currency valor) {
    if (mostrando_ || !abierta_ || m.editor->isReadOnly())
        return;
    asigne(documento_.campo(m.campo), m.accion, valor);
    muestre();
}

bool TfdocumentoCxp::aplique_pendientes() {
    for (const Enlace& e : enlaces_)
        aplique(e);
    for (const EnlaceMonto& m : montos_)
        if (!m.editor->isReadOnly() && !m.editor->acepte())
            return false;
    return true;
}

void TfdocumentoCxp::muestre() {
    if (!abierta_ || mostrando_)
        return;
    mostrando_ = true;
    for (const Enlace& e : enlaces_) {
        const QString t = texto(e.campo);
        if (e.editor->text() != t)
            e.editor->setText(t);
    }
    for (const EnlaceMonto& m : montos_) {
        const Field& f = documento_.campo(m.campo);
        m.editor->set_decimales(f.decimals());
        m.editor->muestre(f.isNull() ? std::nullopt : std::optional<Currency>(f.asCurrency()));
    }
    for (const EnlaceFecha& f : fechas_) {
        const QDate d = documento_.campo(f.campo).asDate();
        if (d.isValid() && f.editor->date() != d)
            f.editor->setDate(d);
    }
    for (const EnlaceLista& l : listas_)
        l.lista->setCurrentIndex(std::max(0, l.lista->findData(texto(l.campo))));
    prefijo_->setCurrentIndex(prefijo_->findText(texto(QStringLiteral("PREF_PRE"))));
    if (documento_.pide_moneda())
        moneda_->setCurrentIndex(moneda_->findData(documento_.campo(col("MONEDA")).asInteger()));

    editor(col("NUMERO"))->setReadOnly(!documento_.numero_editable());
    fecha(col("FECHA"))->setEnabled(documento_.fecha_editable());
    const std::pair<const char*, Retencion> retenciones[] = {{"RTFTEMONTO", Retencion::Fuente},
                                                             {"RTIVAMONTO", Retencion::Iva},
                                                             {"RTICAMONTO", Retencion::Ica},
                                                             {"RTCREEM", Retencion::Cree}};
    for (const auto& [sufijo, r] : retenciones)
        editor(col(sufijo))->setReadOnly(!documento_.monto_editable(r) && !documento_.a_mano(r));

    nombre_->setText(documento_.nombre_proveedor());
    const FormatoNumero& formato = FormatoNumero::instalacion();
    neto_->setText(formato.escriba(documento_.neto()));
    total_->setText(formato.escriba(documento_.total()));
    subtotal_->setText(formato.escriba(documento_.subtotal()));
    QWidget* propio = panel_abierto();
    lado_->setCurrentWidget(propio                        ? propio
                            : documento_.bases_abiertas() ? static_cast<QWidget*>(panel_bases_)
                                                          : otros_);
    muestre_propio();
    mostrando_ = false;
}

void TfdocumentoCxp::SBGrabarClick() {
    if (!aplique_pendientes())
        return;
    const bool grabado = documento_.grabe();
    muestre();
    if (grabado && isVisible())
        editor(col("NUMERO"))->setFocus();
}

void TfdocumentoCxp::SBCancelaClick() {
    if (documento_.cancele())
        close();
}

void TfdocumentoCxp::SBBasesClick() {
    if (!aplique_pendientes())
        return;
    if (documento_.bases_abiertas())
        documento_.aplique_bases();
    else
        documento_.abra_bases();
    muestre();
    if (documento_.bases_abiertas())
        editor(col("BASE0"))->setFocus();
}

void TfdocumentoCxp::busque_proveedor(const QString& texto) {
    SelectorProveedores selector(dm_);
    const QString nit = selector.pregunte(texto);
    if (nit.isEmpty())
        return;
    documento_.cambie_nit(nit);
    muestre();
}

void TfdocumentoCxp::busque_cuenta(Cuenta cuenta, const QString& texto) {
    const bool niif = cuenta == Cuenta::CausaNiif || cuenta == Cuenta::PagarNiif;
    SelectorCuentas selector(dm_, niif);
    const QString codigo = selector.pregunte(texto);
    if (codigo.isEmpty())
        return;
    documento_.cambie_cuenta(cuenta, codigo);
    muestre();
}

bool TfdocumentoCxp::tecla(int key, QObject* watched) {
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
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (toma_enter(watched) || !watched || !watched->isWidgetType())
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
            return tecla_propia(key);
    }
}

bool TfdocumentoCxp::eventFilter(QObject* watched, QEvent* event) {
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

void TfdocumentoCxp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ubique_en_area();
    }
}

void TfdocumentoCxp::ubique_en_area() {
    ajuste_al_area(this);
}

void TfdocumentoCxp::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key(), nullptr))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
