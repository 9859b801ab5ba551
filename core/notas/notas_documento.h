#pragma once

#include <QObject>
#include <QString>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// The notes users add to a stored document: read in the order written,
// added one at a time. The date, time and user of each are the server's.
class NotasDocumento : public QObject {
    Q_OBJECT
  public:
    static constexpr int kLargo = 1000;

    explicit NotasDocumento(Tfdm& dm, QObject* parent = nullptr);

    // Reads the notes of a document; false when it could not.
    bool cargue(int tipo, qint64 id);
    ClientDataset& notas() const { return *CNotas; }

    // Stores `texto` as a new note of the loaded document and reads the list
    // again. An empty or unstorable text is refused with a message and
    // nothing is written; the caller keeps the text for the user to fix.
    bool agregue(const QString& texto);

  private:
    Tfdm& dm_;
    ClientDataset* CNotas = nullptr;
    int tipo_ = 0;
    qint64 id_ = 0;
};

}  // namespace ledgrix
