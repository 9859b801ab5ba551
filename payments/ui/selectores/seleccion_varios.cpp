#include "payments/ui/selectores/seleccion_varios.h"

#include <algorithm>

namespace ledgrix {

void SeleccionVarios::agregue(const QStringList& textos) {
    textos_.push_back(textos);
    visibles_.push_back(static_cast<int>(textos_.size()) - 1);
}

void SeleccionVarios::vacie() {
    textos_.clear();
    visibles_.clear();
}

void SeleccionVarios::busque(const QString& texto) {
    const QString t = texto.trimmed();
    visibles_.clear();
    for (int i = 0; i < cuantas(); ++i) {
        const QStringList& linea = textos_[static_cast<size_t>(i)];
        const bool pasa =
            t.isEmpty() || std::any_of(linea.begin(), linea.end(), [&t](const QString& v) {
                return v.contains(t, Qt::CaseInsensitive);
            });
        if (pasa)
            visibles_.push_back(i);
    }
}

std::vector<QStringList> SeleccionVarios::filas() const {
    std::vector<QStringList> r;
    for (const int i : visibles_)
        r.push_back(textos_[static_cast<size_t>(i)]);
    return r;
}

bool SeleccionVarios::entregue(const QList<int>& filas) {
    std::vector<int> lineas;
    for (const int f : filas)
        if (f >= 0 && f < static_cast<int>(visibles_.size()))
            lineas.push_back(visibles_[static_cast<size_t>(f)]);
    std::sort(lineas.begin(), lineas.end());
    lineas.erase(std::unique(lineas.begin(), lineas.end()), lineas.end());
    return !lineas.empty() && entregue_lineas(lineas);
}

}  // namespace ledgrix
