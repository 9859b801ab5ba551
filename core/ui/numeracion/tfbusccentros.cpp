#include "core/ui/numeracion/tfbusccentros.h"

#include "core/numeracion/ventanas/selector_centros.h"

namespace ledgrix {

namespace {

Seleccion seleccion(SelectorCentros& selector) {
    Seleccion s;
    s.ventana = QStringLiteral("fbusccentros");
    s.titulo = QStringLiteral("Centros de costo");
    s.exportacion = QStringLiteral("Centros de costo");
    s.tamano = QSize(520, 320);
    s.texto = selector.texto();
    s.columnas = {QStringLiteral("Proyecto"),  QStringLiteral("Nombre proyecto"),
                  QStringLiteral("Centro"),    QStringLiteral("Nombre centro"),
                  QStringLiteral("Subcentro"), QStringLiteral("Nombre subcentro")};
    s.busque = [&selector](const QString& texto) { selector.busque(texto); };
    s.filas = [&selector] {
        std::vector<QStringList> filas;
        for (int linea : selector.visibles()) {
            const CentroCosto& c = selector.lineas()[static_cast<size_t>(linea)];
            filas.push_back({c.proyecto, c.nombre_proyecto, c.centro, c.nombre_centro, c.subcentro,
                             c.nombre_subcentro});
        }
        return filas;
    };
    s.elija = [&selector](int fila) {
        return SelectorCentros::resultado(selector.visibles()[static_cast<size_t>(fila)]);
    };
    return s;
}

}  // namespace

Tfbusccentros::Tfbusccentros(SelectorCentros& selector, QWidget* parent)
    : Tfbusclista(seleccion(selector), parent) {}

}  // namespace ledgrix
