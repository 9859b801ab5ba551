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
// in a grid under them. F2 saves, F3 computes the plan, Esc leaves; "?"
// typed first in the NIT box opens the supplier chooser.
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

  private:
    QLineEdit* texto(const QString& campo, std::function<void(const QString&)> regla);
    QComboBox* lista(const QString& campo, ClientDataset& prefijos,
                     std::function<void(const QString&)> regla);
    QDateEdit* fecha(const QString& campo, std::function<void(const QDate&)> regla);
    // What is typed in the focused box and not handed over yet.
    void aplique_pendiente();
    void muestre();

    Tfdm& dm_;
    CausacionCredito logica_;
    QHash<QString, QWidget*> editores_;
    QHash<QLineEdit*, std::function<void(const QString&)>> reglas_;
    QComboBox* clase_ = nullptr;
    CampoMonto* total_ = nullptr;
    CampoMonto* interes_ = nullptr;
    QLabel* nombre_ = nullptr;
    LedgrixGrid* plan_ = nullptr;
    bool mostrando_ = false;
};

}  // namespace ledgrix
