#include "parties/ui/compromisos/tfcompromiso.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QDateEdit* caja_fecha(QWidget* padre) {
    auto* d = new QDateEdit(padre);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    return d;
}

}  // namespace

Tfcompromiso::Tfcompromiso(Tfdm& dm, qint64 id, const QString& nit, QWidget* parent)
    : QDialog(parent), logica_(dm, this) {
    setObjectName(QStringLiteral("Tfcompromiso"));
    setWindowTitle(QStringLiteral("Nuevo Compromiso"));
    abierto_ = logica_.abra(id, nit);
    auto* forma = new QFormLayout(this);
    fecha_ = caja_fecha(this);
    asunto_ = new QLineEdit(this);
    asunto_->setMaxLength(200);
    encargado_ = new QLineEdit(this);
    encargado_->setMaxLength(60);
    recordar_ = new QCheckBox(QStringLiteral("Recordar el"), this);
    fecha_recordar_ = caja_fecha(this);
    cumplido_ = new QCheckBox(QStringLiteral("Cumplido"), this);
    if (abierto_) {
        ClientDataset& d = logica_.datos();
        const auto campo = [&d](const char* n) -> Field& {
            return d.fieldByName(QString::fromLatin1(n));
        };
        forma->addRow(
            QStringLiteral("Proveedor:"),
            new QLabel(campo("COPR_NIT").asString() + QStringLiteral(" - ") + logica_.nombre(),
                       this));
        fecha_->setDate(campo("COPR_FECHA").asDate());
        asunto_->setText(campo("COPR_ASUNTO").asString());
        encargado_->setText(campo("COPR_ENCARGADO").asString());
        recordar_->setChecked(!campo("COPR_RECORDAR").isNull());
        fecha_recordar_->setDate(recordar_->isChecked() ? campo("COPR_RECORDAR").asDate()
                                                        : fecha_->date());
        cumplido_->setChecked(campo("COPR_CUMPLIDO").asString() == QStringLiteral("S"));
    }
    fecha_recordar_->setEnabled(recordar_->isChecked());
    connect(recordar_, &QCheckBox::toggled, fecha_recordar_, &QWidget::setEnabled);
    forma->addRow(QStringLiteral("Fecha:"), fecha_);
    forma->addRow(QStringLiteral("Asunto:"), asunto_);
    forma->addRow(QStringLiteral("Encargado:"), encargado_);
    forma->addRow(recordar_, fecha_recordar_);
    forma->addRow(QString(), cumplido_);
    auto* botones = new QDialogButtonBox(this);
    connect(botones->addButton(QStringLiteral("F2: Grabar"), QDialogButtonBox::AcceptRole),
            &QPushButton::clicked, this, &Tfcompromiso::SBGrabarClick);
    connect(botones->addButton(QStringLiteral("ESC: Salir"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);
    forma->addRow(botones);
    // The date starts at today: the subject is what is typed first.
    asunto_->setFocus();
}

void Tfcompromiso::SBGrabarClick() {
    if (!abierto_)
        return;
    ClientDataset& d = logica_.datos();
    if (d.state() == ClientDataset::State::Browse)
        d.edit();
    const auto asigne = [&d](const char* n, const QVariant& v) {
        d.fieldByName(QString::fromLatin1(n)).setValue(v);
    };
    asigne("COPR_FECHA", fecha_->date());
    asigne("COPR_ASUNTO", asunto_->text().trimmed());
    asigne("COPR_ENCARGADO", encargado_->text().trimmed());
    asigne("COPR_RECORDAR",
           recordar_->isChecked() ? QVariant(fecha_recordar_->date()) : QVariant());
    asigne("COPR_CUMPLIDO", cumplido_->isChecked() ? QStringLiteral("S") : QStringLiteral("N"));
    if (logica_.grabe())
        accept();
}

void Tfcompromiso::keyPressEvent(QKeyEvent* event) {
    // Enter moves on to the next box, as everywhere in the program; only F2
    // stores (a dialog would otherwise press its first button).
    if (event->key() == Qt::Key_F2)
        SBGrabarClick();
    else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
             !qobject_cast<QPushButton*>(focusWidget()))
        focusNextChild();
    else
        QDialog::keyPressEvent(event);
}

}  // namespace ledgrix
