#include "maintenance/importacion/importador.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <algorithm>
#include <functional>
#include <variant>

#include "core/errors/error_translator.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/importacion/destino_importacion.h"
#include "maintenance/importacion/lectura/interprete_linea.h"
#include "maintenance/importacion/lectura/lector_archivo.h"
#include "maintenance/progreso.h"

namespace ledgrix::importacion {

namespace {

using Resultado = ResultadoImportacion;

const QString kSinArchivo = QStringLiteral(
    "Error al abrir el archivo, asegúrece que el nombre sea correcto y que no esté abierto en "
    "otra aplicación en este momento.");

Resultado termine(Resultado::Estado estado, const QString& mensaje) {
    Resultado r;
    r.estado = estado;
    r.mensaje = mensaje;
    return r;
}

Resultado cancelado() {
    return termine(Resultado::Estado::Cancelado,
                   QStringLiteral("Importación cancelada; no se guardó nada."));
}

// One pass over the file: each line read and interpreted is handed to
// `registro`; a line that does not read to `rechazo`. The percentage
// reported runs from `desde` to `desde + tramo`, and only when it moves, so
// a long file does not repaint the window for every line. False when the
// user cancelled.
class Pasada {
  public:
    Pasada(LectorArchivo& lector, Progreso& progreso, int desde, int tramo)
        : lector_(lector), progreso_(progreso), desde_(desde), tramo_(tramo) {}

    bool recorra(Clase clase, const QList<ColumnaDato>& columnas, const FormatoArchivo& formato,
                 const std::function<bool(const Registro&)>& registro,
                 const std::function<void(const Rechazo&)>& rechazo,
                 const std::function<QString(const Registro&)>& texto) {
        while (auto leida = lector_.siguiente()) {
            if (progreso_.cancelado())
                return false;
            if (const Rechazo* r = std::get_if<Rechazo>(&*leida)) {
                rechazo(*r);
                continue;
            }
            auto interpretada = interprete(std::get<Linea>(*leida), clase, columnas, formato);
            if (const Rechazo* r = std::get_if<Rechazo>(&interpretada)) {
                rechazo(*r);
                continue;
            }
            const Registro& reg = std::get<Registro>(interpretada);
            const int porcentaje = desde_ + lector_.porcentaje() * tramo_ / 100;
            if (porcentaje != ultimo_) {
                ultimo_ = porcentaje;
                progreso_.avance(porcentaje, texto(reg));
            }
            if (!registro(reg))
                return true;
        }
        return !progreso_.cancelado();
    }

  private:
    LectorArchivo& lector_;
    Progreso& progreso_;
    int desde_, tramo_;
    int ultimo_ = -1;
};

}  // namespace

Importador::Importador(Tfdm& dm, Clase clase, FormatoArchivo formato, QList<ColumnaDato> columnas)
    : dm_(dm), clase_(clase), formato_(std::move(formato)), columnas_(std::move(columnas)) {}

ResultadoImportacion Importador::importe(const QString& ruta, Progreso& progreso) {
    const QSqlDatabase db = dm_.ledgrix();
    std::unique_ptr<DestinoImportacion> destino = destino_de(clase_, dm_.ctx.usuario, columnas_);
    const auto falla_base = [&](const QString& error, const QString& mensaje) {
        // The driver's text goes to the log and the user through the
        // translation of every database error.
        dm_.traductor().ENoManejada(nullptr, error);
        return termine(Resultado::Estado::FalloBase, mensaje);
    };

    // First pass: everything is checked before anything is written.
    Resultado r;
    {
        LectorArchivo lector(formato_, columnas_);
        if (!lector.abra(ruta))
            return termine(Resultado::Estado::SinArchivo, kSinArchivo);
        {
            // One read transaction for the look-ups, not one per statement.
            Transaccion lectura(dm_.Ledgrix());
            if (!destino->cargue(db))
                return falla_base(destino->error(),
                                  QStringLiteral("No se pudo leer la base de datos; no se "
                                                 "importó nada."));
        }
        Pasada pasada(lector, progreso, 0, 50);
        const bool completa = pasada.recorra(
            clase_, columnas_, formato_,
            [&](const Registro& reg) {
                const QString motivo = destino->revise(reg);
                if (!motivo.isEmpty())
                    r.rechazos.append(Rechazo{reg.linea, motivo});
                return true;
            },
            [&](const Rechazo& rechazo) { r.rechazos.append(rechazo); },
            [](const Registro&) { return QStringLiteral("Revisando el archivo..."); });
        if (!completa)
            return cancelado();
    }
    if (!r.rechazos.isEmpty()) {
        std::sort(r.rechazos.begin(), r.rechazos.end(),
                  [](const Rechazo& a, const Rechazo& b) { return a.linea < b.linea; });
        r.estado = Resultado::Estado::Rechazado;
        r.mensaje = QStringLiteral(
                        "Se rechazaron %1 líneas del archivo; no se importó nada. "
                        "Corrija el archivo e intente de nuevo.")
                        .arg(r.rechazos.size());
        if (r.rechazos.size() == 1)
            r.mensaje = QStringLiteral(
                "Se rechazó una línea del archivo; no se importó nada. "
                "Corrija el archivo e intente de nuevo.");
        return r;
    }

    // Second pass: the same records, written in one unit of work.
    LectorArchivo lector(formato_, columnas_);
    if (!lector.abra(ruta))
        return termine(Resultado::Estado::SinArchivo, kSinArchivo);
    Transaccion unidad(dm_.Ledgrix());
    const QString sin_inicio =
        QStringLiteral("No se pudo iniciar la importación; no se importó nada.");
    if (!unidad.activa())
        return falla_base(db.lastError().text(), sin_inicio);
    if (!destino->prepare(db))
        return falla_base(destino->error(), sin_inicio);
    qint64 fallida = 0;
    QList<Rechazo> cambiadas;
    Pasada pasada(lector, progreso, 50, 50);
    const bool completa = pasada.recorra(
        clase_, columnas_, formato_,
        [&](const Registro& reg) {
            if (destino->escriba(reg)) {
                ++r.importados;
                return true;
            }
            fallida = reg.linea;
            return false;
        },
        // The file changed between the passes.
        [&](const Rechazo& rechazo) { cambiadas.append(rechazo); },
        [&](const Registro& reg) { return destino->avance(reg); });
    if (!completa) {
        unidad.deshaga();
        return cancelado();
    }
    if (fallida != 0) {
        unidad.deshaga();
        return falla_base(destino->error(),
                          QStringLiteral("La base de datos rechazó la línea %1; no se importó "
                                         "nada.")
                              .arg(fallida));
    }
    if (!cambiadas.isEmpty()) {
        unidad.deshaga();
        r.estado = Resultado::Estado::Rechazado;
        r.rechazos = cambiadas;
        r.importados = 0;
        r.mensaje = QStringLiteral("El archivo cambió mientras se importaba; no se importó nada.");
        return r;
    }
    if (!unidad.confirme())
        return falla_base(db.lastError().text(),
                          QStringLiteral("No se pudo confirmar la importación; no se importó "
                                         "nada."));
    progreso.avance(100, QString());
    r.mensaje =
        QStringLiteral("Importación finalizada. %1 registros importados.").arg(r.importados);
    if (r.importados == 1)
        r.mensaje = QStringLiteral("Importación finalizada. 1 registro importado.");
    return r;
}

}  // namespace ledgrix::importacion
