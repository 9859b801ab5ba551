#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the interface list works on: the payables module's interfaces with
// their document names, deleting one and copying one to another prefix of
// the same document.
class ListaInterfaces : public QObject {
    Q_OBJECT
  public:
    explicit ListaInterfaces(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& interfaces() const { return *CInterfaces; }
    void refresque();
    // Id and name of the current row; 0 and empty on an empty list.
    int id_actual() const;
    QString nombre_actual() const;

    // Asks first; true when the interface was deleted.
    bool borre();
    // Prefixes of the current row's document, offered as copy targets.
    QStringList prefijos_copia() const;
    // Copies the current interface (concepts and additional lines, not the
    // NIIF settings) under a new id to the prefix, for the current user.
    // Answers the new id, 0 when nothing was copied.
    int copie(const QString& prefijo);

  private:
    Tfdm& dm_;
    ClientDataset* CInterfaces;
};

}  // namespace ledgrix
