#include "tests/support/module_fixture.h"

#include "core/services/paths.h"

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
    ASSERT_TRUE(dm->conecte_compania(inst->companyDatabase(), usuario, QString())) << dialogs.lastError().toStdString();
    ASSERT_TRUE(dm->conecte_general(inst->generalDatabase(), usuario, QString())) << dialogs.lastError().toStdString();
    dm->cargue_configuracion();
    dm->ctx.usuario = usuario;
}

}  // namespace ledgrix::test
