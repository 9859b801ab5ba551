#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace ledgrix {

class Tfdm;

// What the third-party chooser works on: third parties whose NIT or name
// contains the search text (any case). The chooser ends with 1 when the user
// confirmed a line, which `elegido` then names; 0 when he chose none.
class SelectorTerceros {
public:
    struct Tercero {
        QString nit;
        QString nombre;
    };

    explicit SelectorTerceros(Tfdm& dm) : dm_(dm) {}

    // Reads the third parties matching the text (all when empty), by name;
    // the first one becomes current.
    void busque(const QString& texto);
    const QString& texto() const { return texto_; }
    const std::vector<Tercero>& lineas() const { return lineas_; }
    // The line the user is on; -1 with an empty list.
    void elija(int linea);
    int actual() const { return actual_; }
    // The NIT chosen when the chooser ended with `resultado` 1.
    std::optional<QString> elegido(int resultado) const;

private:
    Tfdm& dm_;
    QString texto_;
    std::vector<Tercero> lineas_;
    int actual_ = -1;
};

}  // namespace ledgrix
