#include "output/ui/mantenimiento/tfmoverforma.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ledgrix {

TFmoverforma::TFmoverforma(Tfdm& dm, int tipo, const QString& prefijo, QWidget* parent)
    : QDialog(parent), logica_(dm, tipo, prefijo) {
    setObjectName(QStringLiteral("TFmoverforma"));
    setWindowTitle(QStringLiteral("Mover Formato"));
    auto* caja = new QVBoxLayout(this);
    auto* numeros = new QFormLayout;
    const auto campo = [this, numeros](const QString& rotulo, const char* nombre) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nombre));
        e->setValidator(new QIntValidator(0, 99999, e));
        e->installEventFilter(this);
        numeros->addRow(rotulo, e);
        return e;
    };
    posiciones_ = campo(QStringLiteral("Numero de posiciones:"), "posiciones");
    desde_ = campo(QStringLiteral("Empezando en:"), "desde");
    hasta_ = campo(QStringLiteral("Terminando en:"), "hasta");
    caja->addLayout(numeros);

    auto* grupo = new QGroupBox(this);
    auto* opciones = new QVBoxLayout(grupo);
    for (const auto& a : MoverFormato::acciones()) {
        auto* r = new QRadioButton(a.titulo, grupo);
        r->setProperty("accion", QString(a.letra));
        r->installEventFilter(this);
        opciones->addWidget(r);
        acciones_ << r;
        connect(r, &QRadioButton::toggled, this, [this](bool si) {
            if (si)
                accion_elegida();
        });
    }
    acciones_.first()->setChecked(true);
    caja->addWidget(grupo);

    auto* abajo = new QHBoxLayout;
    auto* grabar = new QPushButton(QStringLiteral("F2: Grabar"), this);
    auto* salir = new QPushButton(QStringLiteral("ESC:Salir"), this);
    for (QPushButton* b : {grabar, salir}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    abajo->addStretch(1);
    abajo->addWidget(grabar);
    abajo->addWidget(salir);
    caja->addLayout(abajo);
    connect(grabar, &QPushButton::clicked, this, &TFmoverforma::SBGrabarClick);
    connect(salir, &QPushButton::clicked, this, &TFmoverforma::reject);
}

void TFmoverforma::accion_elegida() {
    for (QRadioButton* r : acciones_)
        if (r->isChecked()) {
            const bool numeros = MoverFormato::usa_numeros(r->property("accion").toString().at(0));
            for (QLineEdit* e : {posiciones_, desde_, hasta_}) {
                if (!numeros)
                    e->clear();
                e->setEnabled(numeros);
            }
        }
}

void TFmoverforma::SBGrabarClick() {
    QChar letra;
    for (QRadioButton* r : acciones_)
        if (r->isChecked())
            letra = r->property("accion").toString().at(0);
    if (logica_.ejecute(letra, posiciones_->text(), desde_->text(), hasta_->text()))
        accept();
}

bool TFmoverforma::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F2 || key == Qt::Key_Escape) {
            if (event->type() == QEvent::KeyPress) {
                if (key == Qt::Key_F2)
                    SBGrabarClick();
                else
                    reject();
            }
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
