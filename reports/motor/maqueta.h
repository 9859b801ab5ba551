#pragma once

#include <QSet>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

#include "core/money/currency.h"
#include "reports/motor/proyecto.h"

namespace ledgrix {

class FuenteReporte;

// One band placed on a page: which band, where (mm from the paper's top),
// the row its fields read (-1: none) and, for bands with sums or counts, where
// their values start in Maqueta::valores (one per such element, in order).
struct BandaColocada {
    int banda = 0;
    float y = 0;
    int fila = -1;
    int valores = -1;
};

// The pages of a report over its rows, computed before anything is painted
// so that every page knows how many there are. Kept small per row: a 100,000
// row report is a few megabytes of these.
struct Maqueta {
    std::vector<BandaColocada> bandas;
    std::vector<size_t> inicio_pagina;  // first band of each page in `bandas`
    std::vector<Currency> valores;

    int paginas() const { return static_cast<int>(inicio_pagina.size()); }
    size_t fin_pagina(int pagina) const {
        return pagina + 1 < paginas() ? inicio_pagina[static_cast<size_t>(pagina) + 1]
                                      : bandas.size();
    }
};

// Lays the rows out on paper of `papel` (mm, as oriented). nullopt with a
// Spanish message when a band names a column the rows do not have.
std::optional<Maqueta> maquete(const DefinicionReporte& def, const QSet<QString>& suprimidas,
                               const FuenteReporte& fuente, QSizeF papel, QString* error);

// Sums of a column read as money whatever form the rows hold it in.
Currency como_monto(const QVariant& v);

}  // namespace ledgrix
