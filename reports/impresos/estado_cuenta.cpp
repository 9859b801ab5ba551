#include "reports/impresos/estado_cuenta.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "core/data/client_dataset.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/motor/fuente.h"
#include "reports/motor/reporte.h"

namespace ledgrix {

namespace {

// The rows of one supplier within all the rows read.
class FuenteTramo : public FuenteReporte {
  public:
    FuenteTramo(const FuenteReporte& todas, int desde, int hasta)
        : todas_(todas), desde_(desde), hasta_(hasta) {}
    int filas() const override { return hasta_ - desde_; }
    int columna(const QString& nombre) const override { return todas_.columna(nombre); }
    QVariant valor(int fila, int columna) const override {
        return todas_.valor(desde_ + fila, columna);
    }

  private:
    const FuenteReporte& todas_;
    int desde_, hasta_;
};

}  // namespace

EstadoCuenta::EstadoCuenta(Tfdm& dm, QObject* parent) : MovimientoProveedor(dm, parent) {
    detalle = true;
}

bool EstadoCuenta::valide_propios() {
    if (observaciones.size() > 250) {
        dm().dialogs().error(
            QStringLiteral("Las observaciones no pueden pasar de 250 caracteres."));
        return false;
    }
    return MovimientoProveedor::valide_propios();
}

QString EstadoCuenta::titulo_predeterminado() const {
    const Rango p = proveedores();
    return QStringLiteral("Fecha: %1 - %2  Nit: %3 - %4")
        .arg(sql::dateText(criterios.desde), sql::dateText(criterios.hasta), p.desde, p.hasta);
}

QString EstadoCuenta::consulta() const {
    const Rango p = proveedores();
    return llamada({sql::quoted(p.desde), sql::quoted(p.hasta), QStringLiteral("'00'"),
                    QStringLiteral("'zz'"), sql::date(criterios.desde), sql::date(criterios.hasta),
                    QStringLiteral("'S'"), QStringLiteral("'C'"), QStringLiteral("'N'"),
                    sql::number(criterios.moneda) + QStringLiteral(" "), sql::number(agencia())});
}

void EstadoCuenta::ajuste(Reporte& reporte) const {
    reporte.parametro(QStringLiteral("fechainicio"), sql::dateText(criterios.desde));
    reporte.parametro(QStringLiteral("fechafinal"), sql::dateText(criterios.hasta));
    reporte.parametro(QStringLiteral("observaciones"), observaciones);
}

QString EstadoCuenta::archivo_de(const QString& nit) const {
    static const QRegularExpression ajeno(QStringLiteral("[^A-Za-z0-9._-]"));
    QString limpio = nit.trimmed();
    limpio.replace(ajeno, QStringLiteral("_"));
    const QString f = QStringLiteral("yyyyMMdd");
    return QStringLiteral("%1 %2-%3.pdf")
        .arg(limpio, criterios.desde.toString(f), criterios.hasta.toString(f));
}

std::optional<QStringList> EstadoCuenta::escriba_por_proveedor(const QString& carpeta) {
    ClientDataset& f = filas();
    const int total = f.active() ? f.recordCount() : 0;
    if (total == 0)
        return QStringList{};
    const int nit = f.fieldByName(QStringLiteral("NIT")).index();
    const FuenteDataset todas(f);
    QStringList escritos;
    const auto deshaga = [&escritos] {
        for (const QString& a : escritos)
            QFile::remove(a);
        return std::nullopt;
    };
    int inicio = 0;
    for (int i = 1; i <= total; ++i) {
        const QString del_inicio = f.valueAt(inicio, nit).toString();
        if (i < total && f.valueAt(i, nit).toString() == del_inicio)
            continue;
        std::optional<Reporte> r = reporte();
        if (!r)
            return deshaga();
        const FuenteTramo tramo(todas, inicio, i);
        r->datos(tramo);
        const QString ruta = QDir(carpeta).filePath(archivo_de(del_inicio));
        if (!r->escriba_pdf(ruta)) {
            dm().dialogs().error(QStringLiteral("No se pudo escribir el archivo %1: %2")
                                     .arg(QDir::toNativeSeparators(ruta), r->error()));
            return deshaga();
        }
        escritos << ruta;
        inicio = i;
    }
    return escritos;
}

}  // namespace ledgrix
