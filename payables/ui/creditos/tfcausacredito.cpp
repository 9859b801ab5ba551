#include "payables/ui/creditos/tfcausacredito.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "accounting/ui/revision/tfcontabiliza.h"
#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/teclas_ventana.h"
#include "output/ui/impresion/tfimpresion.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfcausacredito::Tfcausacredito(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(dm, this) {
    setObjectName(S("Tfcausacredito"));
    setWindowTitle(S("Causar Crédito"));
    setAttribute(Qt::WA_DeleteOnClose);
    const bool abierta = logica_.abra();
    Tfcontabiliza::instale(logica_.contabilizacion(), this);
    logica_.imprima = [this](qint64 id) { imprima_documento(dm_, 57, id, this); };

    auto* caja = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    caja->addLayout(g);
    const auto rotulo = [this, g](const char* t, int fila, int col) {
        g->addWidget(new QLabel(S(t), this), fila, col);
    };
    rotulo("Prefijo:", 0, 0);
    g->addWidget(lista(S("CRCX_PREF"), logica_.prefijos(),
                       [this](const QString& p) { logica_.cambie_prefijo(p); }),
                 0, 1);
    rotulo("Número:", 0, 2);
    g->addWidget(texto(S("CRCX_NUMERO"), [this](const QString& t) { logica_.cambie_numero(t); }), 0,
                 3);
    rotulo("Fecha:", 0, 4);
    g->addWidget(fecha(S("CRCX_FECHA"), [this](const QDate& d) { logica_.cambie_fecha(d); }), 0, 5);
    rotulo("Nit:", 1, 0);
    g->addWidget(texto(S("CRCX_NIT"), [this](const QString& t) { logica_.cambie_nit(t); }), 1, 1);
    nombre_ = new QLabel(this);
    nombre_->setObjectName(S("TERC_NOM"));
    g->addWidget(nombre_, 1, 2, 1, 4);
    rotulo("Documento:", 2, 0);
    clase_ = new QComboBox(this);
    clase_->setObjectName(S("CRCX_TIPODOC"));
    for (auto c : {CausacionCredito::Clase::Factura, CausacionCredito::Clase::Cargo})
        clase_->addItem(CausacionCredito::texto_clase(c), static_cast<int>(c));
    connect(clase_, &QComboBox::activated, this, [this](int i) {
        logica_.cambie_clase(static_cast<CausacionCredito::Clase>(clase_->itemData(i).toInt()));
        muestre();
    });
    g->addWidget(clase_, 2, 1);
    // A reference that does not exist is emptied for the next one to be typed.
    g->addWidget(
        texto(
            S("CRCX_NUMDOC"), [this](const QString& t) { logica_.cambie_documento(t); }, false),
        2, 2);
    rotulo("Saldo:", 2, 3);
    total_ = new CampoMonto(dm.dialogs(), this);
    total_->setObjectName(S("CRCX_TOTAL"));
    total_->setReadOnly(true);
    g->addWidget(total_, 2, 4);
    rotulo("Concepto:", 3, 0);
    g->addWidget(texto(S("CRCX_CONC"), [this](const QString& t) { logica_.cambie_concepto(t); }), 3,
                 1, 1, 5);
    rotulo("Cuotas:", 4, 0);
    g->addWidget(
        texto(S("CRCX_CUOTAS"), [this](const QString& t) { logica_.cambie_cuotas(t.toInt()); }), 4,
        1);
    rotulo("Interés E.A. %:", 4, 2);
    interes_ = new CampoMonto(dm.dialogs(), this, 4);
    interes_->setObjectName(S("CRCX_INTERES"));
    interes_->ancho_de_porcentaje();
    connect(interes_, &CampoMonto::cambiado, this, [this](Currency v) {
        const QString tecleado = interes_->text();
        rechazo_ = false;
        logica_.cambie_interes(v);
        muestre();
        if (rechazo_)
            interes_->setText(tecleado);
    });
    editores_.insert(S("CRCX_INTERES"), interes_);
    g->addWidget(interes_, 4, 3);
    rotulo("Primera cuota:", 4, 4);
    g->addWidget(
        fecha(S("CRCX_FECCUOTA1"), [this](const QDate& d) { logica_.cambie_fecha_cuota(d); }), 4,
        5);
    rotulo("Prefijo cargos:", 5, 0);
    g->addWidget(lista(S("CRCX_PREFND"), logica_.prefijos_cargos(),
                       [this](const QString& p) { logica_.cambie_prefijo_cargos(p); }),
                 5, 1);
    rotulo("Prefijo descuento:", 5, 2);
    g->addWidget(lista(S("CRCX_PREFNC"), logica_.prefijos_descuentos(),
                       [this](const QString& p) { logica_.cambie_prefijo_descuento(p); }),
                 5, 3);

    ClientDataset& cuotas = logica_.cuotas();
    // The plan's fields are made anew each time it is read again (another
    // document, a new credit): the titles go with them, before the grid
    // hears of the new rows.
    const auto titule = [&cuotas] {
        for (Field* x : cuotas.fields())
            x->setVisible(false);
        const std::pair<const char*, const char*> columnas[] = {{"CRCD_ITEM", "Cuota"},
                                                                {"CRCD_FECHA", "Fecha"},
                                                                {"CRCD_MONTO", "Valor"},
                                                                {"CRCD_PREF", "Prefijo"}};
        for (const auto& [campo, titulo] : columnas) {
            Field* x = cuotas.findField(S(campo));
            if (!x)
                continue;
            x->setVisible(true);
            x->setDisplayLabel(S(titulo));
        }
    };
    titule();
    connect(&cuotas, &ClientDataset::resetDone, this, titule);
    plan_ = new LedgrixGrid(this);
    plan_->setObjectName(S("plan"));
    // The plan is the database's: shown, never typed over.
    plan_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    plan_->setModel(new DatasetModel(&cuotas, plan_));
    caja->addWidget(plan_, 1);

    auto* abajo = new QHBoxLayout;
    abajo->addStretch(1);
    const auto boton = [this, abajo](const char* t, std::function<void()> accion) {
        auto* b = new QPushButton(S(t), this);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, std::move(accion));
        abajo->addWidget(b);
    };
    boton("F2:Grabar", [this] { SBGrabarClick(); });
    boton("F3:Cuotas", [this] { SBCuotasClick(); });
    boton("Esc:Salir", [this] { close(); });
    caja->addLayout(abajo);

    connect(&logica_, &CausacionCredito::enfoque, this, [this](const QString& campo) {
        rechazo_ = true;
        if (QWidget* w = editores_.value(campo))
            w->setFocus();
    });
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    if (!abierta) {
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    muestre();
    editores_.value(S("CRCX_NIT"))->setFocus();
}

QLineEdit* Tfcausacredito::texto(const QString& campo, std::function<void(const QString&)> regla,
                                 bool conserva_rechazado) {
    auto* e = new QLineEdit(this);
    e->setObjectName(campo);
    editores_.insert(campo, e);
    reglas_.insert(e, {std::move(regla), conserva_rechazado});
    connect(e, &QLineEdit::editingFinished, this, [this, e] { aplique(e); });
    return e;
}

QComboBox* Tfcausacredito::lista(const QString& campo, ClientDataset& prefijos,
                                 std::function<void(const QString&)> regla) {
    auto* c = new QComboBox(this);
    c->setObjectName(campo);
    editores_.insert(campo, c);
    if (prefijos.active()) {
        const int p = prefijos.fieldByName(S("PREF_PRE")).index();
        for (int i = 0; i < prefijos.recordCount(); ++i)
            c->addItem(prefijos.valueAt(i, p).toString().trimmed());
    }
    connect(c, &QComboBox::activated, this, [this, c, regla = std::move(regla)] {
        regla(c->currentText());
        muestre();
    });
    return c;
}

QDateEdit* Tfcausacredito::fecha(const QString& campo, std::function<void(const QDate&)> regla) {
    auto* d = new QDateEdit(this);
    d->setObjectName(campo);
    d->setDisplayFormat(S("yyyy/MM/dd"));
    editores_.insert(campo, d);
    connect(d, &QDateEdit::editingFinished, this, [this, d, regla = std::move(regla)] {
        if (!mostrando_ && d->date() != logica_.campo(d->objectName()).asDate()) {
            regla(d->date());
            muestre();
        }
    });
    return d;
}

void Tfcausacredito::muestre() {
    QScopedValueRollback<bool> callado(mostrando_, true);
    for (auto it = reglas_.cbegin(); it != reglas_.cend(); ++it) {
        QLineEdit* e = it.key();
        e->setText(logica_.campo(e->objectName()).asString().trimmed());
        e->setModified(false);
    }
    for (const char* c : {"CRCX_FECHA", "CRCX_FECCUOTA1"}) {
        auto* d = static_cast<QDateEdit*>(editores_.value(S(c)));
        d->setDate(logica_.campo(S(c)).asDate());
    }
    for (const char* c : {"CRCX_PREF", "CRCX_PREFND", "CRCX_PREFNC"}) {
        auto* l = static_cast<QComboBox*>(editores_.value(S(c)));
        l->setCurrentIndex(l->findText(logica_.campo(S(c)).asString().trimmed()));
    }
    static_cast<QLineEdit*>(editores_.value(S("CRCX_NUMERO")))
        ->setReadOnly(!logica_.numero_editable());
    clase_->setCurrentIndex(clase_->findData(static_cast<int>(logica_.clase())));
    total_->muestre(logica_.campo(S("CRCX_TOTAL")).asCurrency());
    interes_->muestre(logica_.campo(S("CRCX_INTERES")).asCurrency());
    nombre_->setText(logica_.nombre_proveedor());
}

bool Tfcausacredito::aplique(QLineEdit* e) {
    if (mostrando_ || !e->isModified())
        return true;
    const QString tecleado = e->text();
    const Regla regla = reglas_.value(e);
    e->setModified(false);
    rechazo_ = false;
    regla.aplique(tecleado);
    muestre();
    if (!rechazo_)
        return true;
    // Refused: the text stays to be fixed, and is handed over again when
    // the user finishes it or saves.
    if (regla.conserva_rechazado) {
        e->setText(tecleado);
        e->setModified(true);
    }
    e->setFocus();
    return false;
}

bool Tfcausacredito::aplique_pendiente() {
    QWidget* foco = focusWidget();
    if (foco == interes_) {
        rechazo_ = false;
        return interes_->acepte() && !rechazo_;
    }
    auto* e = qobject_cast<QLineEdit*>(foco);
    return !e || !reglas_.contains(e) || aplique(e);
}

void Tfcausacredito::SBGrabarClick() {
    if (!aplique_pendiente())
        return;
    const bool grabado = logica_.grabe();
    muestre();
    // The next credit starts where the clerk types first.
    if (grabado)
        editores_.value(S("CRCX_NIT"))->setFocus();
}

void Tfcausacredito::SBCuotasClick() {
    if (!aplique_pendiente())
        return;
    logica_.calcule_plan();
    muestre();
}

bool Tfcausacredito::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_F3:
            SBCuotasClick();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            return false;
    }
}

bool Tfcausacredito::eventFilter(QObject* watched, QEvent* event) {
    const auto propia = [this](int key) { return tecla(key); };
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_F3, Qt::Key_Escape}, propia))
        return true;
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* k = static_cast<QKeyEvent*>(event);
    auto* e = qobject_cast<QLineEdit*>(watched);
    // "?" typed first in the NIT box opens the supplier chooser.
    if (e && e == editores_.value(S("CRCX_NIT")) && k->text() == S("?") && e->text().isEmpty()) {
        e->setModified(false);
        logica_.cambie_nit(S("?"));
        muestre();
        return true;
    }
    if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && e) {
        // The value goes to its rule first; a refused one keeps the cursor.
        if (aplique_pendiente())
            focusNextChild();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tfcausacredito::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

void Tfcausacredito::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ajuste_al_area(this);
    }
}

}  // namespace ledgrix
