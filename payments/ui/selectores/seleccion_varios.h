#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace ledgrix {

class Tfdm;

// What a chooser of several documents at once works on: the lines read for
// the window that opened it, narrowed by a search text, and the hand-over of
// the lines the user marked (or of the one under the cursor). Each kind of
// document says how its lines are read and where they are left.
class SeleccionVarios {
  public:
    virtual ~SeleccionVarios() = default;

    // Class name of the chooser window, its caption and the column titles.
    virtual QString ventana() const = 0;
    virtual QString titulo() const = 0;
    virtual QStringList columnas() const = 0;

    // The lines whose texts contain `texto` (any case); all when empty.
    void busque(const QString& texto);
    // The texts of the lines that pass the search, one per column.
    std::vector<QStringList> filas() const;
    int cuantas() const { return static_cast<int>(textos_.size()); }

    // Hands over the lines at these positions of filas(); false when there
    // was nothing to hand over (the window stays open).
    bool entregue(const QList<int>& filas);

  protected:
    explicit SeleccionVarios(Tfdm& dm) : dm_(dm) {}
    // A line read: what the user sees of it.
    void agregue(const QStringList& textos);
    void vacie();
    // Hands over lines given by their position in the order they were read.
    virtual bool entregue_lineas(const std::vector<int>& lineas) = 0;

    Tfdm& dm_;

  private:
    std::vector<QStringList> textos_;
    std::vector<int> visibles_;
};

}  // namespace ledgrix
