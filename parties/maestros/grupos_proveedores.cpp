#include "parties/maestros/grupos_proveedores.h"

#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

struct Columna {
    const char* nombre;
    const char* titulo;
};

const Columna kColumnas[] = {
    {"GRPR_COD", "Código"},
    {"GRPR_NOM", "Nombre"},
    {"GRPR_CTAPROV", "Cta. proveedor"},
    {"GRPR_CTARTFTE", "Cta. ret. fuente"},
    {"GRPR_CTARTIVA", "Cta. ret. IVA"},
    {"GRPR_CTARTICA", "Cta. ret. ICA"},
    {"GRPR_CTAANTI", "Cta. anticipos"},
    {"GRPR_CTAPROVNIIF", "NIIF|Cta. proveedor"},
    {"GRPR_CTARFTENIIF", "NIIF|Cta. ret. fuente"},
    {"GRPR_CTARIVANIIF", "NIIF|Cta. ret. IVA"},
    {"GRPR_CTARICANIIF", "NIIF|Cta. ret. ICA"},
    {"GRPR_CTAANTINIIF", "NIIF|Cta. anticipos"},
};

bool es_cuenta(const QString& columna) {
    return columna.startsWith(QStringLiteral("GRPR_CTA"));
}

}  // namespace

GruposProveedores::GruposProveedores(Tfdm& dm, CuentasTerceros cuentas, QObject* parent)
    : MaestroGrilla(dm, QStringLiteral("Grupos_proveedores"),
                    QStringLiteral("select * from grupos_proveedores order by grpr_cod"), parent),
      cuentas_(std::move(cuentas)) {
    dm.ConfigurarProviders(this);
    for (const Columna& c : kColumnas)
        filas_->declareField(QString::fromLatin1(c.nombre))
            .setDisplayLabel(QString::fromUtf8(c.titulo));
    filas_->beforePost = [this](ClientDataset& ds) {
        if (ds.fieldByName(QStringLiteral("GRPR_COD")).asString().trimmed().isEmpty() ||
            ds.fieldByName(QStringLiteral("GRPR_NOM")).asString().trimmed().isEmpty()) {
            dm_.dialogs().error(QStringLiteral("Falta ingresar el código o el nombre del grupo."));
            ds.abort();
            return;
        }
        for (const Columna& c : kColumnas) {
            const QString columna = QString::fromLatin1(c.nombre);
            const QString cuenta = ds.fieldByName(columna).asString().trimmed();
            if (es_cuenta(columna) && !cuenta.isEmpty() &&
                !(cuentas_.valide && cuentas_.valide(cuenta, es_cuenta_niif(columna)))) {
                ds.abort();
                return;
            }
        }
    };
    abra();
}

bool GruposProveedores::busque_cuenta(const QString& columna, const QString& texto) {
    if (!es_cuenta(columna) || !cuentas_.busque || filas_->isEmpty())
        return false;
    const QString elegida = cuentas_.busque(texto, es_cuenta_niif(columna));
    if (elegida.isEmpty())
        return false;
    if (filas_->state() == ClientDataset::State::Browse && !filas_->edit())
        return false;
    return filas_->fieldByName(columna).setValue(elegida);
}

}  // namespace ledgrix
