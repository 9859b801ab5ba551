#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What the new and modify format windows work on: the format row of one
// document type and prefix, its data items and its fixed texts and drawings,
// nested so that one apply writes the three together or nothing.
class EdicionFormato : public QObject {
    Q_OBJECT
  public:
    enum class Modo { Nuevo, Modificar };

    struct Opcion {
        int codigo = 0;
        QString nombre;
    };

    // Prints the document `id` of type `tipo` through its print window (the
    // print windows install it); answers the window's result.
    using VistaPrevia = std::function<int(Tfdm& dm, int tipo, int id)>;
    static void instale_vista_previa(VistaPrevia vista);
    // Print window of a document type, empty for a type without preview.
    static QString ventana_impresion(int tipo);

    // The data names the print window of a document type fills.
    static QStringList datos_disponibles(int tipo);

    // A new format starts with one row of defaults; an existing one is read
    // by type and prefix and put in edit, or reported missing (abierta()).
    EdicionFormato(Tfdm& dm, Modo modo, int tipo = 0, const QString& prefijo = {},
                   QObject* parent = nullptr);

    Modo modo() const { return modo_; }
    bool abierta() const { return abierta_; }
    ClientDataset& formato() const { return *CFormato; }
    ClientDataset& datos() const { return *CDatos; }
    ClientDataset& lineas() const { return *CLineas; }
    int tipo() const;
    QString prefijo() const;

    QList<Opcion> documentos() const;
    QStringList prefijos(int tipo) const;

    // Choosing a document type: its prefixes are loaded; a type without any
    // tells the user and leaves the window unusable (abierta() false).
    QStringList elija_documento(int tipo);
    // Choosing a prefix that already has a format is refused and the prefix emptied.
    bool elija_prefijo(const QString& prefijo);
    // Sets a header column, putting the row in edit when needed.
    bool asigne(const QString& campo, const QVariant& valor);

    // New rows with the rules of the format: next item number, the format's
    // font and size.
    bool agregue_dato();
    bool agregue_linea();
    // Ask first; true when the row was taken out (stored on saving).
    bool borre_dato();
    bool borre_linea();
    // Loads a picture file into the current "G" element.
    bool cargue_imagen(const QString& ruta);

    int contador_datos() const { return contador_datos_; }
    int contador_lineas() const { return contador_lineas_; }

    // Stores the printer text and applies everything in one transaction.
    // False keeps every value, in edit, for another try.
    bool grabe(const QString& impresora);
    void cancele();
    bool hay_cambios() const;

    // Reads the stored format again (after its positions were shifted).
    bool recargue();

    // Most recent document of the format's type and prefix, 0 when none.
    int documento_reciente() const;
    // Prints that document through its print window.
    bool vista_previa();

  private:
    ClientDataset* conjunto(const QString& nombre, const QString& sql);
    bool en_edicion(ClientDataset& ds);
    bool agregue(ClientDataset& detalle);
    bool confirme_pendientes();
    void descarte_textos_vacios();
    void lea_contadores();

    Tfdm& dm_;
    Modo modo_;
    bool abierta_ = true;
    int contador_datos_ = 0;
    int contador_lineas_ = 0;
    ClientDataset* CFormato;
    ClientDataset* CDatos;
    ClientDataset* CLineas;
};

}  // namespace ledgrix
