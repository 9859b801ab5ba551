#pragma once

#include <QHash>
#include <QString>
#include <functional>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// A printed report asked for by logic that sits below the report engine (the
// engine reads suppliers, so suppliers cannot read it). The logic says which
// layout project under cxpagar/reportes and which report in it, the
// parameters and the rows; whoever registers the program's windows installs
// the printer that lays them out and previews them.
struct SolicitudReporte {
    QString ventana;   // class name the print runs under, for the dialogs service
    QString proyecto;  // "calificacion" -> cxpagar/reportes/calificacion.lrep
    QString reporte;   // the report inside the project
    QHash<QString, QString> parametros;
    ClientDataset* filas = nullptr;  // open, with at least one row
};

// Answers 1 when the report was shown.
using ImpresorReportes = std::function<int(Tfdm& dm, const SolicitudReporte& solicitud)>;
void instale_impresor_reportes(ImpresorReportes impresor);

// Runs the installed printer as the modal window `solicitud.ventana`; without
// one the user is told the report cannot be printed here.
int imprima_reporte(Tfdm& dm, const SolicitudReporte& solicitud);

// Parameters every report of these windows prints: the company name
// ("nomcia"), the user ("usuario") and the program's version ("version").
QHash<QString, QString> parametros_comunes(Tfdm& dm);

}  // namespace ledgrix
