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
// station 2 waits on it): it writes in an open transaction, as a window
// storing does, and commits once station 2's annulment is seen waiting on
// what it holds.
class EstacionQueEdita {
  public:
    EstacionQueEdita(QString base, QStringList sentencias)
        : base_(std::move(base)), sentencias_(std::move(sentencias)) {}
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
            bool retenido = escritor.isOpen() && vigia.isOpen() && escritor.transaction();
            for (const QString& sql : sentencias_) {
                QSqlQuery q(escritor);
                if (retenido && !q.exec(sql)) {
                    error += q.lastError().text();
                    retenido = false;
                }
            }
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
    QStringList sentencias_;
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
        return texto(S("select n.NDPR_ANULADO || ' ' || coalesce(n.NDPR_CONC, '') || ' ' || "
                       "m.MVPR_VALOR || ' "
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

// Station 1 edits the document, or stores a voucher that pays part of it,
// while station 2 annuls it.
TEST_F(AnulacionEnServidorTest, ADocumentAnotherStationHoldsIsAnnulledOnlyAfterItCommits) {
    const QString kConflicto =
        S("Otro usuario está modificando este registro en este momento. "
          "Espere a que termine e intente de nuevo.");
    const struct {
        const char* nombre;
        QStringList estacion1;  // %1: the charge's id
        const char* tras_conflicto;
        const char* mensaje;  // of the second attempt; none: it annuls
        const char* al_final;
    } casos[] = {
        {"edita el cargo",
         {S("update NOTAS_DEBITO_PROVEEDOR set NDPR_CONC = 'Corregido en la estacion 1' where "
            "NDPR_ID = %1")},
         "N Corregido en la estacion 1 80000.00 80000.00 1 0",
         nullptr,
         "S Corregido en la estacion 1 0.00 0.00 0 1"},
        {"lo paga",
         {S("insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT) values "
            "(9%1, '0000', '9%1', '2022/09/21', '900123456')"),
          S("insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, EGDE_ABONO) "
            "values (9%1, 1, 51, %1, 30000)")},
         "N  80000.00 50000.00 1 0",
         "El documento tiene pagos o aplicaciones vigentes. Anúlelos primero.",
         "N  80000.00 50000.00 1 0"},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        Cargo cargo(*dm);
        qint64 id = 0;
        cargo.imprima = [&](qint64 i) { id = i; };
        ASSERT_TRUE(cargo.abra()) << dialogs.lastError().toStdString();
        cargo.cambie_nit(S("900123456"));
        cargo.cambie_monto(Currency::fromInt(80000));
        ASSERT_TRUE(cargo.grabe()) << dialogs.lastError().toStdString();
        ASSERT_GT(id, 0);
        const QStringList anular{S("update notas_debito_proveedor set NDPR_ANULADO = 'S', "
                                   "ndpr_usuario = 'ADMIN' where ndpr_id = %1")
                                     .arg(id)};
        QStringList sentencias;
        for (const QString& s : k.estacion1)
            sentencias << s.arg(id);

        EstacionQueEdita estacion1(base, sentencias);
        ASSERT_TRUE(estacion1.retenga()) << estacion1.error.toStdString();
        dialogs.clear();
        EXPECT_FALSE(anule_en_unidad(*dm, 51, id, anular, S("Duplicado")));
        EXPECT_TRUE(estacion1.termine()) << "the annulment did not wait on the held row";
        EXPECT_TRUE(estacion1.error.isEmpty()) << estacion1.error.toStdString();
        EXPECT_EQ(dialogs.lastError(), kConflicto);
        // Station 1's work stands and the annulment left nothing behind.
        EXPECT_EQ(huella(id), S(k.tras_conflicto));

        dialogs.clear();
        EXPECT_EQ(anule_en_unidad(*dm, 51, id, anular, S("Duplicado")), k.mensaje == nullptr);
        EXPECT_EQ(dialogs.lastError(), k.mensaje ? S(k.mensaje) : QString());
        EXPECT_EQ(huella(id), S(k.al_final));
    }
}

}  // namespace
}  // namespace ledgrix::test
