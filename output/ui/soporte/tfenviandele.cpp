#include "output/ui/soporte/tfenviandele.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/teclas_ventana.h"
#include "output/soporte/envio_lote.h"

namespace ledgrix {

Tfenviandele::Tfenviandele(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(new EnvioLote(dm)) {
    setObjectName(QStringLiteral("Tfenviandele"));
    setWindowTitle(QStringLiteral("Enviar Documento Soporte electrónico"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* caja = new QVBoxLayout(this);
    caja->addWidget(new QLabel(
        QStringLiteral("Presione F2 para enviar las facturas del rango indicado"), this));
    auto* datos = new QGridLayout;
    documento_ = new QComboBox(this);
    documento_->setObjectName(QStringLiteral("documento"));
    documento_->addItems(EnvioLote::documentos());
    prefijo_ = new QComboBox(this);
    prefijo_->setObjectName(QStringLiteral("prefijo"));
    const auto numero = [this](const char* nombre) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nombre));
        e->setMaxLength(6);
        e->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), e));
        return e;
    };
    desde_ = numero("desde");
    hasta_ = numero("hasta");
    datos->addWidget(new QLabel(QStringLiteral("Documento:"), this), 0, 0);
    datos->addWidget(documento_, 0, 1, 1, 3);
    datos->addWidget(new QLabel(QStringLiteral("Prefijo:"), this), 1, 0);
    datos->addWidget(prefijo_, 1, 1);
    datos->addWidget(new QLabel(QStringLiteral("Desde:"), this), 2, 0);
    datos->addWidget(desde_, 2, 1);
    datos->addWidget(new QLabel(QStringLiteral("Hasta:"), this), 2, 2);
    datos->addWidget(hasta_, 2, 3);
    caja->addLayout(datos);
    avance_ = new QLabel(this);
    avance_->setObjectName(QStringLiteral("avance"));
    caja->addWidget(avance_);
    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    auto* enviar = new QPushButton(QStringLiteral("F2: Enviar"), this);
    auto* salir = new QPushButton(QStringLiteral("Esc:Salir"), this);
    for (QPushButton* b : {enviar, salir}) {
        b->setFocusPolicy(Qt::NoFocus);
        barra->addWidget(b);
    }
    caja->addLayout(barra);
    connect(enviar, &QPushButton::clicked, this, &Tfenviandele::SBEnviarClick);
    connect(salir, &QPushButton::clicked, this, &QWidget::close);
    connect(documento_, &QComboBox::currentIndexChanged, this, &Tfenviandele::llene_prefijos);
    logica_->avance = [this](const QString& texto) {
        avance_->setText(texto);
        avance_->repaint();
    };
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    llene_prefijos();
}

Tfenviandele::~Tfenviandele() {
    delete logica_;
}

void Tfenviandele::llene_prefijos() {
    prefijo_->clear();
    prefijo_->addItems(logica_->prefijos(documento_->currentIndex() == 0
                                             ? EnvioLote::Documento::Cargos
                                             : EnvioLote::Documento::Descuentos));
}

void Tfenviandele::SBEnviarClick() {
    const QString desde = desde_->text().trimmed();
    const QString hasta = hasta_->text().trimmed();
    if (prefijo_->currentText().isEmpty() || desde.isEmpty() || hasta.isEmpty()) {
        dm_.dialogs().error(QStringLiteral("Indique el prefijo y el rango de números a enviar."));
        return;
    }
    // Numbers are stored with six digits.
    const auto seis = [](const QString& n) { return n.rightJustified(6, QLatin1Char('0')); };
    if (seis(hasta) < seis(desde)) {
        dm_.dialogs().error(QStringLiteral("El número final es menor que el inicial."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    logica_->envie(documento_->currentIndex() == 0 ? EnvioLote::Documento::Cargos
                                                   : EnvioLote::Documento::Descuentos,
                   prefijo_->currentText(), seis(desde), seis(hasta));
    QApplication::restoreOverrideCursor();
    close();
}

bool Tfenviandele::eventFilter(QObject* watched, QEvent* event) {
    const auto tecla = [this](int key) {
        if (key == Qt::Key_F2)
            SBEnviarClick();
        else
            close();
        return true;
    };
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_Escape}, tecla))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfenviandele::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        centre_en_area(this, 135, 140);
        documento_->setFocus();
    }
}

}  // namespace ledgrix
