#include "accounting/ui/selectores/tfbusccuentas.h"

#include "accounting/selectores/selector_cuentas.h"

namespace ledgrix {

namespace {

Seleccion seleccion(SelectorCuentas& selector) {
    Seleccion s;
    s.ventana = QStringLiteral("Tfbusccuentas");
    s.titulo = selector.niif() ? QStringLiteral("Plan de cuentas NIIF")
                               : QStringLiteral("Plan de cuentas");
    s.exportacion = QStringLiteral("Cuentas");
    s.tamano = QSize(520, 360);
    s.texto = selector.texto();
    s.columnas = {QStringLiteral("Cuenta"), QStringLiteral("Nombre")};
    s.busque = [&selector](const QString& texto) { selector.busque(texto); };
    s.filas = [&selector] {
        std::vector<QStringList> filas;
        for (const CuentaContable& c : selector.lineas())
            filas.push_back({c.codigo, c.nombre});
        return filas;
    };
    s.elija = [&selector](int fila) {
        selector.elija(fila);
        return 1;
    };
    return s;
}

}  // namespace

Tfbusccuentas::Tfbusccuentas(SelectorCuentas& selector, QWidget* parent)
    : Tfbusclista(seleccion(selector), parent) {}

}  // namespace ledgrix
