#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace ledgrix {

class Tfdm;

struct CuentaContable {
    QString codigo;
    QString nombre;
};

// What the chart-of-accounts chooser works on: the active accounts of the
// local or the NIIF chart whose code or name contains a search text (any
// case). The chooser ends with 1 when the user confirmed a line, which
// `elegida` then names.
class SelectorCuentas {
  public:
    // Runs the chooser window over the selector; answers its result code.
    using Ventana = std::function<int(SelectorCuentas&)>;

    SelectorCuentas(Tfdm& dm, bool niif = false) : dm_(dm), niif_(niif) {}

    bool niif() const { return niif_; }
    // Reads the accounts matching the text; the first one becomes current.
    void busque(const QString& texto);
    const QString& texto() const { return texto_; }
    const std::vector<CuentaContable>& lineas() const { return lineas_; }
    // The line the user is on; -1 with an empty list.
    void elija(int linea);
    int actual() const { return actual_; }
    QString elegida() const;

    // Opens the chooser with the text; the code confirmed, empty when
    // cancelled or nothing matched.
    QString pregunte(const QString& texto);

    static void instale_ventana(Ventana ventana);

  private:
    Tfdm& dm_;
    bool niif_;
    QString texto_;
    std::vector<CuentaContable> lineas_;
    int actual_ = -1;
};

}  // namespace ledgrix
