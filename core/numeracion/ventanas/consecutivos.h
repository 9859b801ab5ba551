#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "core/numeracion/ventanas/selector_centros.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Provider;
class Tfdm;

// What the numbering window works on: the document types of the module, the
// series (prefixes) of the chosen type and the users allowed to use each
// series, nested so that one apply writes them all; and the lists the grid
// picks from (users of the company, cost projects, centres and sub-centres,
// accounting voucher types, agencies).
class Consecutivos : public QObject {
    Q_OBJECT
public:
    explicit Consecutivos(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& tipos() const { return *CTipos; }
    ClientDataset& prefijos() const { return *CPrefijos; }
    ClientDataset& prefijos_usuario() const { return *CPrefijosUsuario; }
    ClientDataset& usuarios() const { return *CUsuarios; }
    ClientDataset& proyectos() const { return *CProyectos; }
    ClientDataset& centros() const { return *CCentros; }
    ClientDataset& subcentros() const { return *CSubcentros; }
    ClientDataset& comprobantes() const { return *CComprobantes; }
    ClientDataset& sucursales() const { return *CSucursales; }

    // Long names of the module's document types, in the order offered.
    const QStringList& documentos() const { return documentos_; }
    // Moves to the type with that long name; the grid then shows its series.
    bool elija_documento(const QString& nombre_largo);
    QStringList codigos_proyecto() const;

    // Puts a picked project, centre and sub-centre into the current series,
    // or into a new one when the current row has no prefix yet.
    bool asigne_centro(const CentroCosto& centro);

    // Name of a user of the company; the code when it is not one of them.
    QString nombre_usuario(const QString& codigo) const;

    // Writes every pending change of types, series and their users in one
    // transaction. False leaves everything in memory for another try.
    bool grabe();
    void cancele();
    int cambios() const;

private:
    ClientDataset* conjunto(const QString& tabla, const QString& conexion, const QString& texto);
    void valide_proyecto(Field& f);
    void valide_centro(Field& f);

    Tfdm& dm_;
    ClientDataset* CTipos;
    ClientDataset* CPrefijos;
    ClientDataset* CPrefijosUsuario;
    ClientDataset* CUsuarios;
    ClientDataset* CProyectos;
    ClientDataset* CCentros;
    ClientDataset* CSubcentros;
    ClientDataset* CComprobantes;
    ClientDataset* CSucursales;
    QStringList documentos_;
};

}  // namespace ledgrix
