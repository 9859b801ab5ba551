#include "accounting/selectores/selector_cuentas.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

SelectorCuentas::Ventana& ventana_instalada() {
    static SelectorCuentas::Ventana ventana;
    return ventana;
}

}  // namespace

void SelectorCuentas::instale_ventana(Ventana ventana) {
    ventana_instalada() = std::move(ventana);
}

void SelectorCuentas::busque(const QString& texto) {
    texto_ = texto;
    lineas_.clear();
    // CONTAINING ignores case; inactive accounts cannot be posted to.
    QString sql = QStringLiteral("select CUEN_COD, CUEN_NOM from ") +
                  (niif_ ? QStringLiteral("CUENTAS_NIIF") : QStringLiteral("CUENTAS")) +
                  QStringLiteral(" where coalesce(CUEN_ACTIVA, 'S') <> 'N'");
    const QString buscado = texto.trimmed();
    if (!buscado.isEmpty())
        sql += QStringLiteral(" and (CUEN_COD containing ") + sql::quoted(buscado) +
               QStringLiteral(" or CUEN_NOM containing ") + sql::quoted(buscado) +
               QStringLiteral(")");
    sql += QStringLiteral(" order by CUEN_COD");
    if (auto q = dm_.sql().select(sql))
        while (q->next())
            lineas_.push_back({q->value(0).toString().trimmed(), q->value(1).toString()});
    actual_ = lineas_.empty() ? -1 : 0;
}

void SelectorCuentas::elija(int linea) {
    if (linea >= 0 && linea < static_cast<int>(lineas_.size()))
        actual_ = linea;
}

QString SelectorCuentas::elegida() const {
    return actual_ < 0 ? QString() : lineas_[static_cast<size_t>(actual_)].codigo;
}

QString SelectorCuentas::pregunte(const QString& texto) {
    busque(texto);
    const int resultado = dm_.dialogs().modal(QStringLiteral("Tfbusccuentas"), [this] {
        const Ventana& ventana = ventana_instalada();
        return ventana ? ventana(*this) : 0;
    });
    return resultado == 1 ? elegida() : QString();
}

}  // namespace ledgrix
