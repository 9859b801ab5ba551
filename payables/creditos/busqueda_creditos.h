#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the credit search works on: the stored credits payable (of the
// user's agency when he has one) narrowed by a text typed against one
// column, and the annulment of the selected one. Annulling gives the
// deferred document its balance back (the ledger's triggers) and annuls the
// credit's ledger voucher.
class BusquedaCreditos : public QObject {
    Q_OBJECT
  public:
    enum class Columna { Concepto, Proveedor, Fecha, Numero };

    explicit BusquedaCreditos(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& filas() const { return *CFilas; }
    // Credits whose column holds the text (anywhere when `contiene`, else
    // from it on), ordered by the column, dates and numbers newest first.
    bool busque(Columna columna, const QString& texto, bool contiene);
    qint64 actual() const;
    // Annuls the selected credit after the access check, the reason (when
    // the configuration asks for one) and the question. True when annulled.
    bool anule();

    // The reason memo: the text typed, nullopt when the user gave up.
    std::function<std::optional<QString>()> pida_razon;

  private:
    Tfdm& dm_;
    ClientDataset* CFilas = nullptr;
    Columna columna_ = Columna::Fecha;
    QString texto_;
    bool contiene_ = true;
};

}  // namespace ledgrix
