#include "maintenance/importacion/asistente_importacion.h"

#include <QFile>
#include <QSqlQuery>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/importacion/lectura/datos_importacion.h"
#include "maintenance/importacion/lectura/lector_archivo.h"

namespace ledgrix::importacion {

namespace {
using S = QString;
}

AsistenteImportacion::AsistenteImportacion(Tfdm& dm) : dm_(dm) {
    eleccion_.formato.numeros = FormatoNumero::instalacion();
}

QStringList AsistenteImportacion::clases() {
    return {S("Proveedores"), S("Grupos"), S("Saldos iniciales")};
}

void AsistenteImportacion::elija_clase(int posicion) {
    eleccion_.clase = static_cast<Clase>(posicion + 14);
}

Opciones<TipoArchivo> AsistenteImportacion::tipos_archivo() {
    return {{S("Ancho fijo (Cada columna tiene siempre el mismo ancho)"), TipoArchivo::AnchoFijo},
            {S("Delimitado (separado por comas, tabuladores, etc.)"), TipoArchivo::Delimitado}};
}

Opciones<QChar> AsistenteImportacion::separadores() {
    return {{S("Coma (,)"), u','}, {S("Punto y coma (;)"), u';'}, {S("Tabulador"), u'\t'}};
}

Opciones<QChar> AsistenteImportacion::delimitadores() {
    return {{S("Ninguno"), QChar()}, {S("Comillas (\")"), u'"'}, {S("Comilla simple (')"), u'\''}};
}

QStringList AsistenteImportacion::codificaciones() {
    return {S("UTF-8"), S("ISO-8859-1"), S("Windows-1252")};
}

Opciones<FormatoNumero> AsistenteImportacion::formatos_numero() {
    return {{S("1.234.567,89"), *FormatoNumero::con(u'.', u',')},
            {S("1,234,567.89"), *FormatoNumero::con(u',', u'.')}};
}

int AsistenteImportacion::formato_numeros_inicial() {
    const Opciones<FormatoNumero> formatos = formatos_numero();
    for (int i = 0; i < formatos.size(); ++i)
        if (formatos[i].second == FormatoNumero::instalacion())
            return i;
    return 0;
}

Opciones<QString> AsistenteImportacion::ordenes_fecha() {
    return {{S("DD/MM/AAAA"), S("DMA")}, {S("AAAA/MM/DD"), S("AMD")}, {S("MM/DD/AAAA"), S("MDA")}};
}

bool AsistenteImportacion::pase_a_columnas() {
    QFile archivo(eleccion_.ruta.trimmed());
    if (eleccion_.ruta.trimmed().isEmpty() || !archivo.open(QIODevice::ReadOnly)) {
        dm_.dialogs().error(
            S("Error al abrir el archivo, asegúrece que el nombre sea correcto y que no esté "
              "abierto en otra aplicación en este momento."));
        return false;
    }
    eleccion_.ruta = eleccion_.ruta.trimmed();
    eleccion_.columnas = disposicion();
    return true;
}

// The stored layout of the kind; the items' own order when none is stored.
QList<ColumnaDato> AsistenteImportacion::disposicion() const {
    QList<ColumnaDato> columnas;
    auto q = dm_.sql().select(S("select * from importacion_inventario where IMIN_TIPO = ") +
                              S::number(static_cast<int>(eleccion_.clase)) +
                              S(" order by imin_columna"));
    while (q && q->next())
        columnas.append(ColumnaDato{q->value(S("IMIN_DATO")).toString().trimmed(),
                                    q->value(S("IMIN_COLUMNA")).toInt(),
                                    q->value(S("IMIN_ANCHO")).toInt(), true});
    return columnas.isEmpty() ? datos_de(eleccion_.clase) : columnas;
}

QList<Linea> AsistenteImportacion::vista_previa(int lineas) const {
    return LectorArchivo::vista_previa(eleccion_.ruta, eleccion_.formato, eleccion_.columnas,
                                       lineas);
}

ResultadoImportacion AsistenteImportacion::importe(Progreso& progreso) {
    Importador importador(dm_, eleccion_.clase, eleccion_.formato, eleccion_.columnas);
    return importador.importe(eleccion_.ruta, progreso);
}

}  // namespace ledgrix::importacion
