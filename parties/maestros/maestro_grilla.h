#pragma once

#include <QObject>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// A small master kept in a grid (supplier groups, cities): the rows are
// edited in place, F2 writes every change at once, Esc drops them. A row the
// subclass refuses on post stays in edit with the user told why.
class MaestroGrilla : public QObject {
    Q_OBJECT
  public:
    ClientDataset& filas() const { return *filas_; }

    // Posts the row being edited and writes every pending change in one
    // unit; false keeps them for another try.
    bool grabe();
    // Drops every pending change and reads the rows again.
    void cancele();
    bool pendientes() const;

  protected:
    MaestroGrilla(Tfdm& dm, const QString& nombre, const QString& sql, QObject* parent);
    // Posts the editing row of `ds` when there is one.
    static bool poste(ClientDataset& ds);
    bool abra();

    Tfdm& dm_;
    ClientDataset* filas_;
};

}  // namespace ledgrix
