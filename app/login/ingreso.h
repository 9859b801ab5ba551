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

private:
    bool rechace();
    bool clave_valida(const QString& ubicacion, const QString& usuario, const QString& clave);

    Tfdm& dm_;
    QString revision_;
};

}  // namespace ledgrix
