#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace ledgrix {

class Tfdm;

// What every code chooser of the documents works on (suppliers, purchase
// invoices, articles, businesses, documents to apply to): the lines of one
// query narrowed by a search text, the first column of each line being the
// key it answers and the others what the user reads. The chooser window ends
// with 1 when the user confirmed a line, 0 when he chose none.
class SelectorLista {
  public:
    // Runs the chooser window over the selector; answers its result code.
    using Ventana = std::function<int(SelectorLista&)>;

    virtual ~SelectorLista() = default;

    // Class name of the window that shows this chooser, its caption and the
    // titles of the columns shown (all but the key).
    const QString& ventana() const { return ventana_; }
    const QString& titulo() const { return titulo_; }
    const QStringList& columnas() const { return columnas_; }

    // Reads the lines matching the text (the first ones when empty); the
    // first one becomes current.
    void busque(const QString& texto);
    const QString& texto() const { return texto_; }
    // Each line: the key, then one text per column.
    const std::vector<QStringList>& lineas() const { return lineas_; }
    // The line the user is on; -1 with an empty list.
    void elija(int linea);
    int actual() const { return actual_; }
    // The key of the line chosen when the chooser ended with `resultado` 1.
    std::optional<QString> elegido(int resultado) const;
    // The whole line chosen, key first; empty when none.
    QStringList linea_elegida(int resultado) const;

    // Opens the chooser window with the text; the key confirmed, empty when
    // cancelled or nothing matched.
    QString pregunte(const QString& texto = {});
    // The result code of the last window opened by pregunte.
    int resultado() const { return resultado_; }

    // The one window every list chooser is shown in.
    static void instale_ventana(Ventana ventana);

  protected:
    SelectorLista(Tfdm& dm, QString ventana, QString titulo, QStringList columnas);
    // The statement for a search text (trimmed, possibly empty): the key
    // first, then the columns shown, in order.
    virtual QString consulta(const QString& texto) const = 0;
    // A chooser is read by a person: the first lines are enough to pick from.
    static constexpr int kLineas = 500;

    Tfdm& dm_;

  private:
    QString ventana_;
    QString titulo_;
    QStringList columnas_;
    QString texto_;
    std::vector<QStringList> lineas_;
    int actual_ = -1;
    int resultado_ = 0;
};

}  // namespace ledgrix
