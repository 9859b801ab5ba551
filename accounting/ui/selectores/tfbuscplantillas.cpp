#include "accounting/ui/selectores/tfbuscplantillas.h"

#include "accounting/selectores/plantillas.h"

namespace ledgrix {

namespace {

Seleccion seleccion(SelectorPlantillas& selector) {
    Seleccion s;
    s.ventana = QStringLiteral("Tfbuscplantillas");
    s.titulo = QStringLiteral("Plantillas de comprobante ") + selector.tipo();
    s.exportacion = QStringLiteral("Plantillas");
    s.tamano = QSize(560, 320);
    s.texto = selector.texto();
    s.columnas = {QStringLiteral("Plantilla"), QStringLiteral("Prefijo"),
                  QStringLiteral("Concepto"), QStringLiteral("Referencia"),
                  QStringLiteral("Usuario")};
    s.busque = [&selector](const QString& texto) { selector.busque(texto); };
    s.filas = [&selector] {
        std::vector<QStringList> filas;
        for (int linea : selector.visibles()) {
            const SelectorPlantillas::Plantilla& p = selector.lineas()[static_cast<size_t>(linea)];
            filas.push_back({QString::number(p.id), p.prefijo, p.concepto, p.referencia, p.usuario});
        }
        return filas;
    };
    s.elija = [&selector](int fila) {
        selector.elija(selector.visibles()[static_cast<size_t>(fila)]);
        return 1;
    };
    return s;
}

}  // namespace

Tfbuscplantillas::Tfbuscplantillas(SelectorPlantillas& selector, QWidget* parent)
    : Tfbusclista(seleccion(selector), parent) {}

}  // namespace ledgrix
