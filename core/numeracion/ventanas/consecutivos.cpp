#include "core/numeracion/ventanas/consecutivos.h"

#include <QRegularExpression>

#include "core/numeracion/numeracion.h"

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

const QString kProy = QStringLiteral("PREF_PROY");
const QString kCentro = QStringLiteral("PREF_CENTRO");
const QString kSubc = QStringLiteral("PREF_SUBC");
const QString kPre = QStringLiteral("PREF_PRE");

bool editando(const ClientDataset& ds) {
    return ds.state() == ClientDataset::State::Edit || ds.state() == ClientDataset::State::Insert;
}

}  // namespace

ClientDataset* Consecutivos::conjunto(const QString& tabla, const QString& conexion,
                                      const QString& texto) {
    auto* p = new Provider(this, QStringLiteral("P") + tabla);
    p->setConnectionName(conexion);
    p->setQueryName(QStringLiteral("Q") + tabla);
    p->setCommandText(texto);
    auto* ds = new ClientDataset(this, QStringLiteral("C") + tabla);
    ds->setProvider(p);
    return ds;
}

Consecutivos::Consecutivos(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CUsuarios =
        conjunto(QStringLiteral("Usuarios"), dm.ConGeneral(),
                 QStringLiteral("SELECT C.USUA_COD, USUA_NOMBRE FROM USUARIO U, COMPANIA_USUARIO C "
                                "WHERE U.USUA_COD = C.USUA_COD AND C.COMP_COD  = ") +
                     sql::quoted(dm.ctx.compania.codigo));
    CProyectos =
        conjunto(QStringLiteral("Proyectos"), dm.Ledgrix(),
                 QStringLiteral("select PROY_COD, PROY_NOM from PROYECTOS order by PROY_COD"));
    CCentros = conjunto(
        QStringLiteral("Centros"), dm.Ledgrix(),
        QStringLiteral(
            "select PROY_COD, CENT_COD, CENT_NOM from CENTROS order by PROY_COD, CENT_COD"));
    CSubcentros =
        conjunto(QStringLiteral("Subcentros"), dm.Ledgrix(),
                 QStringLiteral("select PROY_COD, CENT_COD, SUBC_COD, SUBC_NOM from SUBCENTROS "
                                "order by PROY_COD, CENT_COD, SUBC_COD"));
    CComprobantes = conjunto(
        QStringLiteral("Tipo_comprobante"), dm.Ledgrix(),
        QStringLiteral("select TICO_COD, TICO_NOM from TIPO_COMPROBANTE order by TICO_COD"));
    CSucursales =
        conjunto(QStringLiteral("Sucursales"), dm.Ledgrix(),
                 QStringLiteral("select SUCU_ID, SUCU_NOMBRE from SUCURSALES order by SUCU_ID"));
    CTipos = conjunto(QStringLiteral("Tipo_documento"), dm.Ledgrix(),
                      QStringLiteral("select * from TIPO_DOCUMENTO order by TIDO_NOMLARGO"));
    // The grid shows the columns in this order; the rest are hidden.
    CPrefijos = conjunto(
        QStringLiteral("Prefijos"), dm.Ledgrix(),
        QStringLiteral("select TICO_COD, PREF_PRE, PREF_ACTUAL, PREF_AUTO, PREF_PROY, PREF_CENTRO, "
                       "PREF_SUBC, PREF_ACTIVO, SUCU_ID, TIDO_COD, PREF_IVAINC, PREF_USUARIO "
                       "from PREFIJOS where TIDO_COD = :TIDO_COD order by PREF_PRE"));
    CPrefijosUsuario = conjunto(
        QStringLiteral("Prefijos_usuario"), dm.Ledgrix(),
        QStringLiteral("select USER_COD, TIDO_COD, PREF_PRE from PREFIJOS_USUARIO "
                       "where TIDO_COD = :TIDO_COD and PREF_PRE = :PREF_PRE order by USER_COD"));
    CPrefijos->setMaster(CTipos, {{QStringLiteral("TIDO_COD"), QStringLiteral("TIDO_COD")}});
    CPrefijosUsuario->setMaster(
        CPrefijos, {{QStringLiteral("TIDO_COD"), QStringLiteral("TIDO_COD")}, {kPre, kPre}});
    dm.ConfigurarProviders(this);

    const auto etiqueta = [](ClientDataset* ds, const QString& campo, const QString& texto,
                             Field::Type tipo = Field::Type::String) -> Field& {
        Field& f = ds->declareField(campo, tipo);
        f.setDisplayLabel(texto);
        return f;
    };
    etiqueta(CPrefijos, QStringLiteral("TICO_COD"), QStringLiteral("Tipo comprobante"));
    etiqueta(CPrefijos, kPre, QStringLiteral("Prefijo"));
    etiqueta(CPrefijos, QStringLiteral("PREF_ACTUAL"), QStringLiteral("Consecutivo"));
    etiqueta(CPrefijos, QStringLiteral("PREF_AUTO"), QStringLiteral("Automático"));
    etiqueta(CPrefijos, kProy, QStringLiteral("Proyecto")).onChange = [this](Field& f) {
        valide_proyecto(f);
    };
    etiqueta(CPrefijos, kCentro, QStringLiteral("Centro")).onChange = [this](Field& f) {
        valide_centro(f);
    };
    etiqueta(CPrefijos, kSubc, QStringLiteral("Subcentro"));
    etiqueta(CPrefijos, QStringLiteral("PREF_ACTIVO"), QStringLiteral("Activo"));
    etiqueta(CPrefijos, QStringLiteral("SUCU_ID"), QStringLiteral("Agencia"), Field::Type::Integer);
    for (const char* oculto : {"TIDO_COD", "PREF_IVAINC", "PREF_USUARIO"})
        CPrefijos->declareField(QString::fromLatin1(oculto)).setVisible(false);
    etiqueta(CPrefijosUsuario, QStringLiteral("USER_COD"), QStringLiteral("Usuario"));
    for (const char* oculto : {"TIDO_COD", "PREF_PRE"})
        CPrefijosUsuario->declareField(QString::fromLatin1(oculto)).setVisible(false);

    CTipos->beforePost = [](ClientDataset& ds) {
        if (ds.fieldByName(QStringLiteral("TIDO_COD")).isNull()) {
            ds.cancel();
            ds.abort();
        }
    };
    CPrefijos->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("TIDO_COD"))
            .setValue(CTipos->fieldByName(QStringLiteral("TIDO_COD")).value());
        ds.fieldByName(QStringLiteral("PREF_AUTO")).setValue(QStringLiteral("S"));
        ds.fieldByName(QStringLiteral("PREF_IVAINC")).setValue(QStringLiteral("N"));
        ds.fieldByName(QStringLiteral("PREF_ACTIVO")).setValue(QStringLiteral("S"));
        // A new series starts at the first number and serves every agency.
        ds.fieldByName(QStringLiteral("PREF_ACTUAL")).setValue(QStringLiteral("000001"));
        ds.fieldByName(QStringLiteral("SUCU_ID")).setValue(0);
    };
    CPrefijos->beforePost = [this](ClientDataset& ds) {
        // A row left without prefix is dropped, not reported.
        if (ds.fieldByName(kPre).asString().trimmed().isEmpty()) {
            ds.cancel();
            ds.abort();
            return;
        }
        // The consecutive is a number the series counts from: digits only,
        // zero-filled to six.
        Field& actual = ds.fieldByName(QStringLiteral("PREF_ACTUAL"));
        const QString numero = actual.asString().trimmed();
        static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,6}$"));
        if (!digitos.match(numero).hasMatch()) {
            dm_.dialogs().error(
                QStringLiteral("El consecutivo debe ser un número de hasta 6 dígitos."));
            ds.abort();
            return;
        }
        actual.setValue(complete_numero(numero));
        ds.fieldByName(QStringLiteral("PREF_USUARIO")).setValue(dm_.ctx.nombre_usuario);
    };
    CPrefijosUsuario->beforePost = [](ClientDataset& ds) {
        if (ds.fieldByName(QStringLiteral("USER_COD")).asString().isEmpty()) {
            ds.cancel();
            ds.abort();
        }
    };
    CPrefijosUsuario->addCalculatedField(QStringLiteral("USUA_NOMBRE"), Field::Type::String, 60)
        .setDisplayLabel(QStringLiteral("Nombre"));
    CPrefijosUsuario->onCalcFields = [this](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("USUA_NOMBRE"))
            .setValue(nombre_usuario(ds.fieldByName(QStringLiteral("USER_COD")).asString()));
    };

    for (ClientDataset* lista :
         {CUsuarios, CProyectos, CCentros, CSubcentros, CComprobantes, CSucursales}) {
        lista->open();
        lista->fetchAll();
    }
    CTipos->setFilterText(QStringLiteral("TIDO_MODULO = 'CXPAGAR'"));
    if (CTipos->open()) {
        CTipos->fetchAll();
        const int nombre = CTipos->fieldByName(QStringLiteral("TIDO_NOMLARGO")).index();
        for (int i = 0; i < CTipos->recordCount(); ++i)
            documentos_ << CTipos->valueAt(i, nombre).toString();
        CTipos->first();
    }
}

bool Consecutivos::elija_documento(const QString& nombre_largo) {
    if (!CTipos->active())
        return false;
    return CTipos->locate(QStringLiteral("TIDO_NOMLARGO"), {nombre_largo});
}

QStringList Consecutivos::codigos_proyecto() const {
    QStringList codigos;
    for (int i = 0; i < CProyectos->recordCount(); ++i)
        codigos << CProyectos
                       ->valueAt(i, CProyectos->fieldByName(QStringLiteral("PROY_COD")).index())
                       .toString();
    return codigos;
}

QString Consecutivos::nombre_usuario(const QString& codigo) const {
    const int cod = CUsuarios->fieldByName(QStringLiteral("USUA_COD")).index();
    const int nom = CUsuarios->fieldByName(QStringLiteral("USUA_NOMBRE")).index();
    for (int i = 0; i < CUsuarios->recordCount(); ++i)
        if (CUsuarios->valueAt(i, cod).toString() == codigo)
            return CUsuarios->valueAt(i, nom).toString();
    return codigo;
}

void Consecutivos::valide_proyecto(Field& f) {
    const QString codigo = f.asString();
    if (codigo.isEmpty() || CProyectos->locate(QStringLiteral("PROY_COD"), {codigo}))
        return;
    dm_.dialogs().error(QStringLiteral("El proyecto ") + codigo + QStringLiteral(" no existe."));
    f.clear();
}

void Consecutivos::valide_centro(Field& f) {
    const QString codigo = f.asString();
    if (codigo.isEmpty())
        return;
    const QString proyecto = CPrefijos->fieldByName(kProy).asString();
    const bool existe = proyecto.isEmpty() ? CCentros->locate(QStringLiteral("CENT_COD"), {codigo})
                                           : CCentros->locate(QStringLiteral("PROY_COD;CENT_COD"),
                                                              {proyecto, codigo});
    if (existe)
        return;
    dm_.dialogs().error(proyecto.isEmpty()
                            ? QStringLiteral("El centro de costo ") + codigo +
                                  QStringLiteral(" no existe.")
                            : QStringLiteral("El centro de costo ") + codigo +
                                  QStringLiteral(" no existe en el proyecto ") + proyecto + u'.');
    f.clear();
}

bool Consecutivos::asigne_centro(const CentroCosto& centro) {
    if (!CPrefijos->active())
        return false;
    if (!editando(*CPrefijos)) {
        const bool sin_prefijo =
            CPrefijos->isEmpty() || CPrefijos->fieldByName(kPre).asString().isEmpty();
        if (!(sin_prefijo ? CPrefijos->append() : CPrefijos->edit()))
            return false;
    }
    // The centre is checked against the project, so the project goes first.
    CPrefijos->fieldByName(kProy).setValue(centro.proyecto);
    CPrefijos->fieldByName(kCentro).setValue(centro.centro);
    CPrefijos->fieldByName(kSubc).setValue(centro.subcentro);
    return true;
}

int Consecutivos::cambios() const {
    return CTipos->changeCount();
}

bool Consecutivos::grabe() {
    // A series row left without prefix goes away here, before the apply.
    for (ClientDataset* ds : {CPrefijosUsuario, CPrefijos, CTipos}) {
        if (!editando(*ds))
            continue;
        ds->post();
        if (editando(*ds))
            return false;
    }
    return CTipos->applyUpdates(0) == 0;
}

void Consecutivos::cancele() {
    for (ClientDataset* ds : {CPrefijosUsuario, CPrefijos, CTipos})
        ds->cancel();
    CTipos->cancelUpdates();
}

}  // namespace ledgrix
