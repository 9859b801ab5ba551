#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

#include "payments/anticipos/consulta_anticipo.h"

class QGridLayout;
class QLineEdit;

namespace ledgrix {

class Tfdm;

// "Consulta de Anticipo": the advance left in dm.documento_consultado,
// read-only, with its amounts and the voucher that paid it out. F2 prints
// it, F12 opens its payment history, Esc closes.
class Tfconsanticipo : public QWidget {
    Q_OBJECT
  public:
    explicit Tfconsanticipo(Tfdm& dm, QWidget* parent = nullptr);

    ConsultaAnticipo& logica() { return logica_; }
    // The box showing a field (or "total", "totalconiva"); null if none.
    QLineEdit* valor(const QString& nombre) const;

    void SBImprimirClick();
    void SBAbonosClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool tecla(int key);
    QLineEdit* caja(QGridLayout* rejilla, int fila, int columna, const QString& etiqueta,
                    const QString& nombre, const QString& texto);
    void muestre(QGridLayout* rejilla);

    Tfdm& dm_;
    ConsultaAnticipo logica_;
    QHash<int, std::function<void()>> teclas_;
};

}  // namespace ledgrix
