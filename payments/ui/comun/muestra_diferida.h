#pragma once

#include <functional>

class QObject;

namespace ledgrix {

// Shows what a view shows once the change under way is complete. A list
// being reset may leave its sibling lists half way through the same reset;
// what reads them all waits for the event loop. Several requests in one
// turn show once; nothing runs after the owner is gone.
class MuestraDiferida {
  public:
    MuestraDiferida(QObject* dueno, std::function<void()> muestre)
        : dueno_(dueno), muestre_(std::move(muestre)) {}

    void pida();

  private:
    QObject* dueno_;
    std::function<void()> muestre_;
    bool pendiente_ = false;
};

}  // namespace ledgrix
