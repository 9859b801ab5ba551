#pragma once

#include <QHash>
#include <QSet>
#include <memory>

#include "maintenance/importacion/destino_importacion.h"
#include "maintenance/importacion/sentencia_importacion.h"

namespace ledgrix::importacion {

// Opening balances: each line an ordinary charge (51) or discount (52) of a
// supplier, stored without posting, so that the payables registry, the
// aging and the searches see it like any other. A prefix the file uses that
// does not exist for the type is created by its first document, with that
// document's number, without automatic numbering.
class DestinoSaldos : public DestinoImportacion {
  public:
    explicit DestinoSaldos(QString usuario);
    ~DestinoSaldos() override;

    bool cargue(const QSqlDatabase& db) override;
    QString revise(const Registro& r) override;
    bool prepare(const QSqlDatabase& db) override;
    bool escriba(const Registro& r) override;
    QString avance(const Registro& r) const override;

  private:
    struct Documento;
    Documento documento(const Registro& r) const;
    int moneda(const Registro& r) const;  // 0: unknown
    bool lea_monedas(const QSqlDatabase& db, QString& error);

    QString usuario_;
    QSet<QString> proveedores_, prefijos_, documentos_;
    // Currency codes by their symbol ("COP", "USD"), as files name them.
    QHash<QString, int> monedas_;
    // Prefixes the file's documents create, by the first one written.
    QSet<QString> nuevos_;
    std::unique_ptr<Sentencia> prefijo_, cargo_, descuento_;
};

}  // namespace ledgrix::importacion
