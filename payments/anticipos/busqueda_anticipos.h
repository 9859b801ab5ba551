#pragma once

#include <QObject>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the advance search ("Tfbuscantipos") works on: the advances of the
// series the login's agency may use, filtered by one column and ordered by
// it, and the annulment of the current one. Consulting it and its payment
// history leave it in dm.documento_consultado for the window named.
class BusquedaAnticipos : public QObject {
    Q_OBJECT
  public:
    // Columns the user may filter and order by.
    enum class Columna { Numero, Fecha, Nombre, Concepto };

    explicit BusquedaAnticipos(Tfdm& dm, QObject* parent = nullptr);

    // `contiene`: the text anywhere in the column; otherwise from it on.
    bool cargue(Columna columna = Columna::Fecha, const QString& texto = {}, bool contiene = true);
    ClientDataset& filas() const { return *CAnticipos; }

    // The current row to dm.documento_consultado; false (the user told)
    // when there is none.
    bool a_consultar();
    // Asks first; the database refuses an advance a live voucher paid out
    // or a live application set against an invoice. True when annulled.
    bool anule();

  private:
    Tfdm& dm_;
    ClientDataset* CAnticipos = nullptr;
};

}  // namespace ledgrix
