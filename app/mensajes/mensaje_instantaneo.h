#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace ledgrix {

class ClientDataset;
class Provider;
class Tfdm;

// What the instant-message window works on: the user's conversation, the
// users who can be written to and the one message being written.
class MensajeInstantaneo : public QObject {
    Q_OBJECT
public:
    static constexpr int kRefresco = 15000;
    static inline const QString kTodos = QStringLiteral("Todos");

    explicit MensajeInstantaneo(Tfdm& dm, QObject* parent = nullptr);

    ClientDataset& historia() const { return *CHistoria; }
    ClientDataset& usuarios() const { return *CUsuarios; }
    ClientDataset& mensaje() const { return *CMensajeria; }
    QTimer& refresco() { return refresco_; }

    // Position in the priority list ("Normal", "Media", "Alta") and back.
    static int nivel_de_prioridad(int posicion);
    static int prioridad_de_nivel(int nivel);
    void set_prioridad(int posicion);
    void set_texto(const QString& texto);

    // Sends to the user selected in the list, or to everybody. True when the
    // message was written; otherwise it stays in memory for another try.
    bool envie();
    bool envie_a_todos();
    // Drops the message being written.
    void descarte();

    // The user selected in the list; empty when the list is empty.
    QString usuario_actual() const;
    // The whole text of the history row under the cursor.
    QString mensaje_actual() const;

private:
    bool edite();
    bool envie_a(const QString& destino);
    void usuario_movido();

    Tfdm& dm_;
    Provider* PHistoria;
    ClientDataset* CHistoria;
    Provider* PUsuarios;
    ClientDataset* CUsuarios;
    Provider* PMensajeria;
    ClientDataset* CMensajeria;
    QTimer refresco_;
};

}  // namespace ledgrix
