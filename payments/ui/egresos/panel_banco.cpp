#include "payments/ui/egresos/panel_banco.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/ui/campos/campo_monto.h"
#include "payments/egresos/medios_pago.h"
#include "payments/ui/comun/enlaces_campos.h"

namespace ledgrix {

namespace {

QString valor(const ClientDataset& ds, const char* campo) {
    if (!ds.active() || ds.isEmpty())
        return {};
    const Field* f = ds.findField(QLatin1String(campo));
    return f && !f->isNull() ? f->asString().trimmed() : QString();
}

}  // namespace

PanelBanco::PanelBanco(Dialogs& dialogs, ClientDataset& banco, MediosPago& medios, QWidget* parent)
    : QFrame(parent), banco_(banco), medios_(medios) {
    setObjectName(QStringLiteral("panel_banco"));
    setFrameShape(QFrame::StyledPanel);
    enlaces_ = new EnlacesCampos(
        dialogs, [this](const QString& campo) -> Field& { return banco_.fieldByName(campo); },
        this);
    connect(enlaces_, &EnlacesCampos::cambiado, this, &PanelBanco::cambiado);

    auto* r = new QGridLayout(this);
    auto* titulo = new QLabel(QStringLiteral("Pago del Banco "), this);
    QFont negrita = titulo->font();
    negrita.setBold(true);
    titulo->setFont(negrita);
    r->addWidget(titulo, 0, 0, 1, 6);

    const auto rotulo = [this, r](const char* texto, int fila, int columna) {
        r->addWidget(new QLabel(QString::fromUtf8(texto), this), fila, columna);
    };
    rotulo("Cuenta:", 1, 0);
    cuenta_ = new QComboBox(this);
    cuenta_->setObjectName(QStringLiteral("CUBA_COD"));
    r->addWidget(cuenta_, 1, 1);
    rotulo("Tipo:", 1, 2);
    tipo_ = new QComboBox(this);
    tipo_->setObjectName(QStringLiteral("EGBC_TIPOBCO"));
    r->addWidget(tipo_, 1, 3);
    rotulo("Prefijo:", 1, 4);
    prefijo_ = new QComboBox(this);
    prefijo_->setObjectName(QStringLiteral("PRBA_PREF"));
    r->addWidget(prefijo_, 1, 5);

    rotulo("Número:", 2, 0);
    r->addWidget(enlaces_->texto(QStringLiteral("EGBC_NUMERO"),
                                 [this](const QString& t) { medios_.cambie_numero_banco(t); }),
                 2, 1);
    rotulo("Fecha:", 2, 2);
    r->addWidget(enlaces_->fecha(QStringLiteral("EGBC_FECHA")), 2, 3);
    rotulo("Valor:", 2, 4);
    r->addWidget(enlaces_->monto(QStringLiteral("EGBC_MONTO")), 2, 5);
    rotulo("Beneficiario:", 3, 0);
    r->addWidget(enlaces_->texto(QStringLiteral("EGBC_BENEF")), 3, 1, 1, 5);
    rotulo("Concepto:", 4, 0);
    r->addWidget(enlaces_->texto(QStringLiteral("EGBC_CONCEPTO")), 4, 1, 1, 5);
    gmf_ = new QCheckBox(QStringLiteral("Cobrar GMF (4 x mil)"), this);
    gmf_->setObjectName(QStringLiteral("EGBC_GMF"));
    r->addWidget(gmf_, 5, 1, 1, 3);
    r->addWidget(new QLabel(QStringLiteral("F2: Continuar    Esc: Cancelar"), this), 5, 4, 1, 2,
                 Qt::AlignRight);
    r->setColumnStretch(1, 1);
    r->setColumnStretch(3, 1);
    r->setRowStretch(6, 1);

    connect(cuenta_, &QComboBox::activated, this, [this] {
        if (mostrando_)
            return;
        medios_.cambie_cuenta_banco(cuenta_->currentData().toString());
        emit cambiado();
    });
    connect(tipo_, &QComboBox::activated, this, [this] {
        if (mostrando_)
            return;
        medios_.cambie_tipo_banco(tipo_->currentText());
        emit cambiado();
    });
    connect(prefijo_, &QComboBox::activated, this, [this] {
        if (mostrando_)
            return;
        medios_.cambie_prefijo_banco(prefijo_->currentText());
        emit cambiado();
    });
    connect(gmf_, &QCheckBox::clicked, this, [this](bool marcado) {
        if (mostrando_ || !banco_.active() || banco_.isEmpty())
            return;
        banco_.fieldByName(QStringLiteral("EGBC_GMF"))
            .setValue(marcado ? QStringLiteral("S") : QStringLiteral("N"));
        emit cambiado();
    });
}

void PanelBanco::llene_cuentas() {
    QScopedValueRollback<bool> callado(mostrando_, true);
    cuenta_->clear();
    ClientDataset& cuentas = medios_.cuentas_banco();
    const Field* cod = cuentas.findField(QStringLiteral("CUBA_COD"));
    const Field* num = cuentas.findField(QStringLiteral("CUBA_NUMERO"));
    if (!cod)
        return;
    for (int i = 0; i < cuentas.recordCount(); ++i) {
        const QString codigo = cuentas.valueAt(i, cod->index()).toString().trimmed();
        const QString numero =
            num ? cuentas.valueAt(i, num->index()).toString().trimmed() : QString();
        cuenta_->addItem(numero.isEmpty() ? codigo : codigo + QStringLiteral(" - ") + numero,
                         codigo);
    }
}

void PanelBanco::llene(QComboBox* combo, const QStringList& textos, const QString& actual) {
    QStringList tenia;
    for (int i = 0; i < combo->count(); ++i)
        tenia << combo->itemText(i);
    if (tenia != textos) {
        combo->clear();
        combo->addItems(textos);
    }
    combo->setCurrentIndex(combo->findText(actual));
}

void PanelBanco::muestre() {
    QScopedValueRollback<bool> callado(mostrando_, true);
    const bool linea = banco_.active() && !banco_.isEmpty();
    enlaces_->set_activo(linea);
    if (!linea)
        return;
    enlaces_->muestre();
    cuenta_->setCurrentIndex(cuenta_->findData(valor(banco_, "CUBA_COD")));
    // The bank document types are named as their document types are.
    const QString tipo = valor(banco_, "EGBC_TIPOBCO") == QLatin1String("73")
                             ? QStringLiteral("RETIRO")
                             : QStringLiteral("CHEQUE");
    llene(tipo_, medios_.tipos_banco(), tipo);
    llene(prefijo_, medios_.prefijos_banco(), valor(banco_, "PRBA_PREF"));
    enlaces_->editor(QStringLiteral("EGBC_NUMERO"))->setReadOnly(!medios_.numero_banco_editable());
    gmf_->setChecked(valor(banco_, "EGBC_GMF") == QLatin1String("S"));
}

void PanelBanco::enfoque() {
    QLineEdit* numero = enlaces_->editor(QStringLiteral("EGBC_NUMERO"));
    if (numero->isReadOnly())
        enlaces_->editor(QStringLiteral("EGBC_MONTO"))->setFocus();
    else
        numero->setFocus();
}

}  // namespace ledgrix
