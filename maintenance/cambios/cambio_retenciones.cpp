#include "maintenance/cambios/cambio_retenciones.h"

#include "core/money/formato_numero.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/progreso.h"

namespace ledgrix {

namespace {

struct Columna {
    const char* columna;
    const char* progreso;
};

// In the order the window shows the pairs.
constexpr std::array<Columna, CambioRetenciones::kPares> kColumnas{{
    {"PROV_RETEFTE", "Cambiando porcentaje de retención en la fuente..."},
    {"PROV_RTFTEBASE", "Cambiando base de retención en la fuente..."},
    {"PROV_RTEIVA", "Cambiando porcentaje de retención de IVA..."},
    {"PROV_RTEICA", "Cambiando porcentaje de retención de ICA..."},
    {"PROV_RTCREE", "Cambiando porcentaje de retención CREE..."},
}};

bool lleno(const CambioRetenciones::Valores& v) {
    return !v.anterior.trimmed().isEmpty() && !v.nuevo.trimmed().isEmpty();
}

}  // namespace

CambioRetenciones::CambioRetenciones(Tfdm& dm) : dm_(dm) {}

QString CambioRetenciones::nombre(Par par) {
    static const std::array<QString, kPares> nombres{
        QStringLiteral("Porcentaje de retención en la fuente"),
        QStringLiteral("Base de retención en la fuente"),
        QStringLiteral("Porcentaje de retención de IVA"),
        QStringLiteral("Porcentaje de retención de ICA"),
        QStringLiteral("Porcentaje de retención CREE")};
    return nombres[par];
}

bool CambioRetenciones::valide() const {
    const FormatoNumero& formato = FormatoNumero::instalacion();
    for (int i = 0; i < kPares; ++i) {
        // An empty side skips the pair; a half-typed one is still checked,
        // so that a slip is seen rather than silently ignored.
        for (const auto& [texto, lado] : {std::pair{pares[i].anterior, QStringLiteral("actual")},
                                          std::pair{pares[i].nuevo, QStringLiteral("nuevo")}}) {
            if (texto.trimmed().isEmpty() || formato.lea(texto))
                continue;
            dm_.dialogs().warning(nombre(static_cast<Par>(i)) + QStringLiteral(" (") + lado +
                                  QStringLiteral("): ") + formato.mensaje_invalido(texto));
            return false;
        }
    }
    return true;
}

bool CambioRetenciones::grabe(Progreso& progreso) {
    if (!valide())
        return false;
    const FormatoNumero& formato = FormatoNumero::instalacion();
    for (int i = 0; i < kPares; ++i) {
        if (!lleno(pares[i]))
            continue;
        const QString columna = QString::fromLatin1(kColumnas[i].columna);
        progreso.avance(i * 100 / kPares, QString::fromUtf8(kColumnas[i].progreso));
        // Each pair commits on its own: one refused leaves the earlier ones done.
        if (!dm_.sql().execute(QStringLiteral("UPDATE PROVEEDORES SET ") + columna +
                               QStringLiteral(" = ") + formato.lea(pares[i].nuevo)->toString(4) +
                               QStringLiteral(" WHERE ") + columna + QStringLiteral(" = ") +
                               formato.lea(pares[i].anterior)->toString(4)))
            return false;
    }
    progreso.avance(100, QString());
    return true;
}

}  // namespace ledgrix
