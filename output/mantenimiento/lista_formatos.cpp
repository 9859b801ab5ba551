#include "output/mantenimiento/lista_formatos.h"

#include <QSqlDatabase>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

ListaFormatos::ListaFormatos(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    auto* p = new Provider(this, QStringLiteral("PFormatos"));
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(QStringLiteral("QFormatos"));
    p->setCommandText(QStringLiteral(
        "select f.tido_cod, tido_nomlargo, pref_pre from formatos f, tipo_documento t "
        "where f.tido_cod = t.tido_cod and t.tido_modulo = 'CXPAGAR'"));
    CFormatos = new ClientDataset(this, QStringLiteral("CFormatos"));
    CFormatos->setProvider(p);
    dm.ConfigurarProviders(this);

    const auto columna = [this](const char* campo, const QString& titulo,
                                Field::Type tipo = Field::Type::String) {
        Field& f = CFormatos->declareField(QString::fromLatin1(campo), tipo);
        f.setDisplayLabel(titulo);
        f.setReadOnly(true);
        return &f;
    };
    columna("TIDO_COD", {}, Field::Type::Integer)->setVisible(false);
    columna("TIDO_NOMLARGO", QStringLiteral("Tipo documento"));
    columna("PREF_PRE", QStringLiteral("Prefijo"));
    CFormatos->open();
}

void ListaFormatos::refresque() {
    if (!CFormatos->active() || !CFormatos->refresh()) {
        CFormatos->close();
        CFormatos->open();
    }
}

int ListaFormatos::tipo_actual() const {
    if (!CFormatos->active() || CFormatos->isEmpty())
        return 0;
    return static_cast<int>(CFormatos->fieldByName(QStringLiteral("TIDO_COD")).asInteger());
}

QString ListaFormatos::documento_actual() const {
    if (tipo_actual() == 0)
        return {};
    return CFormatos->fieldByName(QStringLiteral("TIDO_NOMLARGO")).asString();
}

QString ListaFormatos::prefijo_actual() const {
    if (tipo_actual() == 0)
        return {};
    return CFormatos->fieldByName(QStringLiteral("PREF_PRE")).asString();
}

bool ListaFormatos::borre() {
    const int tipo = tipo_actual();
    if (tipo == 0)
        return false;
    const QString prefijo = prefijo_actual();
    if (!dm_.dialogs().question(QStringLiteral("Esta seguro de borrar el formato de ") +
                                documento_actual() + QStringLiteral(" ") + prefijo +
                                QStringLiteral("?")))
        return false;
    // The items and elements go with it by the database's rules.
    const bool borrado = dm_.sql().execute(
        QStringLiteral("delete from formatos where tido_cod = ") + sql::number(tipo) +
        QStringLiteral(" and pref_pre = ") + sql::quoted(prefijo));
    refresque();
    return borrado;
}

QStringList ListaFormatos::prefijos_copia() const {
    QStringList prefijos;
    const int tipo = tipo_actual();
    if (tipo == 0)
        return prefijos;
    if (auto q = dm_.sql().select(
            QStringLiteral("select pref_pre from prefijos where tido_cod = ") + sql::number(tipo)))
        while (q->next())
            prefijos << q->value(0).toString();
    return prefijos;
}

bool ListaFormatos::copie(const QString& prefijo) {
    const int tipo = tipo_actual();
    if (prefijo.isEmpty() || tipo == 0)
        return false;
    const QString nuevo = sql::quoted(prefijo);
    const QString donde = QStringLiteral(" WHERE TIDO_COD = ") + sql::number(tipo) +
                          QStringLiteral(" AND PREF_PRE = ") + sql::quoted(prefijo_actual());
    QSqlDatabase db = dm_.ledgrix();
    if (!db.transaction())
        return false;
    const bool copiado =
        dm_.sql().execute(
            QStringLiteral("INSERT INTO FORMATOS (TIDO_COD, PREF_PRE, FORM_IMPRE, FORM_NROITEMS, "
                           "FORM_PAGINAS, FORM_ENTRELINEA, FORM_FONT, FORM_FSIZE, FORM_PAPELAN, "
                           "FORM_PAPELAL) SELECT TIDO_COD, ") +
            nuevo +
            QStringLiteral(", FORM_IMPRE, FORM_NROITEMS, FORM_PAGINAS, FORM_ENTRELINEA, "
                           "FORM_FONT, FORM_FSIZE, FORM_PAPELAN, FORM_PAPELAL FROM FORMATOS") +
            donde) &&
        dm_.sql().execute(
            QStringLiteral("INSERT INTO FORMATO_DATOS (TIDO_COD, PREF_PRE, DAFO_DATO, "
                           "DAFO_IMPRIME, DAFO_POSX, DAFO_POSY, DAFO_REPITE, DAFO_LONG, "
                           "DAFO_FORMATO, DAFO_FONT, DAFO_FSIZE, DAFO_LIQUIDA, DAFO_POSYVAR, "
                           "DAFO_ITEM, DAFO_INI) SELECT TIDO_COD, ") +
            nuevo +
            QStringLiteral(", DAFO_DATO, DAFO_IMPRIME, DAFO_POSX, DAFO_POSY, DAFO_REPITE, "
                           "DAFO_LONG, DAFO_FORMATO, DAFO_FONT, DAFO_FSIZE, DAFO_LIQUIDA, "
                           "DAFO_POSYVAR, DAFO_ITEM, DAFO_INI FROM FORMATO_DATOS") +
            donde) &&
        dm_.sql().execute(
            QStringLiteral("INSERT INTO FORMATO_LINEAS (TIDO_COD, PREF_PRE, FOLI_ITEM, "
                           "FOLI_TIPO, FOLI_POSX, FOLI_POSY, FOLI_X, FOLI_Y, FOLI_CADENA, "
                           "FOLI_FONT, FOLI_FSIZE, FOLI_LIQUIDA, FOLI_IMAGEN) SELECT TIDO_COD, ") +
            nuevo +
            QStringLiteral(", FOLI_ITEM, FOLI_TIPO, FOLI_POSX, FOLI_POSY, FOLI_X, FOLI_Y, "
                           "FOLI_CADENA, FOLI_FONT, FOLI_FSIZE, FOLI_LIQUIDA, FOLI_IMAGEN "
                           "FROM FORMATO_LINEAS") +
            donde);
    if (!copiado || !db.commit()) {
        db.rollback();
        return false;
    }
    refresque();
    return true;
}

}  // namespace ledgrix
