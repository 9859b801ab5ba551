// Annulling a document another station is still writing: the annulment
// waits for the other station's transaction, is refused when that one
// commits its change, says so in Spanish and leaves everything as it was;
// annulled again afterwards it goes through.
#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "core/services/paths.h"
#include "core/sql/anulacion.h"
#include "payables/cargos/cargo.h"
#include "tests/support/module_fixture.h"

namespace ledgrix::test {
namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Station 1, on a thread of its own (its transaction has to stay open while
// station 2 waits on it): it rewrites the document row in an open
// transaction, as a window storing its edit does, and commits once station
// 2's annulment is seen waiting on that row.
class EstacionQueEdita {
  public:
    EstacionQueEdita(QString base, qint64 id) : base_(std::move(base)), id_(id) {}
    ~EstacionQueEdita() {
        if (hilo_.joinable())
            hilo_.join();
    }
    // Starts and answers once the row is held (false: it could not).
    bool retenga() {
        auto listo = retenido_.get_future();
        hilo_ = std::thread([this] { trabaje(); });
        return listo.get();
    }
    // Waits for the commit; the annulment seen waiting before it, or not.
    bool termine() {
        hilo_.join();
        return vio_esperar_;
    }
    QString error;

  private:
    QSqlDatabase abra(const QString& nombre) {
        QSqlDatabase db = QSqlDatabase::addDatabase(S("QIBASE"), nombre);
        db.setDatabaseName(base_);
        db.setUserName(S("ADMIN"));
        db.setPassword(S("admin"));
        if (!db.open())
            error += db.lastError().text();
        return db;
    }
    void trabaje() {
        {
            QSqlDatabase escritor = abra(S("estacion1"));
            QSqlDatabase vigia = abra(S("estacion1_vigia"));
            QSqlQuery q(escritor);
            const bool retenido =
                escritor.isOpen() && vigia.isOpen() && escritor.transaction() &&
                q.exec(S("update NOTAS_DEBITO_PROVEEDOR set NDPR_CONC = 'Corregido en la "
                         "estacion 1' where NDPR_ID = %1")
                           .arg(id_));
            if (!retenido)
                error += q.lastError().text();
            retenido_.set_value(retenido);
            if (retenido) {
                // Each statement of the watcher runs in a transaction of its
                // own, so every look at the monitoring tables is fresh.
                const auto hasta = std::chrono::steady_clock::now() + std::chrono::seconds(60);
                while (!vio_esperar_ && std::chrono::steady_clock::now() < hasta) {
                    QSqlQuery m(vigia);
                    vio_esperar_ =
                        m.exec(S("select count(*) from MON$STATEMENTS where MON$STATE <> 0 and "
                                 "MON$ATTACHMENT_ID <> CURRENT_CONNECTION and "
                                 "upper(MON$SQL_TEXT) containing 'NDPR_ANULADO'")) &&
                        m.next() && m.value(0).toInt() > 0;
                    if (!vio_esperar_)
                        std::this_thread::sleep_for(std::chrono::milliseconds(50));
                }
                if (!escritor.commit())
                    error += escritor.lastError().text();
            }
            escritor.close();
            vigia.close();
        }
        QSqlDatabase::removeDatabase(S("estacion1"));
        QSqlDatabase::removeDatabase(S("estacion1_vigia"));
    }

    QString base_;
    qint64 id_;
    std::thread hilo_;
    std::promise<bool> retenido_;
    bool vio_esperar_ = false;
};

class AnulacionEnServidorTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        base = paths::companyDatabase(S("127.0.0.1:") + inst->location(), S("001"));
        ASSERT_TRUE(dm->conecte_compania(base, S("ADMIN"), S("admin")))
            << dialogs.lastError().toStdString();
        dm->cargue_configuracion();
        dm->ctx.usuario = S("ADMIN");
    }
    // What the annulment changes, in one line.
    QString huella(qint64 id) const {
        return texto(S("select n.NDPR_ANULADO || ' ' || n.NDPR_CONC || ' ' || m.MVPR_VALOR || ' "
                       "' || m.MVPR_SALDO || ' ' || (select count(*) from COMPROBANTE_ENCABEZADO "
                       "e where e.ENCO_TIPOREF = 51 and e.ENCO_IDREF = n.NDPR_ID and "
                       "e.ENCO_ANULADO = 'N') || ' ' || (select count(*) from AUDITORIA a where "
                       "a.TIDO_COD = 51 and a.AUDI_IDDOC = n.NDPR_ID and a.AUDI_OPER = 'A') from "
                       "NOTAS_DEBITO_PROVEEDOR n join MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = "
                       "51 and m.MVPR_IDREF = n.NDPR_ID where n.NDPR_ID = %1")
                         .arg(id));
    }
    QString base;
};

TEST_F(AnulacionEnServidorTest, ADocumentAnotherStationHoldsIsAnnulledOnlyAfterItCommits) {
    Cargo cargo(*dm);
    qint64 id = 0;
    cargo.imprima = [&](qint64 i) { id = i; };
    ASSERT_TRUE(cargo.abra()) << dialogs.lastError().toStdString();
    cargo.cambie_nit(S("900123456"));
    cargo.cambie_monto(Currency::fromInt(80000));
    ASSERT_TRUE(cargo.grabe()) << dialogs.lastError().toStdString();
    ASSERT_GT(id, 0);
    const QStringList anular{
        S("update notas_debito_proveedor set NDPR_ANULADO = 'S', ndpr_usuario = 'ADMIN' where "
          "ndpr_id = %1")
            .arg(id)};

    EstacionQueEdita estacion1(base, id);
    ASSERT_TRUE(estacion1.retenga()) << estacion1.error.toStdString();
    dialogs.clear();
    EXPECT_FALSE(anule_en_unidad(*dm, 51, id, anular, S("Duplicado")));
    EXPECT_TRUE(estacion1.termine()) << "the annulment did not wait on the held row";
    EXPECT_TRUE(estacion1.error.isEmpty()) << estacion1.error.toStdString();
    EXPECT_EQ(dialogs.lastError(), S("Otro usuario está modificando este registro en este "
                                     "momento. Espere a que termine e intente de nuevo."));
    // Station 1's edit stands and the annulment left nothing behind.
    EXPECT_EQ(huella(id), S("N Corregido en la estacion 1 80000.00 80000.00 1 0"));

    dialogs.clear();
    ASSERT_TRUE(anule_en_unidad(*dm, 51, id, anular, S("Duplicado")))
        << dialogs.lastError().toStdString();
    EXPECT_EQ(huella(id), S("S Corregido en la estacion 1 0.00 0.00 0 1"));
    EXPECT_EQ(texto(S("select AUDI_RAZON from AUDITORIA where TIDO_COD = 51 and AUDI_IDDOC = %1 "
                      "and AUDI_OPER = 'A'")
                        .arg(id)),
              S("Duplicado"));
}

}  // namespace
}  // namespace ledgrix::test
