#include "payments/ui/aplicaciones/razon_anulacion.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

std::optional<QString> pida_razon_anulacion(Tfdm& dm, QWidget* parent) {
    QString razon;
    const int r = dm.dialogs().modal(QStringLiteral("Tfrazonanulacion"), [&] {
        QDialog memo(parent);
        memo.setWindowTitle(QStringLiteral("Anulación"));
        auto* caja = new QVBoxLayout(&memo);
        caja->addWidget(new QLabel(
            QStringLiteral("Indique la razon por la cual está anulando este documento :"), &memo));
        auto* texto = new QPlainTextEdit(&memo);
        caja->addWidget(texto);
        auto* botones =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &memo);
        QObject::connect(botones, &QDialogButtonBox::accepted, &memo, &QDialog::accept);
        QObject::connect(botones, &QDialogButtonBox::rejected, &memo, &QDialog::reject);
        caja->addWidget(botones);
        const int resultado = memo.exec();
        razon = texto->toPlainText();
        return resultado;
    });
    if (r != QDialog::Accepted)
        return std::nullopt;
    return razon;
}

}  // namespace ledgrix
