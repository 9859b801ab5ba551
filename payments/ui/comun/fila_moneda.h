#pragma once

#include <QString>
#include <functional>

class QComboBox;
class QWidget;

namespace ledgrix {

class EnlacesCampos;

// The "Moneda:" list and the "Tasa:" box of a document's header, shown only
// where the company asks for currencies. `cambie` gets the currency chosen.
struct FilaMoneda {
    QWidget* fila = nullptr;
    QComboBox* moneda = nullptr;
};
FilaMoneda arme_fila_moneda(QWidget* padre, EnlacesCampos& enlaces, const QString& campo_moneda,
                            const QString& campo_tasa, std::function<void(int)> cambie);

}  // namespace ledgrix
