#include "accounting/interfaces/interfaces.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

Interfaces::Elector& elector_instalado() {
    static Interfaces::Elector elector;
    return elector;
}

}  // namespace

const QString Interfaces::kSinInterfaz = QStringLiteral(
    "No se han definido interfaces para el documento. No podrá grabar hasta no definirla.");

void Interfaces::instale_elector(Elector elector) {
    elector_instalado() = std::move(elector);
}

int Interfaces::abra(const QString& sql, bool preguntar) {
    QList<OpcionInterfaz> opciones;
    {
        auto q = dm_.sql().select(sql);
        // A failed read was already reported by the error translation.
        if (!q)
            return 0;
        while (q->next())
            opciones << OpcionInterfaz{q->value(0).toInt(), q->value(1).toString()};
    }
    if (opciones.isEmpty()) {
        dm_.dialogs().information(kSinInterfaz);
        return 0;
    }
    if (!preguntar)
        return 0;
    if (opciones.size() == 1)
        return opciones.front().id;
    return dm_.dialogs().modal(QStringLiteral("Tfpreginterfaz"), [&opciones] {
        const Interfaces::Elector& elector = elector_instalado();
        return elector ? elector(opciones) : 0;
    });
}

int Interfaces::abre_interfaz(int tipo, const QString& prefijo, bool preguntar) {
    return abra(
        QStringLiteral(
            "select INCP_ID ID, INCP_NOMBRE NOMBRE from INTERFAZ_CXPAGAR where tido_cod = ") +
            sql::number(tipo) + QStringLiteral(" and pref_pre = ") + sql::quoted(prefijo),
        preguntar);
}

int Interfaces::abre_interfaz_caja(int tipo, const QString& prefijo, bool preguntar) {
    return abra(QStringLiteral(
                    "select INCJ_ID ID, INCJ_NOMBRE NOMBRE from INTERFAZ_CAJA where tido_cod = ") +
                    sql::number(tipo) + QStringLiteral(" and pref_pre = ") + sql::quoted(prefijo),
                preguntar);
}

}  // namespace ledgrix
