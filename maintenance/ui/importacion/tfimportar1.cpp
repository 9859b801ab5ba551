#include "maintenance/ui/importacion/tfimportar1.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/teclas_ventana.h"
#include "maintenance/importacion/asistente_importacion.h"
#include "maintenance/ui/importacion/tfimportar2.h"
#include "maintenance/ui/importacion/tfimportar3.h"

namespace ledgrix {

using importacion::AsistenteImportacion;
using S = QString;

Tfimportar1::Tfimportar1(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), asistente_(std::make_unique<AsistenteImportacion>(dm)) {
    setObjectName(S("Tfimportar1"));
    setWindowTitle(S("Importar datos"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Room for the layout and the preview side by side in the last step;
    // the work area bounds it on a small screen.
    setMinimumSize(900, 560);

    auto* caja = new QVBoxLayout(this);
    pasos_ = new QStackedWidget(this);
    caja->addWidget(pasos_, 1);

    auto* primero = new QWidget(pasos_);
    auto* c1 = new QVBoxLayout(primero);
    c1->addWidget(new QLabel(S("Paso 1: qué datos trae el archivo."), primero));
    auto* grupo = new QGroupBox(S("Importar: "), primero);
    auto* g = new QVBoxLayout(grupo);
    for (const QString& texto : AsistenteImportacion::clases()) {
        auto* r = new QRadioButton(texto, grupo);
        g->addWidget(r);
        clases_.append(r);
    }
    clases_.front()->setChecked(true);
    c1->addWidget(grupo);
    c1->addStretch(1);
    pasos_->addWidget(primero);
    paso2_ = new Tfimportar2(dm, *asistente_, pasos_);
    pasos_->addWidget(paso2_);
    paso3_ = new Tfimportar3(dm, *asistente_, pasos_);
    pasos_->addWidget(paso3_);

    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    atras_ = new QPushButton(S("Esc: Salir"), this);
    adelante_ = new QPushButton(S("F5: Siguiente"), this);
    for (QPushButton* b : {atras_, adelante_}) {
        b->setFocusPolicy(Qt::NoFocus);
        barra->addWidget(b);
    }
    caja->addLayout(barra);
    connect(atras_, &QPushButton::clicked, this, &Tfimportar1::anterior);
    connect(adelante_, &QPushButton::clicked, this, &Tfimportar1::siguiente);

    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

Tfimportar1::~Tfimportar1() = default;

int Tfimportar1::paso() const {
    return pasos_->currentIndex() + 1;
}

void Tfimportar1::vaya(int paso) {
    pasos_->setCurrentIndex(paso - 1);
    // The keys say what they do in this step.
    atras_->setText(paso == 1 ? S("Esc: Salir") : S("Esc: Atrás"));
    adelante_->setText(paso == 3 ? S("F2: Importar") : S("F5: Siguiente"));
    if (paso == 1)
        clases_.front()->setFocus();
    else if (paso == 2)
        paso2_->enfoque();
    else
        paso3_->enfoque();
}

void Tfimportar1::siguiente() {
    switch (paso()) {
        case 1:
            for (int i = 0; i < clases_.size(); ++i)
                if (clases_[i]->isChecked())
                    asistente_->elija_clase(i);
            vaya(2);
            break;
        case 2:
            if (paso2_->acepte()) {
                paso3_->muestre_disposicion();
                vaya(3);
            }
            break;
        default:
            paso3_->importe();
            break;
    }
}

void Tfimportar1::anterior() {
    if (paso3_->importando()) {
        paso3_->cancele();
        return;
    }
    if (paso() == 1)
        close();
    else
        vaya(paso() - 1);
}

bool Tfimportar1::eventFilter(QObject* watched, QEvent* event) {
    const auto tecla = [this](int key) {
        if (key == Qt::Key_Escape)
            anterior();
        else if (!paso3_->importando() && (key == Qt::Key_F2 || paso() < 3))
            siguiente();
        return true;
    };
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_F5, Qt::Key_Escape}, tecla))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfimportar1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ajuste_al_area(this);
        vaya(1);
    }
}

// A run holds the window until it ends or the user stops it.
void Tfimportar1::closeEvent(QCloseEvent* event) {
    if (paso3_->importando()) {
        paso3_->cancele();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace ledgrix
