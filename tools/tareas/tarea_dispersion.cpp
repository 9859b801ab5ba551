// The bank file of a confirmed payment schedule, as its search window's
// "Archivo de dispersión" panel writes it.
#include <QDir>
#include <QSqlQuery>

#include "core/money/formato_numero.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/progreso.h"
#include "payments/programacion/archivo_dispersion.h"
#include "tools/tareas/orden.h"
#include "tools/tareas/trabajo.h"

namespace ledgrix::tareas {

namespace {
QString S(const char* texto) {
    return QString::fromUtf8(texto);
}

struct Programacion {
    int id = 0;
    QString nombre;  // series and number, as the search shows them
    bool confirmada = false;
    bool anulada = false;
};

// "000007" (or "7") in any series, or "PP01000007": the series before the
// last six characters (series may be digits too, as "0000" is).
std::optional<Programacion> busque(Trabajo& t, const QString& texto, QString& error) {
    const QString v = texto.trimmed().toUpper();
    QString sql =
        S("select PRPG_ID, PRPG_PREF, PRPG_NUMERO, PRPG_CONFIRMADO, PRPG_ANULADO from "
          "PROGRAMACION_PAGOS_ENC where PRPG_ID <> 0 and ");
    if (v.size() <= 6)
        sql += S("PRPG_NUMERO = ") + sql::quoted(v.rightJustified(6, u'0'));
    else
        sql += S("PRPG_PREF = ") + sql::quoted(v.chopped(6)) + S(" and PRPG_NUMERO = ") +
               sql::quoted(v.right(6));
    auto q = t.dm.sql().select(sql);
    if (!q) {
        error = S("la base de datos no respondió la búsqueda de la programación.");
        return std::nullopt;
    }
    std::vector<Programacion> halladas;
    while (q->next())
        halladas.push_back({q->value(0).toInt(),
                            q->value(1).toString().trimmed() + q->value(2).toString().trimmed(),
                            q->value(3).toString() == QStringLiteral("S"),
                            q->value(4).toString() == QStringLiteral("S")});
    if (halladas.empty()) {
        error = S("no existe la programación de pagos %1.").arg(v);
        return std::nullopt;
    }
    if (halladas.size() > 1) {
        QStringList nombres;
        for (const Programacion& p : halladas)
            nombres << p.nombre;
        error = S("hay varias programaciones con el número %1 (%2): escriba la serie delante del "
                  "número.")
                    .arg(v, nombres.join(S(", ")));
        return std::nullopt;
    }
    return halladas.front();
}
}  // namespace

Resultado dispersion(Trabajo& t) {
    const Orden& o = t.orden;
    QString error;
    const std::optional<Programacion> p =
        busque(t, o.valor(QStringLiteral("--programacion")), error);
    if (!p)
        return Resultado::falla(error);
    if (p->anulada)
        return Resultado::falla(S("la programación de pagos %1 está anulada.").arg(p->nombre));
    if (!p->confirmada)
        return Resultado::falla(S("la programación de pagos %1 no está confirmada: el banco sólo "
                                  "recibe las confirmadas.")
                                    .arg(p->nombre));
    t.progreso.avance(10, S("Archivo de dispersión de la programación %1").arg(p->nombre));
    const auto r = ArchivoDispersion(t.dm).exporte(
        p->id, o.fecha(QStringLiteral("--fecha")), o.valor(QStringLiteral("--secuencia")).trimmed(),
        o.valor(QStringLiteral("--formato")).trimmed(),
        ArchivoDispersion::con_extension(o.valor(QStringLiteral("--salida"))));
    if (!r)
        return Resultado::falla(S("no se generó el archivo de la programación %1.").arg(p->nombre));
    t.progreso.avance(100, S("Listo"));
    return Resultado::ok(S("dispersion: programación %1, %2 pagos por %3, en %4")
                             .arg(p->nombre)
                             .arg(r->pagos)
                             .arg(FormatoNumero::instalacion().escriba(r->total),
                                  QDir::toNativeSeparators(r->ruta)));
}

}  // namespace ledgrix::tareas
