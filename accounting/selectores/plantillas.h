#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace ledgrix {

class Tfdm;

// What the template chooser works on: the stored voucher templates of one
// accounting voucher type, narrowed by a search text. The chooser ends with
// 1 when the user confirmed a line, whose PLAN_ID `elegido` then gives.
class SelectorPlantillas {
public:
    struct Plantilla {
        qint64 id = 0;
        QString tipo;
        QString prefijo;
        QString concepto;
        QString referencia;
        QString usuario;
    };

    explicit SelectorPlantillas(Tfdm& dm) : dm_(dm) {}

    // Reads the templates of the voucher type; the search is kept.
    void cargue(const QString& tipo_comprobante);
    const QString& tipo() const { return tipo_; }
    const std::vector<Plantilla>& lineas() const { return lineas_; }
    // Lines whose concept, reference, prefix or id contain the text (any
    // case); the first of them becomes current.
    void busque(const QString& texto);
    const QString& texto() const { return texto_; }
    // Positions in lines() of the lines that pass the search.
    const std::vector<int>& visibles() const { return visibles_; }
    // The line (a position in lines()) the user is on; -1 when none.
    void elija(int linea);
    int actual() const { return actual_; }
    // The template chosen when the chooser ended with `resultado` 1.
    std::optional<qint64> elegido(int resultado) const;

private:
    Tfdm& dm_;
    QString tipo_;
    QString texto_;
    std::vector<Plantilla> lineas_;
    std::vector<int> visibles_;
    int actual_ = -1;
};

}  // namespace ledgrix
