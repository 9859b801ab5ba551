#include "payments/ui/comun/boton_tecla.h"

#include <QBoxLayout>
#include <QPushButton>

namespace ledgrix {

QPushButton* boton_tecla(QWidget* padre, QBoxLayout* fila, const QString& texto, QObject* contexto,
                         std::function<void()> accion) {
    auto* b = new QPushButton(texto, padre);
    b->setFocusPolicy(Qt::NoFocus);
    QObject::connect(b, &QPushButton::clicked, contexto, std::move(accion));
    fila->addWidget(b);
    return b;
}

}  // namespace ledgrix
