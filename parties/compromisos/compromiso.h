#pragma once

#include <QObject>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the "Nuevo Compromiso" window works on: one follow-up item agreed
// with a supplier (COMPROMISOS_PROV), new or stored. A commitment is about
// what is still to happen, so it is never stored with a date before today.
class Compromiso : public QObject {
    Q_OBJECT
  public:
    explicit Compromiso(Tfdm& dm, QObject* parent = nullptr);

    // id 0: a new commitment with `nit` dated today; otherwise the stored
    // one, false when there is none (told).
    bool abra(qint64 id, const QString& nit);
    ClientDataset& datos() const { return *datos_; }
    // The supplier's name.
    const QString& nombre() const { return nombre_; }
    qint64 id() const;

    // F2: true when stored; a refusal is told and keeps what was typed.
    bool grabe();
    void cancele();

  private:
    bool valide();

    Tfdm& dm_;
    ClientDataset* datos_;
    QString nombre_;
};

}  // namespace ledgrix
