#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the applications search works on: the list of stored applications
// (of the user's agency when he has one), narrowed by a text typed against
// one column, and the annulment and deletion of the selected one. Annulling
// marks the application and its lines; the ledger's triggers then give the
// documents back the balance the lines had taken. Deleting is for an
// administrator and only of an annulled application.
class BusquedaAplicaciones : public QObject {
    Q_OBJECT
  public:
    // Columns the text may be matched on.
    enum class Columna { Concepto, Proveedor, Fecha, Numero };

    explicit BusquedaAplicaciones(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& filas() const { return *CFilas; }
    // Lists the applications whose column holds the text (anywhere, or from
    // its start when `desde_inicio`), ordered by that column, dates newest first.
    bool busque(Columna columna, const QString& texto, bool desde_inicio);

    // The selected row's id; 0 when the list is empty.
    qint64 actual() const;
    // Annuls the selected application, or deletes it when already annulled.
    // True when something changed; the list is read again.
    bool anule();

    // The reason memo, when the configuration asks for one: the text typed,
    // nullopt when the user gave up.
    std::function<std::optional<QString>()> pida_razon;

  private:
    bool con_razon(QString& razon);
    Tfdm& dm_;
    ClientDataset* CFilas = nullptr;
    Columna columna_ = Columna::Fecha;
    QString texto_;
    bool desde_inicio_ = false;
};

}  // namespace ledgrix
