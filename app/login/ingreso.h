#pragma once

#include <QString>
#include <QStringList>

namespace ledgrix {

class Tfdm;

// The module's entry: checks the launcher's arguments, opens both databases,
// loads the configuration and fills the login context.
class Ingreso {
  public:
    explicit Ingreso(Tfdm& dm) : dm_(dm) {}

    // `args` are the command-line arguments without the program name:
    // "ENTRADA", user, company, scrambled password and, optionally, the
    // database location. False: the user was refused and told why.
    bool ingrese(const QStringList& args);

    // Leaving the module: the exit audit row, and the presence mark cleared
    // unless another session of the same user marked it today as well.
    void salga();

    // Text of the revision label once logged in.
    const QString& revision() const { return revision_; }
    // The company as the status area names it (the configured name).
    const QString& compania() const { return compania_; }
    // Name of the user's agency; empty when the user has none.
    const QString& nombre_agencia() const { return agencia_; }
    // The main window's colouring from "COLOR VENTANA PRINCIPAL".
    int matiz() const { return matiz_; }
    int saturacion() const { return saturacion_; }

    // What the main window does once the user is in.
    struct Pendientes {
        bool pedir_tasa = false;  // no rate of the default foreign currency for today
        int moneda = 0;
        bool abrir_movimiento = false;  // the supplier movement window at entry
    };
    const Pendientes& pendientes() const { return pendientes_; }

    // Hue offset and saturation encoded as hue * 100 + saturation.
    static void color_ventana(const QString& valor, int& matiz, int& saturacion);

  private:
    bool rechace();
    // The steps after the entry row; false when the user was refused.
    bool entre(const QString& usuario, const QString& compania, const QString& ubicacion,
               const QString& clave);
    bool clave_valida(const QString& ubicacion, const QString& usuario, const QString& clave);
    void cargue_compania(const QString& compania);
    void revise_pendientes();

    Tfdm& dm_;
    QString revision_;
    QString compania_;
    QString agencia_;
    int matiz_ = 160;
    int saturacion_ = 0;
    Pendientes pendientes_;
};

}  // namespace ledgrix
