#include "accounting/interfaces/lista_interfaces.h"

#include <QSqlDatabase>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

ListaInterfaces::ListaInterfaces(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    auto* p = new Provider(this, QStringLiteral("PInterfaces"));
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(QStringLiteral("QInterfaces"));
    p->setCommandText(QStringLiteral(
        "select incp_id, incp_nombre, pref_pre, tido_nomlargo, tico_cod, prco_pre, incp_confirmar "
        "from interfaz_cxpagar i, tipo_documento t where t.tido_cod = i.tido_cod and tido_modulo = "
        "'CXPAGAR'"));
    CInterfaces = new ClientDataset(this, QStringLiteral("CInterfaces"));
    CInterfaces->setProvider(p);
    dm.ConfigurarProviders(this);

    const auto columna = [this](const char* campo, const QString& titulo,
                                Field::Type tipo = Field::Type::String) {
        Field& f = CInterfaces->declareField(QString::fromLatin1(campo), tipo);
        f.setDisplayLabel(titulo);
        f.setReadOnly(true);
        return &f;
    };
    columna("INCP_ID", {}, Field::Type::Integer)->setVisible(false);
    columna("INCP_NOMBRE", QStringLiteral("Interfaz"));
    columna("PREF_PRE", QStringLiteral("Prefijo"));
    columna("TIDO_NOMLARGO", QStringLiteral("Documento"));
    columna("TICO_COD", QStringLiteral("Comp."));
    columna("PRCO_PRE", QStringLiteral("Pref.Cnt"));
    columna("INCP_CONFIRMAR", QStringLiteral("Ver"));
    CInterfaces->open();
}

void ListaInterfaces::refresque() {
    if (!CInterfaces->active() || !CInterfaces->refresh()) {
        CInterfaces->close();
        CInterfaces->open();
    }
}

int ListaInterfaces::id_actual() const {
    if (!CInterfaces->active() || CInterfaces->isEmpty())
        return 0;
    return static_cast<int>(CInterfaces->fieldByName(QStringLiteral("INCP_ID")).asInteger());
}

QString ListaInterfaces::nombre_actual() const {
    if (!CInterfaces->active() || CInterfaces->isEmpty())
        return {};
    return CInterfaces->fieldByName(QStringLiteral("INCP_NOMBRE")).asString();
}

bool ListaInterfaces::borre() {
    if (!CInterfaces->active() || CInterfaces->isEmpty())
        return false;
    if (!dm_.dialogs().question(QStringLiteral("Esta seguro de borrar la interface ") +
                                nombre_actual() + QStringLiteral("?")))
        return false;
    // The NIIF settings and the additional lines go with it by the database's rules.
    const bool borrada = dm_.sql().execute(
        QStringLiteral("delete from interfaz_cxpagar where incp_id = ") + sql::number(id_actual()));
    refresque();
    return borrada;
}

QStringList ListaInterfaces::prefijos_copia() const {
    QStringList prefijos;
    if (!CInterfaces->active() || CInterfaces->isEmpty())
        return prefijos;
    auto q = dm_.sql().select(
        QStringLiteral("select p.pref_pre,d.tido_cod from prefijos p,tipo_documento d where "
                       "d.tido_cod=p.tido_cod and "
                       "d.tido_modulo = 'CXPAGAR' and d.tido_nomlargo = ") +
        sql::quoted(CInterfaces->fieldByName(QStringLiteral("TIDO_NOMLARGO")).asString()));
    if (q)
        while (q->next())
            prefijos << q->value(0).toString();
    return prefijos;
}

int ListaInterfaces::copie(const QString& prefijo) {
    const int origen = id_actual();
    if (prefijo.isEmpty() || origen == 0)
        return 0;
    const QVariant nuevo =
        dm_.sql().scalar(QStringLiteral("select ID from CAMBIE_ID_INTERCXPAGAR"));
    if (!nuevo.isValid())
        return 0;
    const QString id = sql::number(nuevo.toInt());
    const QString fuente = sql::number(origen);
    // The header and its lines together or neither. The advance concept
    // goes with the others: left out, the copy would take its default source
    // and post advances elsewhere than the interface it copies.
    QSqlDatabase db = dm_.ledgrix();
    if (!db.transaction())
        return 0;
    const bool copiada =
        dm_.sql().execute(
            QStringLiteral(
                "INSERT INTO INTERFAZ_CXPAGAR (INCP_ID, TIDO_COD, PREF_PRE, TICO_COD, PRCO_PRE, "
                "INCP_NOMBRE, "
                "INCP_BASE, INCP_IVA, INCP_RTFTE, INCP_RTIVA, INCP_RTICA, INCP_PROV, INCP_CTABASE, "
                "INCP_CTAIVA, INCP_CTARTFTE, INCP_CTARTIVA, INCP_CTARTICA, INCP_CTAPROV, ") +
            QStringLiteral("INCP_CONFIRMAR, INCP_USUARIO, INCP_RTCREE, INCP_CTARTCREE, INCP_ANTI, "
                           "INCP_CTAANTI) SELECT ") +
            id + QStringLiteral(", TIDO_COD, ") + sql::quoted(prefijo) +
            QStringLiteral(",TICO_COD,PRCO_PRE,INCP_NOMBRE,INCP_BASE,INCP_IVA,INCP_RTFTE,INCP_"
                           "RTIVA,INCP_RTICA,"
                           "INCP_PROV,INCP_CTABASE,INCP_CTAIVA,INCP_CTARTFTE,INCP_CTARTIVA,INCP_"
                           "CTARTICA,INCP_CTAPROV,"
                           "INCP_CONFIRMAR") +
            QStringLiteral(", ") + sql::quoted(dm_.ctx.usuario) +
            QStringLiteral(
                ", INCP_RTCREE, INCP_CTARTCREE, INCP_ANTI, INCP_CTAANTI FROM INTERFAZ_CXPAGAR "
                "WHERE INCP_ID = ") +
            fuente) &&
        dm_.sql().execute(
            QStringLiteral("INSERT INTO INTERFAZ_CXPAGAR_CTAS SELECT ") + id +
            QStringLiteral(", INPC_ITEM, INPC_CUENTA, INPC_BASE, INPC_VALOR, INPC_PORC, INPC_DB ") +
            QStringLiteral("FROM INTERFAZ_CXPAGAR_CTAS WHERE INCP_ID = ") + fuente);
    if (!copiada || !db.commit()) {
        db.rollback();
        return 0;
    }
    refresque();
    return nuevo.toInt();
}

}  // namespace ledgrix
