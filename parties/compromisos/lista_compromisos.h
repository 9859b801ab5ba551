#pragma once

#include <QObject>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the "Busqueda de compromisos proveedor" list works on: the
// commitments of one supplier, the fulfilled ones only when asked for.
// F4 and F5 open the commitment window ("Tfcompromiso") on id_actual() or
// on a new one, then the list is read again.
class ListaCompromisos : public QObject {
    Q_OBJECT
  public:
    ListaCompromisos(Tfdm& dm, const QString& nit, QObject* parent = nullptr);

    const QString& nit() const { return nit_; }
    const QString& nombre() const { return nombre_; }
    bool incluir_cumplidos = false;

    QString consulta() const;
    // Reads the list again (after a change of the flag or of a commitment).
    bool abra();
    ClientDataset& filas() const { return *filas_; }
    // The commitment under the cursor; 0 when the list is empty.
    qint64 id_actual() const;

    // F3 and F7 ask first; true when done (the list is read again).
    bool elimine();
    bool marque_cumplido();

  private:
    bool ejecute(const QString& pregunta, const QString& sentencia);

    Tfdm& dm_;
    QString nit_;
    QString nombre_;
    ClientDataset* filas_;
};

}  // namespace ledgrix
