#pragma once

#include <functional>

#include "core/ui/lista/tflista.h"

namespace ledgrix {

class ClientDataset;

// What the evaluation's grid editors share: cells edited in place, Ins adds
// a row and Supr deletes the one under the cursor (both pending until F2
// stores), the grid's print and save-selection buttons, F2 and Esc. Leaving
// the window drops whatever was not stored.
class TfgrillaEditable : public Tflista {
    Q_OBJECT
  protected:
    struct Acciones {
        std::function<bool()> grabe;
        std::function<void()> cancele;
    };
    TfgrillaEditable(Tfdm& dm, const QString& clase, const QString& titulo,
                     const QString& exportacion, QWidget* parent);
    // The rows edited and what F2 and Esc do with them.
    void edite(ClientDataset& filas, Acciones acciones);

    void closeEvent(QCloseEvent* event) override;

  private:
    Acciones acciones_;
};

}  // namespace ledgrix
