#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "core/money/currency.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QTabWidget;
class QVBoxLayout;

namespace ledgrix {

class ClientDataset;
class ConsultaDocumento;
class LedgrixGrid;
class Tfdm;

// The read-only consultation of the stored document in
// dm.documento_consultado: the header as captioned boxes, the supplier,
// read-only line lists, who stored it, "ANULADO" with the reason, and the
// keys F2 print, F11 posting, F6 notes, Esc close. A document's window says
// which boxes and lists it shows; the rest is here.
class Tfconsulta : public QWidget {
    Q_OBJECT
  public:
    // A box: its caption and the header column it shows.
    struct Caja {
        QString etiqueta;
        QString campo;
    };
    // A footer of a list: its caption and the value.
    using Pie = std::pair<QString, std::function<Currency()>>;

    // Takes `logica` over and loads the document (another type's id reads as
    // no document: the user is told).
    Tfconsulta(Tfdm& dm, ConsultaDocumento* logica, const QString& clase, const QString& titulo,
               QWidget* parent);

    ConsultaDocumento& consulta() const { return *logica_; }
    // The box of a column (or "proveedor", "comprobante"); null when none.
    QLineEdit* valor(const QString& campo) const;
    // The trail line, and "ANULADO" with its reason (empty while live).
    QString registro() const;
    QString anulacion() const;
    // The grid of a list by its title; null when none.
    LedgrixGrid* lista(const QString& titulo) const;

    void SBImprimirClick();
    void SBContabilizarClick();
    void SBNotasClick();

  protected:
    // The boxes of the header, one column of the layout per list.
    void columnas(const QList<QList<Caja>>& columnas);
    // A read-only list of the lines, on a page of its own: only the fields
    // titled are shown, in the order of the statement.
    void lineas(const QString& titulo, ClientDataset& ds,
                const QList<std::pair<QString, QString>>& campo_titulo,
                const std::vector<Pie>& pies = {});
    // After the derived window added its parts: the trail, the keys, the
    // cursor on the first box.
    void termine();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool tecla(int key);
    QLineEdit* caja(QGridLayout* rejilla, int fila, int columna, const QString& etiqueta,
                    const QString& nombre, const QString& texto);

    Tfdm& dm_;
    ConsultaDocumento* logica_;
    QVBoxLayout* caja_ = nullptr;
    QLabel* registro_ = nullptr;
    QLabel* anulacion_ = nullptr;
    QTabWidget* paginas_ = nullptr;
    QHash<QString, LedgrixGrid*> listas_;
    QHash<int, std::function<void()>> teclas_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
