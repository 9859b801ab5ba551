#include "reports/movimiento/movimiento_en_pantalla.h"

#include "core/data/client_dataset.h"
#include "core/money/formato_numero.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "parties/tfdmter.h"
#include "reports/consulta/consulta_cxpagar.h"
#include "reports/consulta/lectura_reporte.h"
#include "reports/impresos/criterios.h"

namespace ledgrix {

MovimientoEnPantalla::MovimientoEnPantalla(Tfdm& dm, QObject* parent)
    : QObject(parent),
      dm_(dm),
      nit_(Tfdmter::entregado.nit.trimmed()),
      nombre_(Tfdmter::entregado.nombre.trimmed()),
      filas_(conjunto_reporte(dm, this, QStringLiteral("Movimiento"))),
      saldo_(SaldoCorrido::descuenta_causadas(dm)) {
    // What the supplier's rows repeat stays out of sight.
    for (const char* oculta :
         {"NIT", "NOMBRE", "TELEFONO", "CIUDAD", "CODZONA", "NOMZONA", "DV", "CODCIUD", "NOMCIUD",
          "INICIAL", "TIPODOC", "IDDOC", "SALDO", "ARTFTE", "ARTIVA", "ARTICA"})
        filas_->declareField(QString::fromLatin1(oculta)).setVisible(false);
    const std::pair<const char*, QString> titulos[] = {
        {"PREFIJO", QStringLiteral("Prefijo")}, {"NUMERO", QStringLiteral("Número")},
        {"FECHA", QStringLiteral("Fecha")},     {"CONCEPTO", QStringLiteral("Concepto")},
        {"DEBITO", QStringLiteral("Débito")},   {"CREDITO", QStringLiteral("Crédito")},
        {"RTFTE", QStringLiteral("Rte.Fte.")},  {"RTIVA", QStringLiteral("Rte.IVA")},
        {"RTICA", QStringLiteral("Rte.ICA")},   {"ABONO", QStringLiteral("Abono")}};
    for (const auto& [campo, titulo] : titulos)
        filas_->declareField(QString::fromLatin1(campo)).setDisplayLabel(titulo);
    dm.ConfigurarProviders(this);
    saldo_.instale(*filas_).setDisplayLabel(QStringLiteral("Saldo"));
    const QDate hoy = dm.clock().today();
    desde = dm.periodo_desde.isValid() ? dm.periodo_desde : QDate(hoy.year(), hoy.month(), 1);
    hasta = dm.periodo_hasta.isValid() ? dm.periodo_hasta : hoy;
}

QString MovimientoEnPantalla::saldos() const {
    if (!filas_->active() || filas_->isEmpty())
        return {};
    // Every row carries the supplier's balances before and at the end of
    // the period.
    const auto monto = [this](const char* campo) {
        return FormatoNumero::instalacion().escriba(
            filas_->fieldByName(QString::fromLatin1(campo)).asCurrency());
    };
    return QStringLiteral("Saldo inicial: %1     Saldo final: %2")
        .arg(monto("INICIAL"), monto("SALDO"));
}

QString MovimientoEnPantalla::consulta() const {
    const QString nit = sql::quoted(nit_);
    return QStringLiteral(" select * from rep_movimiento_proveedor (") +
           QStringList{nit,
                       nit,
                       QStringLiteral("'0'"),
                       QStringLiteral("'zz'"),
                       sql::date(desde),
                       sql::date(hasta),
                       QStringLiteral("'S'"),
                       QStringLiteral("'C'"),
                       QStringLiteral("'N'"),
                       QStringLiteral("0"),
                       sql::number(dm_.ctx.agencia)}
               .join(',') +
           QStringLiteral(")");
}

bool MovimientoEnPantalla::calcule() {
    if (!valide_periodo(dm_.dialogs(), desde, hasta))
        return false;
    if (!sql::admisible(nit_, 20)) {
        dm_.dialogs().error(QStringLiteral("No hay un proveedor válido para consultar."));
        return false;
    }
    filas_->close();
    filas_->setCommandText(consulta());
    return filas_->open();
}

QString MovimientoEnPantalla::ventana_consulta() {
    if (!filas_->active() || filas_->recNo() < 0)
        return {};
    const int tipo = static_cast<int>(filas_->fieldByName(QStringLiteral("TIPODOC")).asInteger());
    // A settling row's document is the voucher, application or credit
    // that holds the movement.
    const QString clase = tipo == 54   ? QStringLiteral("Tfconsegreso")
                          : tipo == 53 ? QStringLiteral("Tfconsaplicacion")
                                       : ConsultaCxpagar::ventana_de(tipo);
    if (clase.isEmpty())
        return {};
    DocumentoSeleccionado d;
    d.tipo = tipo;
    d.id = filas_->fieldByName(QStringLiteral("IDDOC")).asInteger();
    d.prefijo = filas_->fieldByName(QStringLiteral("PREFIJO")).asString().trimmed();
    d.numero = filas_->fieldByName(QStringLiteral("NUMERO")).asString().trimmed();
    d.nombre = nombre_;
    dm_.documento_consultado = d;
    return clase;
}

}  // namespace ledgrix
