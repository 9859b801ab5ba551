#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

#include "maintenance/importacion/formato_importacion.h"
#include "maintenance/importacion/importador.h"

namespace ledgrix {
class Progreso;
class Tfdm;
}  // namespace ledgrix

namespace ledgrix::importacion {

// What the wizard's steps hand on to each other: the kind (step 1), the
// file and how it is written (step 2), the layout (step 3).
struct EleccionImportacion {
    Clase clase = Clase::Proveedores;
    QString ruta;
    FormatoArchivo formato;
    QList<ColumnaDato> columnas;
};

// A choice of a step-2 list: the text shown and what it means.
template <class T>
using Opciones = QList<std::pair<QString, T>>;

// The import wizard without its windows: the lists its steps offer, the
// checks that let the user move on, the layout of the kind and the run.
class AsistenteImportacion {
  public:
    explicit AsistenteImportacion(Tfdm& dm);

    EleccionImportacion& eleccion() { return eleccion_; }
    const EleccionImportacion& eleccion() const { return eleccion_; }

    // Step 1: "Proveedores", "Grupos", "Saldos iniciales", in the order that
    // gives their layout codes (position + 14).
    static QStringList clases();
    void elija_clase(int posicion);

    // Step 2's lists; the first of each is the default, except the number
    // format, whose default is the installation's (`formato_numeros_inicial`).
    static Opciones<TipoArchivo> tipos_archivo();
    static Opciones<QChar> separadores();
    static Opciones<QChar> delimitadores();
    static QStringList codificaciones();
    static Opciones<FormatoNumero> formatos_numero();
    static int formato_numeros_inicial();
    static Opciones<QString> ordenes_fecha();

    // Step 2 to 3: the file must open. Loads the layout of the kind. False
    // when the user was told why not.
    bool pase_a_columnas();
    // Step 3: the first lines cut as the layout says.
    QList<Linea> vista_previa(int lineas = 10) const;
    // F2 in step 3.
    ResultadoImportacion importe(Progreso& progreso);

  private:
    QList<ColumnaDato> disposicion() const;

    Tfdm& dm_;
    EleccionImportacion eleccion_;
};

}  // namespace ledgrix::importacion
