#include <gtest/gtest.h>

#include "core/data/configurar.h"

using namespace ledgrix;

namespace {

TEST(ConfigurarProviders, ReachesDataObjectsNestedInPanelsAndFrames) {
    QObject window;
    auto* top = new ClientDataset(&window, QStringLiteral("CTop"));
    auto* panel = new QObject(&window);
    auto* frame = new QObject(panel);
    auto* nested = new ClientDataset(frame, QStringLiteral("CNested"));
    auto* provider = new Provider(frame, QStringLiteral("PNested"));
    QStringList calls;
    DataHandlers h;
    h.updateError = [&](Provider& p, ClientDataset&, UpdateKind, const DataError&, ErrorResponse&) { calls << p.objectName(); };
    h.clientError = [&](ClientDataset& d, const DataError&, ErrorAction&) { calls << d.objectName(); };
    h.beforeFetch = [&](ClientDataset& d) { calls << QStringLiteral("fetch ") + d.objectName(); };
    configurarProviders(&window, h);

    for (ClientDataset* ds : {top, nested}) {
        EXPECT_EQ(ds->packetSize(), 1000);
        ASSERT_TRUE(ds->onPostError && ds->onEditError && ds->onDeleteError && ds->beforeFetch);
        EXPECT_FALSE(ds->afterFetch);
    }
    ASSERT_TRUE(provider->onUpdateError);
    ErrorAction action = ErrorAction::Fail;
    nested->onDeleteError(*nested, {}, action);
    nested->beforeFetch(*nested);
    ErrorResponse response = ErrorResponse::Abort;
    provider->onUpdateError(*provider, *nested, UpdateKind::Delete, {}, response);
    EXPECT_EQ(calls, (QStringList{"CNested", "fetch CNested", "PNested"}));
}

TEST(FilterText, UnderstandsTheFormsWindowsWrite) {
    EXPECT_TRUE(parseFilterText(QStringLiteral("TIDO_MODULO = 'CXPAGAR'")));
    EXPECT_TRUE(parseFilterText(QStringLiteral("REMITE = 'O''Brien' and NIVEL = -3.5")));
    for (const char* bad : {"TIDO_MODULO <> 'CXPAGAR'", "A = 'x' OR B = 'y'", "A = 'x' AND", "A = 'unterminated"})
        EXPECT_FALSE(parseFilterText(QString::fromLatin1(bad))) << bad;
}

TEST(ProviderTable, IsTheFirstTableOfTheSelect) {
    EXPECT_EQ(Provider::tableFromSelect(QStringLiteral("select e.*, t.terc_nombre from egresos e join terceros t on 1=1")),
              QStringLiteral("egresos"));
    EXPECT_EQ(Provider::tableFromSelect(QStringLiteral("SELECT * FROM\n  NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = 0")),
              QStringLiteral("NOTAS_DEBITO_PROVEEDOR"));
}

}  // namespace
