#include "payments/ui/comun/fila_moneda.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "core/ui/campos/campo_monto.h"
#include "payments/ui/comun/enlaces_campos.h"

namespace ledgrix {

FilaMoneda arme_fila_moneda(QWidget* padre, EnlacesCampos& enlaces, const QString& campo_moneda,
                            const QString& campo_tasa, std::function<void(int)> cambie) {
    FilaMoneda f;
    f.fila = new QWidget(padre);
    auto* m = new QHBoxLayout(f.fila);
    m->setContentsMargins(0, 0, 0, 0);
    m->addWidget(new QLabel(QStringLiteral("Moneda:"), f.fila));
    f.moneda = new QComboBox(f.fila);
    f.moneda->setObjectName(campo_moneda);
    QComboBox* lista = f.moneda;
    QObject::connect(lista, &QComboBox::activated, f.fila,
                     [lista, cambie] { cambie(lista->currentData().toInt()); });
    m->addWidget(f.moneda);
    m->addWidget(new QLabel(QStringLiteral("Tasa:"), f.fila));
    CampoMonto* tasa = enlaces.monto(campo_tasa);
    tasa->ancho_de_porcentaje();
    m->addWidget(tasa);
    return f;
}

}  // namespace ledgrix
