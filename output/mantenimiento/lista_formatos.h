#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the format list works on: the payables module's print formats with
// their document names, deleting one and copying one to another prefix of
// the same document.
class ListaFormatos : public QObject {
    Q_OBJECT
  public:
    explicit ListaFormatos(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& formatos() const { return *CFormatos; }
    void refresque();
    // Type, name and prefix of the current row; 0 and empty on an empty list.
    int tipo_actual() const;
    QString documento_actual() const;
    QString prefijo_actual() const;

    // Asks first; true when the format (items and elements with it) was deleted.
    bool borre();
    // Prefixes of the current row's document, offered as copy targets.
    QStringList prefijos_copia() const;
    // Copies the current format, its items and elements to the prefix, all
    // or nothing. True when copied.
    bool copie(const QString& prefijo);

  private:
    Tfdm& dm_;
    ClientDataset* CFormatos;
};

}  // namespace ledgrix
