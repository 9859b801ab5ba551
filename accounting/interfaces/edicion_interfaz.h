#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// What the new and modify interface windows work on: the interface row, its
// NIIF settings and its additional account lines, nested so that one apply
// writes the three together or nothing.
class EdicionInterfaz : public QObject {
    Q_OBJECT
  public:
    enum class Modo { Nueva, Modificar };
    enum class Libro { Local, Niif };

    // A money concept of the document: where its account comes from and the
    // fixed account used when that source is "K".
    struct Concepto {
        QString etiqueta;
        QString fuente;
        QString cuenta;
        QStringList fuentes_local;
        QStringList fuentes_niif;
    };
    static const std::vector<Concepto>& conceptos();

    // A code and the text a list shows for it.
    struct Opcion {
        QVariant codigo;
        QString nombre;
    };

    // A new interface starts with one row of defaults; an existing one is
    // read by id and put in edit, or reported missing (see abierta()).
    EdicionInterfaz(Tfdm& dm, Modo modo, int id = 0, QObject* parent = nullptr);

    Modo modo() const { return modo_; }
    // False when the interface to modify was not found (the user was told).
    bool abierta() const { return abierta_; }

    ClientDataset& interfaz() const { return *CInterfaz; }
    ClientDataset& niif() const { return *CNiif; }
    ClientDataset& cuentas() const { return *CCuentas; }
    ClientDataset& libro(Libro libro) const { return libro == Libro::Local ? *CInterfaz : *CNiif; }

    // Lists the header picks from.
    QList<Opcion> documentos() const;
    QStringList prefijos(int tipo) const;
    QList<Opcion> comprobantes() const;
    QStringList prefijos_conta(const QString& comprobante) const;

    // Sets a header column, putting the row in edit when needed.
    bool asigne(const QString& campo, const QVariant& valor);
    // The NIIF page: its row is created, with every source "N", when the
    // page is first entered.
    bool entre_niif();
    // Sets a concept's source; any source but "K" empties its account.
    bool asigne_fuente(Libro libro, int concepto, const QString& fuente);
    bool cuenta_habilitada(Libro libro, int concepto) const;
    // A fixed account typed by the user: "?" and a text opens the chart
    // chooser with that text; anything else is checked against the chart
    // and emptied when refused.
    void asigne_cuenta(Libro libro, int concepto, const QString& texto);
    // The chooser opened on the account box with its text.
    void busque_cuenta(Libro libro, int concepto, const QString& texto);

    // Adds an additional line (debit side, next item number).
    bool agregue_linea();
    int contador() const { return contador_; }

    // Takes the id of a new interface and writes header, NIIF row and lines
    // in one apply. False keeps everything, in edit, for another try.
    bool grabe();
    // Drops every pending change.
    void cancele();

  private:
    ClientDataset* conjunto(const QString& nombre, const QString& sql);
    Field& fuente(Libro libro, int concepto) const;
    Field& cuenta(Libro libro, int concepto) const;
    bool en_edicion(ClientDataset& ds);
    bool agregue(ClientDataset& detalle);
    bool valida(Libro libro, const QString& cuenta);

    Tfdm& dm_;
    Modo modo_;
    bool abierta_ = true;
    int contador_ = 0;
    ClientDataset* CInterfaz;
    ClientDataset* CNiif;
    ClientDataset* CCuentas;
};

}  // namespace ledgrix
