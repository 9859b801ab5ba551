#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace ledgrix {

class Tfdm;

// One line of the cost structure: a project, one of its centres and one of
// the centre's sub-centres (the centre and sub-centre may be missing).
struct CentroCosto {
    QString proyecto;
    QString nombre_proyecto;
    QString centro;
    QString nombre_centro;
    QString subcentro;
    QString nombre_subcentro;
};

// What the cost-centre picker works on: every project, centre and sub-centre
// with their names, narrowed by a search text. The picker answers the line
// chosen as `resultado(linea)` (0 = nothing chosen), so that whoever opened
// it gets the codes back with `elegido`.
class SelectorCentros {
public:
    explicit SelectorCentros(Tfdm& dm);

    // Reads the structure again. Centres of another agency are left out when
    // the accounting configuration asks to filter them by agency.
    void cargue();
    bool filtra_por_agencia() const { return por_agencia_; }

    const std::vector<CentroCosto>& lineas() const { return lineas_; }
    // Lines whose codes or names contain the text (any case); all when empty.
    void busque(const QString& texto);
    const QString& texto() const { return texto_; }
    // Positions in lines() of the lines that pass the search.
    const std::vector<int>& visibles() const { return visibles_; }

    static int resultado(int linea) { return linea + 1; }
    std::optional<CentroCosto> elegido(int resultado) const;

private:
    Tfdm& dm_;
    bool por_agencia_ = false;
    std::vector<CentroCosto> lineas_;
    std::vector<int> visibles_;
    QString texto_;
};

}  // namespace ledgrix
