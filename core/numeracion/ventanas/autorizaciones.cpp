#include "core/numeracion/ventanas/autorizaciones.h"

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

ClientDataset* conjunto(QObject* owner, Tfdm& dm, const QString& tabla, const QString& texto) {
    auto* p = new Provider(owner, QStringLiteral("P") + tabla);
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(QStringLiteral("Q") + tabla);
    p->setCommandText(texto);
    auto* ds = new ClientDataset(owner, QStringLiteral("C") + tabla);
    ds->setProvider(p);
    return ds;
}

}  // namespace

Autorizaciones::Autorizaciones(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CPrefijos = conjunto(this, dm, QStringLiteral("Prefijos"),
                         QStringLiteral("select TIDO_COD, PREF_PRE from PREFIJOS order by PREF_PRE"));
    // The grid shows the first nine columns in this order.
    CAutorizaciones = conjunto(
        this, dm, QStringLiteral("Autorizaciones"),
        QStringLiteral("select PREF_PRE, AUTO_NUMERO, AUTO_FECHA, AUTO_INICIAL, AUTO_FINAL, AUTO_VENCE, AUTO_ITEMS, "
                       "AUTO_TOKENEMP, AUTO_TOKENPSW, TIDO_COD, AUTO_PREFRDC, AUTO_CONTADO, AUTO_ESPOS, AUTO_COTIZA, "
                       "AUTO_PEDIDO, AUTO_REMISION, AUTO_CANTIDAD, AUTO_FECHAS, AUTO_ENTREGA, AUTO_FLETE, "
                       "AUTO_VALPREVIA, AUTO_NITCONTADO, AUTO_MAQUINA, AUTO_USRAVISO, AUTO_AVISAR, AUTO_PREFDV "
                       "from AUTORIZACIONES where TIDO_COD = 51 order by PREF_PRE, AUTO_NUMERO"));
    dm.ConfigurarProviders(this);

    const QList<QPair<QString, QString>> columnas = {
        {QStringLiteral("PREF_PRE"), QStringLiteral("Prefijo")},
        {QStringLiteral("AUTO_NUMERO"), QStringLiteral("Autorización")},
        {QStringLiteral("AUTO_FECHA"), QStringLiteral("Fecha")},
        {QStringLiteral("AUTO_INICIAL"), QStringLiteral("Inicial")},
        {QStringLiteral("AUTO_FINAL"), QStringLiteral("Final")},
        {QStringLiteral("AUTO_VENCE"), QStringLiteral("Vence")},
        {QStringLiteral("AUTO_ITEMS"), QStringLiteral("Items")},
        {QStringLiteral("AUTO_TOKENEMP"), QStringLiteral("Documento electrónico|Token Empresa")},
        {QStringLiteral("AUTO_TOKENPSW"), QStringLiteral("Documento electrónico|Token password")}};
    for (const auto& [campo, titulo] : columnas) CAutorizaciones->declareField(campo).setDisplayLabel(titulo);
    for (const char* oculto :
         {"TIDO_COD", "AUTO_PREFRDC", "AUTO_CONTADO", "AUTO_ESPOS", "AUTO_COTIZA", "AUTO_PEDIDO", "AUTO_REMISION",
          "AUTO_CANTIDAD", "AUTO_FECHAS", "AUTO_ENTREGA", "AUTO_FLETE", "AUTO_VALPREVIA", "AUTO_NITCONTADO",
          "AUTO_MAQUINA", "AUTO_USRAVISO", "AUTO_AVISAR", "AUTO_PREFDV"})
        CAutorizaciones->declareField(QString::fromLatin1(oculto)).setVisible(false);

    CAutorizaciones->onNewRecord = [this](ClientDataset& ds) {
        const auto pon = [&ds](const char* campo, const QVariant& valor) {
            ds.fieldByName(QString::fromLatin1(campo)).setValue(valor);
        };
        pon("TIDO_COD", kTipo);
        if (!CPrefijos->isEmpty()) pon("PREF_PRE", CPrefijos->fieldByName(QStringLiteral("PREF_PRE")).value());
        pon("AUTO_ITEMS", 30);
        pon("AUTO_CONTADO", QStringLiteral("N"));
        pon("AUTO_ESPOS", QStringLiteral("N"));
        pon("AUTO_COTIZA", QStringLiteral("S"));
        pon("AUTO_PEDIDO", QStringLiteral("S"));
        pon("AUTO_REMISION", QStringLiteral("S"));
        pon("AUTO_CANTIDAD", QStringLiteral("N"));
        pon("AUTO_FECHAS", QStringLiteral("N"));
    };
    CAutorizaciones->beforePost = [](ClientDataset& ds) {
        if (ds.fieldByName(QStringLiteral("AUTO_NUMERO")).asString().trimmed().isEmpty()) {
            ds.cancel();
            ds.abort();
        }
    };
}

bool Autorizaciones::prepare() {
    CPrefijos->setFilterText(QStringLiteral("TIDO_COD = 51"));
    if (!CPrefijos->open()) return false;
    CPrefijos->fetchAll();
    if (CPrefijos->isEmpty()) {
        dm_.dialogs().information(kSinPrefijos);
        return false;
    }
    if (!valide_acceso(dm_, QStringLiteral("FACTURACION"), kOpcion)) {
        dm_.dialogs().error(kAccesoNoPermitido);
        return false;
    }
    return CAutorizaciones->open();
}

QStringList Autorizaciones::codigos_prefijo() const {
    QStringList codigos;
    const int pre = CPrefijos->fieldByName(QStringLiteral("PREF_PRE")).index();
    for (int i = 0; i < CPrefijos->recordCount(); ++i) codigos << CPrefijos->valueAt(i, pre).toString();
    return codigos;
}

bool Autorizaciones::grabe() {
    ClientDataset& ds = *CAutorizaciones;
    if (!ds.active()) return false;
    if (ds.state() != ClientDataset::State::Browse) {
        ds.post();
        if (ds.state() != ClientDataset::State::Browse) return false;
    }
    return ds.applyUpdates(0) == 0;
}

void Autorizaciones::cancele() {
    if (!CAutorizaciones->active()) return;
    CAutorizaciones->cancel();
    CAutorizaciones->cancelUpdates();
}

}  // namespace ledgrix
