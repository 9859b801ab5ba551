#include <gtest/gtest.h>

#include <algorithm>

#include <QSqlQuery>
#include <map>
#include <memory>
#include <set>

#include "core/services/paths.h"
#include "tests/confiabilidad/comun.h"
#include "tests/support/estaciones.h"
#include "tests/support/invariantes_cxp.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using namespace ledgrix::test;

namespace {

using MuchasEstacionesTest = ModuleTest;

// Several workstations save charges at once through one server, in the same
// two series, some of them applied at once to the same discount. Whatever
// each was told, the database must agree with it: every charge a station
// was told is stored is there with that number, nothing is stored that no
// station was told about, no number is used twice, every charge is posted
// and balanced and the payables ledger matches the documents.
TEST_F(MuchasEstacionesTest, EveryChargeAStationWasToldIsStoredIsThereOnceAndPostedAndNothingElse) {
    const int estaciones = cuenta_de_entorno("LEDGRIX_ESTACIONES", 3);
    const int cargos = cuenta_de_entorno("LEDGRIX_CARGOS_POR_ESTACION", 40);
    const QString servidor = QStringLiteral("127.0.0.1:") + inst->location();
    ASSERT_TRUE(dm->conecte_compania(paths::companyDatabase(servidor, QStringLiteral("001")),
                                     QStringLiteral("ADMIN"), QStringLiteral("admin")))
        << dialogs.lastError().toStdString();
    segunda_serie(dm->sql(), QStringLiteral("0001"));
    const QString descuento = descuento_grande(dm->sql());

    std::vector<std::unique_ptr<Estacion>> corriendo;
    for (int i = 0; i < estaciones; ++i) {
        QStringList args{servidor,
                         QStringLiteral("--clave"),
                         QStringLiteral("admin"),
                         QStringLiteral("--cargos"),
                         QString::number(cargos),
                         QStringLiteral("--prefijos"),
                         QStringLiteral("0000,0001"),
                         QStringLiteral("--semilla"),
                         QString::number(i + 1),
                         QStringLiteral("--fecha"),
                         kDia.toString(Qt::ISODate),
                         QStringLiteral("--directorio"),
                         inst->dir()};
        if (i % 2 == 0)
            args << QStringLiteral("--aplicar") << kImportadora + QLatin1Char(':') + descuento;
        corriendo.push_back(std::make_unique<Estacion>(QStringLiteral(LEDGRIX_ESTACION), args));
    }

    std::map<qint64, QString> contados;  // id -> prefix + number, as the stations were told
    std::set<QString> numeros;
    int reintentos = 0;
    for (int i = 0; i < estaciones; ++i) {
        // The stations take turns on the same series: the last one ends
        // when all charges are in, about a tenth of a second each here.
        const InformeEstacion r = corriendo[i]->espere(std::max(600000, estaciones * cargos * 150));
        SCOPED_TRACE("station " + std::to_string(i + 1));
        EXPECT_EQ(r.codigo, 0) << r.errores.right(2000).toStdString();
        EXPECT_TRUE(r.termino);
        EXPECT_TRUE(r.fallos.isEmpty()) << r.fallos.join('\n').toStdString();
        EXPECT_EQ(int(r.cargos.size()), cargos);
        EXPECT_TRUE(mensajes_tecnicos(r.mensajes).isEmpty())
            << mensajes_tecnicos(r.mensajes).join('\n').toStdString();
        reintentos += r.reintentos;
        for (const auto& c : r.cargos) {
            EXPECT_TRUE(contados.emplace(c.id, c.prefijo + c.numero).second)
                << "id told to two saves: " << c.id;
            EXPECT_TRUE(numeros.insert(c.prefijo + c.numero).second)
                << "number told to two saves: " << (c.prefijo + c.numero).toStdString();
        }
    }

    std::map<qint64, QString> guardados;
    auto q = dm->sql().select(QStringLiteral(
        "select NDPR_ID, PREF_PRE || NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR where NDPR_ID > 0"));
    ASSERT_TRUE(q);
    while (q->next())
        guardados.emplace(q->value(0).toLongLong(), q->value(1).toString());
    q.reset();
    EXPECT_EQ(guardados, contados) << "stored charges and the charges the stations were told about";
    EXPECT_EQ(
        dm->sql()
            .scalar(QStringLiteral("select count(*) from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = 0"))
            .toInt(),
        0);
    const QStringList problemas = problemas_cargos(dm->sql());
    EXPECT_TRUE(problemas.isEmpty()) << problemas.join('\n').toStdString();
    EXPECT_GT(
        dm->sql()
            .scalar(QStringLiteral("select count(*) from APLICACION_PROVEDOR where APPR_ID > 0"))
            .toInt(),
        0)
        << "no charge was applied: the application path went unexercised";
    RecordProperty("reintentos", reintentos);
}

}  // namespace
