#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace ledgrix {

class Tfdm;

// "Enviar Documento Soporte electrónico": the unsent charges or discounts of
// a series between two numbers go out one after the other, each as its
// print window would send it on opening.
class EnvioLote {
  public:
    enum class Documento { Cargos, Descuentos };

    explicit EnvioLote(Tfdm& dm);

    static QStringList documentos();
    // Series that can send: charges with credentials for their current
    // number, discounts any active one.
    QStringList prefijos(Documento documento) const;

    // Told before each document goes ("Enviando cargo DS12. Espere un
    // momento...").
    std::function<void(const QString&)> avance;

    // Sends the range; answers how many documents got their code.
    int envie(Documento documento, const QString& prefijo, const QString& desde,
              const QString& hasta);

  private:
    bool tiene_credenciales(Documento documento, const QString& prefijo, const QString& numero,
                            int tipods) const;

    Tfdm& dm_;
};

}  // namespace ledgrix
