#pragma once

#include <QString>

namespace ledgrix {

class Tfdm;

// Account and cost-centre checks of the accounting data module, used by the
// document windows and the voucher review.
class Tfdmcnt {
  public:
    explicit Tfdmcnt(Tfdm& dm) : dm_(dm) {}

    // Whether the account may be posted to; explains why not. A missing
    // account is refused like any other: it is created in the accounting
    // module.
    bool valide_cuenta(const QString& cuenta);
    bool valide_cuenta_niif(const QString& cuenta);
    // Name of an active account; empty (and the user told) when inactive,
    // empty without a word when it does not exist.
    QString nom_cuenta(const QString& cuenta);
    QString nom_cuenta_niif(const QString& cuenta);
    bool valide_centro(const QString& proyecto, const QString& centro, const QString& subcentro);

  private:
    bool valide(const QString& procedimiento, const QString& cuenta, bool niif);
    QString nombre(const QString& tabla, const QString& cuenta, bool niif);

    Tfdm& dm_;
};

}  // namespace ledgrix
