#include "maintenance/ui/cambios/tfcambiaretes.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/money/formato_numero.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/ui/progreso_en_ventana.h"

namespace ledgrix {

Tfcambiaretes::Tfcambiaretes(Tfdm& dm, QWidget* parent)
    : VentanaMantenimiento(QStringLiteral("Tfcambiaretes"),
                           QStringLiteral("Cambiar retenciones acreedores"), parent),
      dm_(dm),
      logica_(dm) {
    auto* caja = new QVBoxLayout(this);
    auto* tabla = new QGridLayout;
    tabla->addWidget(new QLabel(QStringLiteral("Valor actual"), this), 0, 1);
    tabla->addWidget(new QLabel(QStringLiteral("Valor nuevo"), this), 0, 2);
    const QString ejemplo = FormatoNumero::instalacion().ejemplo();
    for (int i = 0; i < CambioRetenciones::kPares; ++i) {
        tabla->addWidget(
            new QLabel(CambioRetenciones::nombre(static_cast<CambioRetenciones::Par>(i)) +
                           QStringLiteral(":"),
                       this),
            i + 1, 0);
        anteriores_[i] = new QLineEdit(this);
        nuevos_[i] = new QLineEdit(this);
        for (QLineEdit* e : {anteriores_[i], nuevos_[i]}) {
            e->setAlignment(Qt::AlignRight);
            e->setPlaceholderText(ejemplo);
        }
        tabla->addWidget(anteriores_[i], i + 1, 1);
        tabla->addWidget(nuevos_[i], i + 1, 2);
    }
    caja->addLayout(tabla);

    progreso_texto_ = new QLabel(this);
    progreso_texto_->hide();
    progreso_ = std::make_unique<ProgresoEnVentana>(progreso_texto_, nullptr);
    caja->addWidget(progreso_texto_);

    termine(caja, {{Qt::Key_F2, QStringLiteral("F2: Grabar"), [this] { SBGrabarClick(); }}},
            anteriores_[0]);
}

Tfcambiaretes::~Tfcambiaretes() = default;

void Tfcambiaretes::SBGrabarClick() {
    for (int i = 0; i < CambioRetenciones::kPares; ++i)
        logica_.pares[i] = {anteriores_[i]->text(), nuevos_[i]->text()};
    const bool hecho = logica_.grabe(*progreso_);
    progreso_texto_->hide();
    if (hecho)
        dm_.dialogs().information(QStringLiteral("Retenciones de los acreedores cambiadas."));
}

}  // namespace ledgrix
