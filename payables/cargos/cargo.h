#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "payables/cargos/documento_cxp.h"

namespace ledgrix {

// What the "Cargos en Cuenta" window works on: one charge (type 51) at a
// time. Beyond the family's rules a charge has a due date that follows the
// supplier invoice's date, a project and cost centre with their rows, the
// simplified regime's share of the VAT, the supplier's commitments and the
// application to a credit document built in memory and stored with it.
//
// The commitments list opens as modal "Tfcompromisos", the review as
// "Tfcontabiliza", the interface chooser as "Tfpreginterfaz".
class Cargo : public DocumentoCxp {
    Q_OBJECT
  public:
    // Credit documents a charge may be applied to at once.
    enum class Aplicable {
        NotaCredito /* NOTACRPR, 52 */,
        Devolucion /* DEVOLPRV, 24 */,
        Anticipo /* ANTICPRV, 55 */
    };

    // Values a window that opens this one leaves for it (all optional).
    struct Recibidos {
        QString nit;
        QString negocio;
        qint64 factura = 0;  // purchase invoice id (type 21)
        QString articulo;
        QString tipo_aplicar;  // "52", "24" or "55"; anything else is refused
        QString prefijo_aplicar;
        QString numero_aplicar;
    };

    explicit Cargo(Tfdm& dm, QObject* parent = nullptr);
    ~Cargo() override;

    // The charge nests its cost-centre rows (CENTROS_DOCUMENTO) and the
    // pending application header (APLICACION_PROVEDOR), which nests its two
    // lines: one apply stores them all.
    ClientDataset& centros() const { return *CCentros; }
    ClientDataset& aplicacion() const { return *CAplicacion; }
    ClientDataset& aplicacion_detalle() const { return *CAplicacionDet; }

    QString nombre_proyecto() const { return nom_proy_; }
    QString nombre_centro() const { return nom_centro_; }
    QString nombre_subcentro() const { return nom_subc_; }
    bool simplificado() const override { return simplificado_; }
    bool centros_abiertos() const { return centros_abiertos_; }
    bool centros_confirmados() const { return centros_confirmados_; }

    void cambie_fecha_factura(const QDate& fecha);  // supplier invoice date: due date follows
    void cambie_proyecto(const QString& proyecto);
    void cambie_centro(const QString& centro);
    void cambie_subcentro(const QString& subcentro);

    // "Aplicar a:": builds the pending application; false when refused (the
    // reference is emptied and the user told).
    bool aplique_a(Aplicable tipo, const QString& referencia);

    // Cost-centre panel: opened by the save when the distribution is required.
    void abra_centros();
    // Checks the rows; when they add up, marks the distribution confirmed and
    // runs the save again (its answer).
    bool confirme_centros();

    // Values left by the window that opened this one.
    void reciba(const Recibidos& valores);

    // Opens another part's window by class name, installed by the window:
    // the commitments list, which reads its supplier from
    // Tfdmter::entregado. Without it the list is only asked for by name.
    std::function<int(const QString& clase)> abra_ventana;

  protected:
    bool lea_configuracion() override;
    void abra_listas() override;
    void valores_nuevos(ClientDataset& notas) override;
    void reinicie() override;
    void recuperado() override;
    QString columnas_proveedor() const override;
    void proveedor_leido(const QSqlQuery& fila, int primera) override;
    void proveedor_listo(const QString& nit) override;
    void fecha_cambiada(const QDate& fecha) override;
    Currency parte_simplificado() const override { return f_; }
    std::vector<ConsultaNumprov> consultas_numprov(const QString& numero,
                                                   const QString& nit) const override;
    bool antes_de_grabar() override;
    bool tras_revisar_valores() override;
    bool en_unidad() override;
    bool revise_registro() override;
    QStringList bloqueos_propios() const override;
    bool complete_detalle(qint64 id) override;
    void deshaga_detalle() override;

  private:
    void limpie_aplicacion();
    bool valide_codigo(const QString& mensaje, const QString& sql, QString& nombre,
                       const char* sufijo);

    ClientDataset* CCentros = nullptr;
    ClientDataset* CAplicacion = nullptr;
    ClientDataset* CAplicacionDet = nullptr;
    ClientDataset* CPrefApl = nullptr;

    Currency f_;
    bool simplificado_ = false;
    bool numprov_obligatorio_ = false;
    bool centros_obligatorios_ = false;
    bool centros_abiertos_ = false;
    bool centros_confirmados_ = false;
    int contador_centros_ = 0;
    QString nom_proy_, nom_centro_, nom_subc_;
    // The document "Aplicar a:" names; the application is built from it
    // again when the charge is saved.
    std::optional<std::pair<Aplicable, QString>> aplicar_;
};

}  // namespace ledgrix
