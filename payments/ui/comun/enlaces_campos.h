#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "core/money/currency.h"

class QDateEdit;
class QLineEdit;
class QWidget;

namespace ledgrix {

class CampoMonto;
class Dialogs;
class Field;

// The boxes of a document's header bound to the columns of its record. Each
// box shows its column; when the user finishes typing (Enter or leaving the
// box) a changed value goes to the box's rule, or straight to the column
// when it has none, and `cambiado` tells the window to show the record
// again. Amounts are CampoMonto boxes: the installation's number format
// only. A code box with a chooser opens it on "?" typed first or a double
// click.
class EnlacesCampos : public QObject {
    Q_OBJECT
  public:
    using Buscador = std::function<Field&(const QString& campo)>;
    using ReglaTexto = std::function<void(const QString&)>;
    using ReglaMonto = std::function<void(Currency)>;
    using ReglaFecha = std::function<void(const QDate&)>;

    EnlacesCampos(Dialogs& dialogs, Buscador campo, QWidget* dueno);

    QLineEdit* texto(const QString& campo, ReglaTexto regla = {}, ReglaTexto busca = {});
    CampoMonto* monto(const QString& campo, ReglaMonto regla = {});
    QDateEdit* fecha(const QString& campo, ReglaFecha regla = {});

    // The box of a column; nullptr when none is bound.
    QLineEdit* editor(const QString& campo) const;
    CampoMonto* editor_monto(const QString& campo) const;
    QDateEdit* editor_fecha(const QString& campo) const;
    QWidget* widget(const QString& campo) const;

    // While false (nothing to work on) the boxes hand nothing over.
    void set_activo(bool activo) { activo_ = activo; }
    // Every box from its column.
    void muestre();
    // Hands over what is typed but not finished. False when an amount box
    // holds text that is not a number (the user was told; the cursor is there).
    bool aplique_pendientes();
    // Enter in `caja`: its value goes to its rule. False when it was an
    // amount that was refused (the cursor stays).
    bool acepte(QObject* caja);
    // Double click in `caja`: its chooser, when it has one.
    bool busque(QObject* caja);

  signals:
    void cambiado();

  private:
    struct Texto {
        QString campo;
        QLineEdit* editor;
        ReglaTexto regla;
        ReglaTexto busca;
    };
    struct Monto {
        QString campo;
        CampoMonto* editor;
        ReglaMonto regla;
    };
    struct Fecha {
        QString campo;
        QDateEdit* editor;
        ReglaFecha regla;
    };

    QString valor(const QString& campo) const;
    bool libre() const { return activo_ && !mostrando_; }
    void aplique(const Texto& t);
    void aplique(const Monto& m, Currency v);
    void aplique(const Fecha& f);

    Dialogs& dialogs_;
    Buscador campo_;
    QWidget* dueno_;
    bool activo_ = false;
    bool mostrando_ = false;
    std::vector<Texto> textos_;
    std::vector<Monto> montos_;
    std::vector<Fecha> fechas_;
};

}  // namespace ledgrix
