// ledgrix: asks for user, company and password and starts the payables module.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include "core/config/idioma.h"
#include "tools/launcher/lanzador.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ledgrix"));
    ledgrix::instale_traducciones_qt(app);
    QDialog ventana;
    ventana.setWindowTitle(QStringLiteral("Ledgrix - DatosIngreso"));
    auto* usuario = new QLineEdit(&ventana);
    auto* compania = new QLineEdit(QStringLiteral("001"), &ventana);
    auto* clave = new QLineEdit(&ventana);
    clave->setEchoMode(QLineEdit::Password);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ventana);
    botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ingresar"));
    auto* forma = new QFormLayout(&ventana);
    forma->addRow(QStringLiteral("Usuario:"), usuario);
    forma->addRow(QStringLiteral("Compañía:"), compania);
    forma->addRow(QStringLiteral("Clave:"), clave);
    forma->addRow(botones);
    QObject::connect(botones, &QDialogButtonBox::rejected, &ventana, &QDialog::reject);
    QObject::connect(botones, &QDialogButtonBox::accepted, &ventana, [&] {
        const ledgrix::DatosIngreso ingreso{usuario->text(), compania->text(), clave->text(),
                                            qEnvironmentVariable("LEDGRIX_UBICACION")};
        const QString falta = ledgrix::revise_ingreso(ingreso);
        if (!falta.isEmpty()) {
            QMessageBox::warning(&ventana, QApplication::applicationName(), falta);
            return;
        }
        const QString programa = ledgrix::programa_modulo(QApplication::applicationDirPath());
        if (programa.isEmpty() ||
            !QProcess::startDetached(programa, ledgrix::argumentos_modulo(ingreso))) {
            QMessageBox::critical(
                &ventana, QApplication::applicationName(),
                QStringLiteral("No se pudo iniciar el módulo de cuentas por pagar."));
            return;
        }
        ventana.accept();
    });
    return ventana.exec() == QDialog::Accepted ? 0 : 1;
}
