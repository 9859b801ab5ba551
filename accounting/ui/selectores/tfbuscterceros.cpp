#include "accounting/ui/selectores/tfbuscterceros.h"

#include "accounting/selectores/terceros.h"

namespace ledgrix {

namespace {

Seleccion seleccion(SelectorTerceros& selector) {
    Seleccion s;
    s.ventana = QStringLiteral("Tfbuscterceros");
    s.titulo = QStringLiteral("Terceros");
    s.exportacion = QStringLiteral("Terceros");
    s.rotulo = QStringLiteral("Buscar (NIT o nombre):");
    s.tamano = QSize(520, 360);
    s.texto = selector.texto();
    s.columnas = {QStringLiteral("NIT"), QStringLiteral("Nombre")};
    s.busque = [&selector](const QString& texto) { selector.busque(texto); };
    s.filas = [&selector] {
        std::vector<QStringList> filas;
        for (const SelectorTerceros::Tercero& t : selector.lineas())
            filas.push_back({t.nit, t.nombre});
        return filas;
    };
    s.elija = [&selector](int fila) {
        selector.elija(fila);
        return 1;
    };
    return s;
}

}  // namespace

Tfbuscterceros::Tfbuscterceros(SelectorTerceros& selector, QWidget* parent)
    : Tfbusclista(seleccion(selector), parent) {}

}  // namespace ledgrix
