#include "tests/support/module_fixture.h"

#include "core/services/paths.h"
#include "core/sql/sqltext.h"

namespace ledgrix::test {

void ModuleTest::SetUp() {
    inst = TestInstallation::create();
    ASSERT_TRUE(inst);
    qputenv("LEDGRIX_DIR", inst->dir().toUtf8());
    dm = std::make_unique<Tfdm>(dialogs, clock);
    dm->setDirectorio(inst->dir());
}

void ModuleTest::TearDown() {
    dm.reset();
    inst.reset();
}

void ModuleTest::conecte(const QString& usuario) {
    ASSERT_TRUE(dm->conecte_compania(inst->companyDatabase(), usuario, QString()))
        << dialogs.lastError().toStdString();
    ASSERT_TRUE(dm->conecte_general(inst->generalDatabase(), usuario, QString()))
        << dialogs.lastError().toStdString();
    dm->cargue_configuracion();
    dm->ctx.usuario = usuario;
}

void ModuleTest::configure(const QString& propiedad, const QString& valor) {
    const QString sql =
        QStringLiteral("update CONFIGURACION set CONF_VALOR = %1 where CONF_PROPIEDAD = %2")
            .arg(sql::quoted(valor), sql::quoted(propiedad));
    ASSERT_TRUE(dm->sql().execute(sql)) << sql.toStdString();
    dm->cargue_configuracion();
}

int ModuleTest::filas(const QString& desde) const {
    return dm->sql().scalar(QStringLiteral("select count(*) from ") + desde).toInt();
}

QString ModuleTest::texto(const QString& sql) const {
    return dm->sql().scalar(sql).toString();
}

}  // namespace ledgrix::test
