#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

#include "payables/creditos/causacion_credito.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace ledgrix {

class CampoMonto;
class LedgrixGrid;
class Tfdm;

// "Causar Crédito": the boxes of one credit payable over its logic, the plan
// in a grid under them. F2 saves, F3 computes the plan, Esc leaves, from any
// box; Enter hands the box's value over and moves on unless it was refused.
// "?" typed first in the NIT box opens the supplier chooser.
class Tfcausacredito : public QWidget {
    Q_OBJECT
  public:
    explicit Tfcausacredito(Tfdm& dm, QWidget* parent = nullptr);

    CausacionCredito& logica() { return logica_; }
    QWidget* editor(const QString& campo) const { return editores_.value(campo); }
    LedgrixGrid* plan() const { return plan_; }

    void SBGrabarClick();
    void SBCuotasClick();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Regla {
        std::function<void(const QString&)> aplique;
        bool conserva_rechazado = true;  // a refused text stays in the box
    };

    QLineEdit* texto(const QString& campo, std::function<void(const QString&)> regla,
                     bool conserva_rechazado = true);
    QComboBox* lista(const QString& campo, ClientDataset& prefijos,
                     std::function<void(const QString&)> regla);
    QDateEdit* fecha(const QString& campo, std::function<void(const QDate&)> regla);
    // Hands a box's typed text to its rule; false when the rule refused it
    // (the user was told, the cursor is there).
    bool aplique(QLineEdit* e);
    // The same for the focused box, amounts included.
    bool aplique_pendiente();
    bool tecla(int key);
    void muestre();

    Tfdm& dm_;
    CausacionCredito logica_;
    QHash<QString, QWidget*> editores_;
    QHash<QLineEdit*, Regla> reglas_;
    QComboBox* clase_ = nullptr;
    CampoMonto* total_ = nullptr;
    CampoMonto* interes_ = nullptr;
    QLabel* nombre_ = nullptr;
    LedgrixGrid* plan_ = nullptr;
    bool mostrando_ = false;
    bool rechazo_ = false;  // the logic sent the cursor back to a box it refused
    bool ubicada_ = false;
};

}  // namespace ledgrix
