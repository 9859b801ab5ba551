#pragma once

#include <QObject>
#include <QStringList>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the numbering-authorisation window works on: the tax authority's
// authorisations of the support-document series (type 51) and those series.
class Autorizaciones : public QObject {
    Q_OBJECT
public:
    static constexpr int kTipo = 51;
    static constexpr int kOpcion = 125;
    static inline const QString kSinPrefijos =
        QStringLiteral("Debe registrar antes al menos un prefijo para la facturación.");

    explicit Autorizaciones(Tfdm& dm, QObject* parent = nullptr);

    // Loads the series and checks the user's access; false (after telling
    // the user why) when the window has nothing to offer or is refused.
    bool prepare();

    ClientDataset& prefijos() const { return *CPrefijos; }
    ClientDataset& autorizaciones() const { return *CAutorizaciones; }
    QStringList codigos_prefijo() const;

    // One apply of every pending change; false keeps them for another try.
    bool grabe();
    void cancele();

private:
    Tfdm& dm_;
    ClientDataset* CPrefijos;
    ClientDataset* CAutorizaciones;
};

}  // namespace ledgrix
