#include "parties/acreedores/busqueda_proveedores.h"

#include "core/data/client_dataset.h"
#include "core/data/conjunto.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "parties/acreedores/acceso_proveedores.h"
#include "parties/tfdmter.h"

namespace ledgrix {

namespace {

void titule(ClientDataset& ds, const char* campo, const char* titulo,
            Field::Type tipo = Field::Type::String) {
    ds.declareField(QString::fromLatin1(campo), tipo).setDisplayLabel(QString::fromUtf8(titulo));
}

}  // namespace

BusquedaProveedores::BusquedaProveedores(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CProveedores = conjunto(this, dm.Ledgrix(), QStringLiteral("Proveedores"), {});
    CCompras = conjunto(this, dm.Ledgrix(), QStringLiteral("Compras"), {});
    dm.ConfigurarProviders(this);
    titule(*CProveedores, "TERC_NIT", "Nit");
    titule(*CProveedores, "TERC_NOM", "Nombre");
    titule(*CProveedores, "TERC_CIU", "Ciudad");
    titule(*CProveedores, "TERC_TEL", "Teléfono");
    titule(*CProveedores, "PROV_COD", "Código");
    titule(*CProveedores, "PROV_SIMPLIFICADO", "Simplif.");
    titule(*CProveedores, "TERC_CONTACTO", "Contacto");
    titule(*CProveedores, "TERC_ESTADO", "Activo");
    titule(*CProveedores, "GRPR_COD", "Grupo");
    titule(*CCompras, "MES", "Mes", Field::Type::Integer);
    titule(*CCompras, "COMPRAS", "Compras", Field::Type::Currency);
    titule(*CCompras, "DEVOLUCIONES", "Devoluciones", Field::Type::Currency);
    titule(*CCompras, "NETO", "Neto", Field::Type::Currency);

    // The main window marks its own opening; any other caller is picking.
    para_elegir_ = !dm.ctx.busqueda_principal;
    dm.ctx.busqueda_principal = false;
    if (para_elegir_)
        texto_inicial_ = Tfdmter::texto_busqueda.trimmed();
    Tfdmter::texto_busqueda.clear();
    if (!texto_inicial_.isEmpty()) {
        CProveedores->setCommandText(consulta_proveedores_por_nombre(texto_inicial_));
        if (CProveedores->open())
            CProveedores->fetchAll();
    } else {
        cargue(criterio_);
    }
}

bool BusquedaProveedores::cargue(const CriterioProveedores& criterio) {
    criterio_ = criterio;
    CProveedores->close();
    CProveedores->setCommandText(consulta_proveedores(criterio));
    if (!CProveedores->open())
        return false;
    CProveedores->fetchAll();
    return true;
}

bool BusquedaProveedores::refresque() {
    const QString nit = nit_actual();
    if (!cargue(criterio_))
        return false;
    if (!nit.isEmpty())
        CProveedores->locate(QStringLiteral("TERC_NIT"), {nit});
    return true;
}

QString BusquedaProveedores::nit_actual() const {
    if (!CProveedores->active() || CProveedores->isEmpty() || CProveedores->recNo() < 0)
        return {};
    return CProveedores->fieldByName(QStringLiteral("TERC_NIT")).asString().trimmed();
}

QString BusquedaProveedores::seleccione() {
    const QString nit = nit_actual();
    if (!nit.isEmpty())
        Tfdmter::entregado = {nit,
                              CProveedores->fieldByName(QStringLiteral("TERC_NOM")).asString()};
    return nit;
}

bool BusquedaProveedores::permita_nuevo() {
    return permita_nuevo_proveedor(dm_);
}

bool BusquedaProveedores::borre() {
    const QString nit = nit_actual();
    if (nit.isEmpty() || !permita_nuevo())
        return false;
    if (!dm_.dialogs().question(QStringLiteral("Desea borrar definitivamente el tercero con NIT ") +
                                nit + QStringLiteral(" ?")))
        return false;
    if (!dm_.sql().execute(QStringLiteral("delete from terceros where terc_nit = ") +
                           sql::quoted(nit)))
        return false;
    cargue(criterio_);
    return true;
}

ClientDataset* BusquedaProveedores::compras_anuales(int ano) {
    const QString nit = nit_actual();
    if (nit.isEmpty())
        return nullptr;
    CCompras->close();
    CCompras->setCommandText(QStringLiteral("SELECT * FROM COMPRAS_ANUALES_PROVEEDOR(") +
                             sql::quoted(nit) + QStringLiteral(",") + sql::number(ano) +
                             QStringLiteral(")"));
    if (!CCompras->open())
        return nullptr;
    CCompras->fetchAll();
    return CCompras;
}

}  // namespace ledgrix
