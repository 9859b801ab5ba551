#include "maintenance/importacion/destino_proveedores.h"

#include <QStringList>
#include <array>

#include "parties/digito_verificacion.h"

namespace ledgrix::importacion {

namespace {

struct DatoTercero {
    const char* dato;
    int largo;  // of the column, which has the item's name
};

// The third party's items the file may bring, besides the NIT.
constexpr std::array kTercero{
    DatoTercero{"TERC_NOM", 60},       DatoTercero{"TERC_DIR", 100},
    DatoTercero{"TERC_CIU", 40},       DatoTercero{"TERC_TEL", 40},
    DatoTercero{"TERC_CONTACTO", 60},  DatoTercero{"TERC_FAX", 40},
    DatoTercero{"TERC_CEL", 40},       DatoTercero{"TERC_TIPOID", 1},
    DatoTercero{"TERC_APELLIDO1", 60}, DatoTercero{"TERC_APELLIDO2", 60},
    DatoTercero{"TERC_NOMBRE1", 60},   DatoTercero{"TERC_NOMBRE2", 60},
};

struct DatoProveedor {
    const char* dato;
    int largo;
};
constexpr std::array kProveedor{DatoProveedor{"PROV_COD", 15}, DatoProveedor{"GRPR_COD", 2},
                                DatoProveedor{"PROV_BANCO", 2}, DatoProveedor{"PROV_TIPOCTA", 1},
                                DatoProveedor{"PROV_CUENTA", 20}};

template <class Lista>
QString asignaciones(const Lista& lista) {
    QStringList partes;
    for (const auto& d : lista)
        partes << QStringLiteral("%1 = coalesce(cast(? as varchar(%2)), %1)")
                      .arg(QLatin1String(d.dato))
                      .arg(d.largo);
    return partes.join(QStringLiteral(", "));
}

}  // namespace

DestinoProveedores::DestinoProveedores(QString usuario, const QList<ColumnaDato>& columnas)
    : usuario_(std::move(usuario)) {
    for (const ColumnaDato& c : columnas)
        if (c.importar && c.dato.startsWith(QLatin1String("PROV_")) &&
            c.dato != QLatin1String("PROV_COD"))
            con_banco_ = true;
}

bool DestinoProveedores::cargue(const QSqlDatabase& db) {
    QString error;
    return (lea_claves(db, QStringLiteral("select TERC_NIT from TERCEROS"), terceros_, error) &&
            lea_claves(db, QStringLiteral("select TERC_NIT from PROVEEDORES"), proveedores_,
                       error) &&
            lea_claves(db, QStringLiteral("select GRPR_COD from GRUPOS_PROVEEDORES"), grupos_,
                       error) &&
            lea_claves(db, QStringLiteral("select TIID_COD from TIPO_ID"), tipos_id_, error) &&
            lea_claves(db, QStringLiteral("select BANC_COD from BANCOS"), bancos_, error)) ||
           falle(error);
}

// The name a new third party is stored with: the file's, or its parts.
QString DestinoProveedores::nombre(const Registro& r) const {
    const QString nom = texto(r, "TERC_NOM");
    if (!nom.isEmpty())
        return nom;
    QStringList partes;
    for (const char* d : {"TERC_NOMBRE1", "TERC_NOMBRE2", "TERC_APELLIDO1", "TERC_APELLIDO2"})
        if (!texto(r, d).isEmpty())
            partes << texto(r, d);
    return partes.join(QLatin1Char(' ')).left(60);
}

QString DestinoProveedores::revise(const Registro& r) {
    const QString nit = texto(r, "TERC_NIT");
    if (nit.isEmpty())
        return QStringLiteral("Falta el NIT.");
    const QString repetido = repetida(nit, QStringLiteral("El NIT ") + nit, r.linea);
    if (!repetido.isEmpty())
        return repetido;
    const QString grupo = texto(r, "GRPR_COD");
    if (grupo.isEmpty() && !proveedores_.contains(nit))
        return QStringLiteral("Falta el grupo del proveedor ") + nit + QLatin1Char('.');
    if (!grupo.isEmpty() && !grupos_.contains(grupo))
        return QStringLiteral("El grupo ") + grupo + QStringLiteral(" no existe.");
    if (!terceros_.contains(nit) && nombre(r).isEmpty())
        return QStringLiteral("Falta el nombre del tercero ") + nit + QLatin1Char('.');
    const QString tipo = texto(r, "TERC_TIPOID");
    if (!tipo.isEmpty() && !tipos_id_.contains(tipo))
        return QStringLiteral("El tipo de identificación ") + tipo + QStringLiteral(" no existe.");
    const QString banco = texto(r, "PROV_BANCO");
    if (!banco.isEmpty() && !bancos_.contains(banco))
        return QStringLiteral("El banco ") + banco + QStringLiteral(" no existe.");
    return {};
}

bool DestinoProveedores::prepare(const QSqlDatabase& db) {
    QStringList columnas, marcas;
    for (const auto& d : kTercero) {
        columnas << QLatin1String(d.dato);
        marcas << QStringLiteral("?");
    }
    inserte_tercero_ = std::make_unique<Sentencia>(db);
    cambie_tercero_ = std::make_unique<Sentencia>(db);
    inserte_proveedor_ = std::make_unique<Sentencia>(db);
    cambie_proveedor_ = std::make_unique<Sentencia>(db);
    const QString inserte_proveedor =
        con_banco_ ? QStringLiteral(
                         "insert into proveedores (terc_nit, prov_cod, grpr_cod, "
                         "prov_simplificado, prov_banco, prov_cuenta, prov_tipocta) "
                         "values (?, ?, ?, 'N', ?, ?, ?)")
                   : QStringLiteral(
                         "insert into proveedores (terc_nit, prov_cod, grpr_cod, "
                         "prov_simplificado) values (?, ?, ?, 'N')");
    const std::array<std::pair<Sentencia*, QString>, 4> sentencias{{
        {inserte_tercero_.get(),
         QStringLiteral("insert into TERCEROS (TERC_NIT, TERC_DV, %1, TERC_PROV, TERC_ESTADO, "
                        "TERC_USUARIO) values (?, ?, %2, 'S', 'S', ?)")
             .arg(columnas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")))},
        {cambie_tercero_.get(), QStringLiteral("update TERCEROS set %1, TERC_PROV = 'S' "
                                               "where TERC_NIT = ?")
                                    .arg(asignaciones(kTercero))},
        {inserte_proveedor_.get(), inserte_proveedor},
        {cambie_proveedor_.get(), QStringLiteral("update proveedores set %1 where terc_nit = ?")
                                      .arg(asignaciones(kProveedor))},
    }};
    for (const auto& [s, sql] : sentencias)
        if (!s->prepare(sql))
            return falle(s->error());
    return true;
}

bool DestinoProveedores::escriba(const Registro& r) {
    const QString nit = texto(r, "TERC_NIT");
    QVariantList tercero;
    if (terceros_.contains(nit)) {
        for (const auto& d : kTercero)
            tercero << texto_o_nulo(r, d.dato);
        tercero << nit;
        if (!cambie_tercero_->ejecute(tercero))
            return falle(cambie_tercero_->error());
    } else {
        const std::optional<int> digito = dv(nit);
        tercero << nit << (digito ? QVariant(QString::number(*digito)) : QVariant());
        for (const auto& d : kTercero)
            tercero << (QLatin1String(d.dato) == QLatin1String("TERC_NOM")
                            ? QVariant(nombre(r))
                            : texto_o_nulo(r, d.dato));
        tercero << usuario_;
        if (!inserte_tercero_->ejecute(tercero))
            return falle(inserte_tercero_->error());
    }
    if (proveedores_.contains(nit)) {
        QVariantList proveedor;
        for (const auto& d : kProveedor)
            proveedor << texto_o_nulo(r, d.dato);
        proveedor << nit;
        return cambie_proveedor_->ejecute(proveedor) || falle(cambie_proveedor_->error());
    }
    QVariantList proveedor{nit, texto_o_nulo(r, "PROV_COD"), texto(r, "GRPR_COD")};
    if (con_banco_)
        proveedor << texto_o_nulo(r, "PROV_BANCO") << texto_o_nulo(r, "PROV_CUENTA")
                  << texto_o_nulo(r, "PROV_TIPOCTA");
    return inserte_proveedor_->ejecute(proveedor) || falle(inserte_proveedor_->error());
}

QString DestinoProveedores::avance(const Registro& r) const {
    return QStringLiteral("Proveedor: ") + texto(r, "TERC_NIT");
}

}  // namespace ledgrix::importacion
