#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

#include "core/money/currency.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

class ClientDataset;

// What "Consulta de cuentas x pagar" works on: the open payables documents of
// one supplier at a date, in a currency, from `cxpagar_proveedor`. It hands
// the documents the user picks to the window that opened it through
// `Tfdm::documentos_seleccionados`, and the one to look into through
// `Tfdm::documento_consultado`.
class ConsultaCxpagar : public QObject {
    Q_OBJECT
  public:
    explicit ConsultaCxpagar(Tfdm& dm, QObject* parent = nullptr);

    // Today, the first currency offered, and the documents of `nit`. Forgets
    // what an earlier consultation handed over.
    void abra(const QString& nit);

    ClientDataset& documentos() const { return *CDocumentos; }
    const QString& nit() const { return nit_; }
    QDate fecha() const { return fecha_; }
    int moneda() const { return moneda_; }
    // The statement for the current supplier, date and currency.
    QString consulta() const;

    // Each reads the documents again when the value changed.
    void cambie_fecha(const QDate& fecha);
    void cambie_moneda(int moneda);
    void refresque();

    // Balance of the given rows (dataset positions), exactly.
    Currency suma(const QList<int>& filas) const;
    DocumentoSeleccionado documento(int fila) const;

    // Enter: the current document; F5: the marked ones. False when there is
    // nothing to hand over (an empty list, no row marked).
    bool seleccione_actual();
    bool seleccione(const QList<int>& filas);

    // The current document, left in `documento_consultado` for the window
    // that shows it; the user is told when there is none.
    std::optional<DocumentoSeleccionado> a_consultar();
    // The window that shows a document of a type; empty for a type that has none.
    static QString ventana_de(int tipo);

  private:
    Tfdm& dm_;
    ClientDataset* CDocumentos;
    QString nit_;
    QDate fecha_;
    int moneda_ = 0;
};

}  // namespace ledgrix
