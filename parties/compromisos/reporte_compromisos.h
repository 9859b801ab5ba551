#pragma once

#include <QDate>
#include <QObject>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// The commitments report (F9 of the commitments list): a supplier range and
// a date range, fulfilled commitments included or not, printed with the
// layout project "compromisos" as modal "Tfrepcompromisos".
class ReporteCompromisos : public QObject {
    Q_OBJECT
  public:
    explicit ReporteCompromisos(Tfdm& dm, QObject* parent = nullptr);

    QString nit_desde;
    QString nit_hasta;
    QDate desde;
    QDate hasta;
    bool incluir_cumplidos = false;

    QString consulta() const;
    // 0 when refused or when nothing came back (told).
    int imprima();
    ClientDataset& filas() const { return *filas_; }

  private:
    Tfdm& dm_;
    ClientDataset* filas_;
};

}  // namespace ledgrix
