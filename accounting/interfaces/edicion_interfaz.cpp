#include "accounting/interfaces/edicion_interfaz.h"

#include "accounting/cuentas.h"
#include "accounting/selectores/selector_cuentas.h"
#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

const QString kId = QStringLiteral("INCP_ID");
const QString kK = QStringLiteral("K");

QStringList letras(const char* texto) {
    return QString::fromLatin1(texto).split(u',');
}

}  // namespace

const std::vector<EdicionInterfaz::Concepto>& EdicionInterfaz::conceptos() {
    static const std::vector<Concepto> lista{
        {QStringLiteral("Base:"), QStringLiteral("INCP_BASE"), QStringLiteral("INCP_CTABASE"),
         letras("T,K,I,P,N"), letras("T,K,I,N")},
        {QStringLiteral("IVA:"), QStringLiteral("INCP_IVA"), QStringLiteral("INCP_CTAIVA"),
         letras("K,I,N"), letras("K,I,N")},
        {QStringLiteral("Ret. fuente:"), QStringLiteral("INCP_RTFTE"),
         QStringLiteral("INCP_CTARTFTE"), letras("T,K,N"), letras("T,K,N")},
        {QStringLiteral("Ret. IVA:"), QStringLiteral("INCP_RTIVA"), QStringLiteral("INCP_CTARTIVA"),
         letras("T,K,N"), letras("T,K,N")},
        {QStringLiteral("Ret. ICA:"), QStringLiteral("INCP_RTICA"), QStringLiteral("INCP_CTARTICA"),
         letras("T,K,N"), letras("T,K,N")},
        {QStringLiteral("C x pagar:"), QStringLiteral("INCP_PROV"), QStringLiteral("INCP_CTAPROV"),
         letras("T,K,N"), letras("T,K,N")},
        {QStringLiteral("Ret. CREE:"), QStringLiteral("INCP_RTCREE"),
         QStringLiteral("INCP_CTARTCREE"), letras("T,K,N"), letras("T,K,N")},
        {QStringLiteral("Vr. Extra"), QStringLiteral("INCP_EXTRA"), QStringLiteral("INCP_CTAEXTRA"),
         letras("K,I,N"), letras("K,I,N")},
    };
    return lista;
}

ClientDataset* EdicionInterfaz::conjunto(const QString& nombre, const QString& sql) {
    auto* p = new Provider(this, QStringLiteral("P") + nombre);
    p->setConnectionName(dm_.Ledgrix());
    p->setQueryName(QStringLiteral("Q") + nombre);
    p->setCommandText(sql);
    auto* ds = new ClientDataset(this, QStringLiteral("C") + nombre);
    ds->setProvider(p);
    return ds;
}

EdicionInterfaz::EdicionInterfaz(Tfdm& dm, Modo modo, int id, QObject* parent)
    : QObject(parent), dm_(dm), modo_(modo) {
    if (modo == Modo::Nueva)
        id = 0;
    CInterfaz = conjunto(
        QStringLiteral("Interfaz"),
        QStringLiteral("select * from INTERFAZ_CXPAGAR where INCP_ID = ") + sql::number(id));
    CNiif =
        conjunto(QStringLiteral("Interfaz_niif"),
                 QStringLiteral("select * from INTERFAZ_CXPAGAR_NIIF where INCP_ID = :INCP_ID"));
    CCuentas = conjunto(
        QStringLiteral("Interfaz_ctas"),
        QStringLiteral(
            "select * from INTERFAZ_CXPAGAR_CTAS where INCP_ID = :INCP_ID order by INPC_ITEM"));
    CNiif->setMaster(CInterfaz, {{kId, kId}});
    CCuentas->setMaster(CInterfaz, {{kId, kId}});
    dm.ConfigurarProviders(this);

    const auto titulo = [this](const char* campo, const QString& texto,
                               Field::Type tipo = Field::Type::String) {
        CCuentas->declareField(QString::fromLatin1(campo), tipo).setDisplayLabel(texto);
    };
    titulo("INPC_CUENTA", QStringLiteral("Cuenta"));
    titulo("INPC_BASE", QStringLiteral("Base"));
    titulo("INPC_VALOR", QStringLiteral("Valor"), Field::Type::Currency);
    titulo("INPC_PORC", QStringLiteral("Porcent."), Field::Type::Currency);
    titulo("INPC_DB", QStringLiteral("Db."));
    for (const char* oculto : {"INCP_ID", "INPC_ITEM"})
        CCuentas->declareField(QString::fromLatin1(oculto), Field::Type::Integer).setVisible(false);

    CInterfaz->onNewRecord = [](ClientDataset& ds) {
        ds.fieldByName(kId).setValue(0);
        ds.fieldByName(QStringLiteral("TIDO_COD")).setValue(51);
        for (const char* k : {"INCP_BASE", "INCP_IVA"})
            ds.fieldByName(QString::fromLatin1(k)).setValue(kK);
        for (const char* t : {"INCP_RTFTE", "INCP_RTIVA", "INCP_RTICA", "INCP_PROV"})
            ds.fieldByName(QString::fromLatin1(t)).setValue(QStringLiteral("T"));
        ds.fieldByName(QStringLiteral("INCP_CONFIRMAR")).setValue(QStringLiteral("N"));
        ds.fieldByName(QStringLiteral("INCP_EQUIVALENCIA")).setValue(QStringLiteral("N"));
        // Advances set off by an application: not on the window, as the table starts it.
        if (Field* anticipos = ds.findField(QStringLiteral("INCP_ANTI")))
            anticipos->setValue(QStringLiteral("T"));
    };
    CNiif->onNewRecord = [](ClientDataset& ds) {
        for (const char* n : {"INCP_BASE", "INCP_IVA", "INCP_RTFTE", "INCP_RTIVA", "INCP_RTICA",
                              "INCP_RTCREE", "INCP_PROV"})
            ds.fieldByName(QString::fromLatin1(n)).setValue(QStringLiteral("N"));
        if (Field* anticipos = ds.findField(QStringLiteral("INCP_ANTI")))
            anticipos->setValue(QStringLiteral("N"));
    };
    CCuentas->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("INPC_DB")).setValue(QStringLiteral("S"));
        ds.fieldByName(QStringLiteral("INPC_ITEM")).setValue(++contador_);
    };

    if (!CInterfaz->open()) {
        abierta_ = false;
        return;
    }
    CInterfaz->fetchAll();
    if (modo == Modo::Nueva) {
        CInterfaz->append();
        return;
    }
    if (CInterfaz->isEmpty()) {
        dm.dialogs().error(QStringLiteral("No se encontró la interfaz solicitada."));
        abierta_ = false;
        return;
    }
    CInterfaz->edit();
    contador_ =
        dm.sql()
            .scalar(QStringLiteral(
                        "select max(inpc_item) from interfaz_cxpagar_ctas where incp_id = ") +
                    sql::number(id))
            .toInt();
}

QList<EdicionInterfaz::Opcion> EdicionInterfaz::documentos() const {
    QList<Opcion> lista;
    if (auto q =
            dm_.sql().select(QStringLiteral("select TIDO_COD, TIDO_NOMLARGO from TIPO_DOCUMENTO "
                                            "where TIDO_MODULO = 'CXPAGAR' order by TIDO_COD")))
        while (q->next())
            lista << Opcion{q->value(0).toInt(), q->value(1).toString()};
    return lista;
}

QStringList EdicionInterfaz::prefijos(int tipo) const {
    QStringList lista;
    if (auto q =
            dm_.sql().select(QStringLiteral("select PREF_PRE from PREFIJOS where TIDO_COD = ") +
                             sql::number(tipo) + QStringLiteral(" order by PREF_PRE")))
        while (q->next())
            lista << q->value(0).toString();
    return lista;
}

QList<EdicionInterfaz::Opcion> EdicionInterfaz::comprobantes() const {
    QList<Opcion> lista;
    if (auto q = dm_.sql().select(
            QStringLiteral("select TICO_COD, TICO_NOM from TIPO_COMPROBANTE order by TICO_COD")))
        while (q->next())
            lista << Opcion{q->value(0).toString().trimmed(), q->value(1).toString()};
    return lista;
}

QStringList EdicionInterfaz::prefijos_conta(const QString& comprobante) const {
    QStringList lista;
    if (auto q = dm_.sql().select(
            QStringLiteral(
                "select PRCO_PREF from PREFIJOS_CONTA where PRCO_ACTIVO = 'S' and TICO_COD = ") +
            sql::quoted(comprobante) + QStringLiteral(" order by PRCO_PREF")))
        while (q->next())
            lista << q->value(0).toString();
    return lista;
}

bool EdicionInterfaz::en_edicion(ClientDataset& ds) {
    if (!ds.active())
        return false;
    if (ds.state() == ClientDataset::State::Edit || ds.state() == ClientDataset::State::Insert)
        return true;
    return !ds.isEmpty() && ds.edit();
}

bool EdicionInterfaz::asigne(const QString& campo, const QVariant& valor) {
    return en_edicion(*CInterfaz) && CInterfaz->fieldByName(campo).setValue(valor);
}

bool EdicionInterfaz::agregue(ClientDataset& detalle) {
    if (!detalle.active())
        return false;
    // A detail row posts the header first; what the header still lacks is
    // asked for when saving, not on turning a page or adding a line.
    std::vector<Field*> exigidos;
    for (Field* f : CInterfaz->fields())
        if (f->required()) {
            f->setRequired(false);
            exigidos.push_back(f);
        }
    const bool agregado = detalle.append();
    for (Field* f : exigidos)
        f->setRequired(true);
    return agregado;
}

bool EdicionInterfaz::entre_niif() {
    if (!CNiif->active())
        return false;
    return !CNiif->isEmpty() || agregue(*CNiif);
}

Field& EdicionInterfaz::fuente(Libro libro, int concepto) const {
    return this->libro(libro).fieldByName(conceptos().at(static_cast<size_t>(concepto)).fuente);
}

Field& EdicionInterfaz::cuenta(Libro libro, int concepto) const {
    return this->libro(libro).fieldByName(conceptos().at(static_cast<size_t>(concepto)).cuenta);
}

bool EdicionInterfaz::asigne_fuente(Libro libro, int concepto, const QString& letra) {
    if (libro == Libro::Niif && !entre_niif())
        return false;
    if (!en_edicion(this->libro(libro)) || !fuente(libro, concepto).setValue(letra))
        return false;
    // Only a fixed source keeps a fixed account.
    if (letra != kK)
        cuenta(libro, concepto).clear();
    return true;
}

bool EdicionInterfaz::cuenta_habilitada(Libro libro, int concepto) const {
    const ClientDataset& ds = this->libro(libro);
    return ds.active() && !ds.isEmpty() && fuente(libro, concepto).asString() == kK;
}

bool EdicionInterfaz::valida(Libro libro, const QString& texto) {
    Tfdmcnt cnt(dm_);
    return libro == Libro::Niif ? cnt.valide_cuenta_niif(texto) : cnt.valide_cuenta(texto);
}

void EdicionInterfaz::asigne_cuenta(Libro libro, int concepto, const QString& texto) {
    if (!cuenta_habilitada(libro, concepto) || !en_edicion(this->libro(libro)))
        return;
    Field& f = cuenta(libro, concepto);
    if (texto.startsWith(u'?')) {
        busque_cuenta(libro, concepto, texto.mid(1));
        return;
    }
    const QString codigo = texto.trimmed();
    f.setValue(codigo);
    if (!codigo.isEmpty() && !valida(libro, codigo))
        f.clear();
}

void EdicionInterfaz::busque_cuenta(Libro libro, int concepto, const QString& texto) {
    if (!cuenta_habilitada(libro, concepto))
        return;
    SelectorCuentas selector(dm_, libro == Libro::Niif);
    const QString codigo = selector.pregunte(texto);
    if (!codigo.isEmpty() && en_edicion(this->libro(libro)))
        cuenta(libro, concepto).setValue(codigo);
}

bool EdicionInterfaz::agregue_linea() {
    return agregue(*CCuentas);
}

bool EdicionInterfaz::grabe() {
    if (!CInterfaz->active())
        return false;
    // The lines and NIIF row hang on the header: theirs are posted first.
    for (ClientDataset* detalle : {CNiif, CCuentas})
        if (detalle->active() && detalle->state() != ClientDataset::State::Browse &&
            !detalle->post())
            return false;
    if (!en_edicion(*CInterfaz))
        return false;
    Field& id = CInterfaz->fieldByName(kId);
    if (id.asInteger() == 0) {
        const QVariant nuevo =
            dm_.sql().scalar(QStringLiteral("select ID from CAMBIE_ID_INTERCXPAGAR"));
        if (!nuevo.isValid())
            return false;
        id.setValue(nuevo.toInt());
    }
    if (!CInterfaz->post())
        return false;
    if (CInterfaz->applyUpdates(0) != 0) {
        CInterfaz->edit();
        return false;
    }
    return true;
}

void EdicionInterfaz::cancele() {
    if (CInterfaz->active())
        CInterfaz->cancelUpdates();
}

}  // namespace ledgrix
