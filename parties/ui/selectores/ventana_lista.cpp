#include "parties/ui/selectores/ventana_lista.h"

#include <QApplication>

#include "core/ui/selectores/tfbusclista.h"
#include "parties/selectores/selector_lista.h"

namespace ledgrix {

namespace {

Seleccion seleccion(SelectorLista& selector) {
    Seleccion s;
    s.ventana = selector.ventana();
    s.titulo = selector.titulo();
    s.exportacion = selector.titulo();
    s.tamano = QSize(640, 380);
    s.texto = selector.texto();
    s.columnas = selector.columnas();
    s.busque = [&selector](const QString& texto) { selector.busque(texto); };
    // The key is the first text of each line and is not shown.
    s.filas = [&selector] {
        std::vector<QStringList> filas;
        for (const QStringList& linea : selector.lineas())
            filas.push_back(linea.mid(1));
        return filas;
    };
    s.elija = [&selector](int fila) {
        selector.elija(fila);
        return 1;
    };
    return s;
}

}  // namespace

void instale_ventana_lista() {
    SelectorLista::instale_ventana([](SelectorLista& selector) {
        Tfbusclista ventana(seleccion(selector), QApplication::activeWindow());
        return ventana.exec();
    });
}

}  // namespace ledgrix
