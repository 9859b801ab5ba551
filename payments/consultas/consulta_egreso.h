#pragma once

#include "payables/consulta/consulta_documento.h"

namespace ledgrix {

// A stored payment voucher (62): the header with the name of its kind
// (TIPO_NOMBRE), class and destination box, its bank line (BANCO_DOC
// "Cheque"/"Retiro", the account and BANCO_NUMERO), and the lists of
// documents paid, crosses and cash lines.
class ConsultaEgreso : public ConsultaDocumento {
    Q_OBJECT
  public:
    explicit ConsultaEgreso(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& documentos() const { return *documentos_; }
    ClientDataset& cruces() const { return *cruces_; }
    ClientDataset& caja() const { return *caja_; }

  private:
    ClientDataset* documentos_ = nullptr;
    ClientDataset* cruces_ = nullptr;
    ClientDataset* caja_ = nullptr;
};

}  // namespace ledgrix
