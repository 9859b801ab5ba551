#pragma once

#include <QWidget>

#include "payments/egresos/egreso.h"

namespace ledgrix {

class Tfdm;

// "Egresos": one payment voucher at a time over the Egreso logic.
class Tfegresos : public QWidget {
    Q_OBJECT
  public:
    explicit Tfegresos(Tfdm& dm, QWidget* parent = nullptr);
    Egreso& logica() { return logica_; }

  private:
    Tfdm& dm_;
    Egreso logica_;
};

}  // namespace ledgrix
