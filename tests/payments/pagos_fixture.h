#pragma once

#include <QObject>
#include <memory>

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso.h"
#include "payments/egresos/medios_pago.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {

inline QString S(const char* s) {
    return QString::fromUtf8(s);
}
inline Currency M(const char* texto) {
    return Currency::fromText(QString::fromLatin1(texto));
}
inline const QDate kHoy(2022, 9, 21);

// The payments logic on a demo installation, driven as its windows drive it.
class PagosTest : public DocumentosTest {
  protected:
    // A voucher being entered, to `nit` when one is given.
    Egreso& abra_egreso(const QString& nit = {}) {
        egreso_ = std::make_unique<Egreso>(*dm);
        EXPECT_TRUE(egreso_->abra()) << dialogs.lastError().toStdString();
        if (!nit.isEmpty())
            egreso_->cambie_nit(nit);
        return *egreso_;
    }
    // The voucher's documents closed, its whole amount paid from the bank's
    // first account, and stored.
    void grabe_por_banco(Egreso& e) {
        ASSERT_TRUE(e.continue_documentos()) << dialogs.lastError().toStdString();
        ASSERT_TRUE(e.medios().abra_banco()) << dialogs.lastError().toStdString();
        ASSERT_TRUE(e.medios().continue_banco()) << dialogs.lastError().toStdString();
        ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    }
    static void ponga(ClientDataset& ds, const char* campo, const char* valor) {
        ASSERT_TRUE(ds.edit());
        ds.fieldByName(S(campo)).setCurrency(M(valor));
    }
    // A dataset over a statement on the company database, owned by the test.
    ClientDataset* conjunto(const char* nombre, const char* sql) {
        return ledgrix::conjunto(&dueno_, dm->Ledgrix(), S(nombre), S(sql));
    }
    // Ledger vouchers of documents of `tipo`, with lines, whose debits equal
    // their credits in both books.
    int cuadrados(int tipo) {
        return filas(
            S("COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = %1 and exists (select 1 from "
              "COMPROBANTE_DETALLE d where d.ENCO_CONSEC = c.ENCO_CONSEC) and (select "
              "sum(d.CODE_DEBITOS - d.CODE_CREDITOS) from COMPROBANTE_DETALLE d where "
              "d.ENCO_CONSEC = c.ENCO_CONSEC) = 0 and (select sum(d.CODE_DEBITOS - "
              "d.CODE_CREDITOS) from COMPROBANTE_DETALLE_NIIF d where d.ENCO_CONSEC = "
              "c.ENCO_CONSEC) = 0")
                .arg(tipo));
    }

    QObject dueno_;
    std::unique_ptr<Egreso> egreso_;
};

}  // namespace ledgrix::test
