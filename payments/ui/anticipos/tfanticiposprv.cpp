#include "payments/ui/anticipos/tfanticiposprv.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/teclas_ventana.h"
#include "payments/ui/comun/enlaces_campos.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfanticiposprv::Tfanticiposprv(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(dm, this) {
    setObjectName(S("Tfanticiposprv"));
    setWindowTitle(S("Anticipos a Proveedor"));
    dm_.documentos_seleccionados.clear();
    enlaces_ = new EnlacesCampos(
        dm.dialogs(), [this](const QString& c) -> Field& { return logica_.campo(c); }, this);
    using P = Anticipo::Porcentaje;
    const auto porcentaje = [this](P p) {
        return [this, p](Currency v) { logica_.cambie_porcentaje(p, v); };
    };
    auto* forma = new QFormLayout;
    prefijo_ = new QComboBox(this);
    forma->addRow(S("Prefijo:"), prefijo_);
    forma->addRow(S("Número:"), enlaces_->texto(S("ANPR_NUMERO"), [this](const QString& t) {
        logica_.cambie_numero(t);
    }));
    forma->addRow(S("Fecha:"), enlaces_->fecha(S("ANPR_FECHA"), [this](const QDate& d) {
        logica_.cambie_fecha(d);
    }));
    forma->addRow(S("Nit:"), enlaces_->texto(S("TERC_NIT"),
                                             [this](const QString& t) { logica_.cambie_nit(t); }));
    nombre_ = new QLabel(this);
    forma->addRow(QString(), nombre_);
    forma->addRow(S("Concepto:"), enlaces_->texto(S("ANPR_CONC")));
    forma->addRow(S("Monto:"),
                  enlaces_->monto(S("ANPR_BASE"), [this](Currency v) { logica_.cambie_base(v); }));
    forma->addRow(S("% IVA:"), enlaces_->monto(S("ANPR_IVAPORC"), porcentaje(P::Iva)));
    forma->addRow(S("% Retención en la fuente:"),
                  enlaces_->monto(S("ANPR_RTFTEPORC"), porcentaje(P::Fuente)));
    forma->addRow(S("% Retención de IVA:"),
                  enlaces_->monto(S("ANPR_RTIVAPORC"), porcentaje(P::RetIva)));
    forma->addRow(S("% Retención de ICA:"),
                  enlaces_->monto(S("ANPR_RTICAPORC"), porcentaje(P::Ica)));
    forma->addRow(S("% Descuento:"),
                  enlaces_->monto(S("ANPR_DTOFPORC"), porcentaje(P::DescuentoPP)));
    totales_ = new QLabel(this);
    forma->addRow(QString(), totales_);
    auto* caja = new QVBoxLayout(this);
    caja->addLayout(forma);
    auto* botones = new QHBoxLayout;
    auto* grabar = new QPushButton(S("F2:Grabar"), this);
    auto* cancelar = new QPushButton(S("Esc:Cancelar"), this);
    botones->addWidget(grabar);
    botones->addWidget(cancelar);
    caja->addLayout(botones);
    connect(grabar, &QPushButton::clicked, this, [this] { SBGrabarClick(); });
    connect(cancelar, &QPushButton::clicked, this, &QWidget::close);
    connect(enlaces_, &EnlacesCampos::cambiado, this, [this] { muestre(); });
    connect(&logica_, &Anticipo::enfoque, this, [this](const QString& c) {
        if (QWidget* w = enlaces_->widget(c))
            w->setFocus();
    });
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    if (!logica_.abra()) {
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    const ClientDataset& prefijos = logica_.prefijos();
    for (int i = 0; i < prefijos.recordCount(); ++i)
        prefijo_->addItem(
            prefijos.valueAt(i, prefijos.fieldByName(S("PREF_PRE")).index()).toString());
    prefijo_->setCurrentText(logica_.campo(S("PREF_PRE")).asString());
    connect(prefijo_, &QComboBox::currentTextChanged, this, [this](const QString& p) {
        logica_.cambie_prefijo(p);
        muestre();
    });
    enlaces_->set_activo(true);
    muestre();
    enlaces_->widget(S("ANPR_BASE"))->setFocus();
}

void Tfanticiposprv::muestre() {
    enlaces_->muestre();
    enlaces_->editor(S("ANPR_NUMERO"))->setReadOnly(!logica_.numero_editable());
    enlaces_->widget(S("ANPR_FECHA"))->setEnabled(logica_.fecha_editable());
    nombre_->setText(logica_.nombre_proveedor());
    const FormatoNumero& f = FormatoNumero::instalacion();
    totales_->setText(S("Total: ") + f.escriba(logica_.totalconiva()) + S("   Neto: ") +
                      f.escriba(logica_.total()));
}

void Tfanticiposprv::SBGrabarClick() {
    if (!enlaces_->aplique_pendientes())
        return;
    if (logica_.grabe())
        close();
    else
        muestre();
}

bool Tfanticiposprv::tecla(int key, QObject* watched) {
    if (key == Qt::Key_F2) {
        SBGrabarClick();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !watched)
        return false;
    if (enlaces_->acepte(watched))
        focusNextChild();
    return true;
}

bool Tfanticiposprv::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && tecla(key, watched))
            return true;
    }
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_Escape},
                             [this, watched](int k) { return tecla(k, watched); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfanticiposprv::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key(), nullptr))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
