#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "output/impresion/impresion_documento.h"

namespace ledgrix {

class CorreoDocumento;
class Tfdm;

// The body of every voucher print window: loads the document's print data on
// creation, shows "Prepare la impresora..." with F2 (print), Esc (close) and
// F12 (e-mail), and prints with the document's format. With the preview
// setting "SI" the job opens in the print options window (modal "Opciones":
// preview, printer or file, copies); otherwise it goes straight to the
// format's printer. The window closes after printing and frees itself.
class Tfimpresion : public QWidget {
    Q_OBJECT
  public:
    Tfimpresion(Tfdm& dm, const MiembroImpresion& miembro, qint64 id, QWidget* parent = nullptr);
    ~Tfimpresion() override;

    ImpresionDocumento& logica() { return logica_; }

    // F2.
    void SBImprimirClick();
    // F12: checks the user's mail account (nothing is written without one),
    // writes the PDF and hands its path to `envie_correo`.
    void SBEmailClick();

    // Sends the written PDF by e-mail. The windows of charges, discounts,
    // payment vouchers and credits install the sending through the user's
    // SMTP account, which holds the window (wait cursor) until it ends.
    std::function<void(const QString& ruta)> envie_correo;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // One job with a format, through the options window or straight to the printer.
    void imprima(const Formato& formato);

    Tfdm& dm_;
    ImpresionDocumento logica_;
    std::unique_ptr<CorreoDocumento> correo_;
    struct EnvioSmtp {
        Tfimpresion* ventana;
        void operator()(const QString& ruta) const;
    };
};

// Charges (51): sends the support document when it opens.
class Tfimprnotadbp : public Tfimpresion {
    Q_OBJECT
  public:
    Tfimprnotadbp(Tfdm& dm, qint64 id, QWidget* parent = nullptr);
};

// Discounts (52): sends the support document's adjustment note when it opens.
class Tfimprnotacrp : public Tfimpresion {
    Q_OBJECT
  public:
    Tfimprnotacrp(Tfdm& dm, qint64 id, QWidget* parent = nullptr);
};

class Tfimpraplicacionp : public Tfimpresion {
    Q_OBJECT
  public:
    Tfimpraplicacionp(Tfdm& dm, qint64 id, QWidget* parent = nullptr);
};

class Tfimpranticipoprv : public Tfimpresion {
    Q_OBJECT
  public:
    Tfimpranticipoprv(Tfdm& dm, qint64 id, QWidget* parent = nullptr);
};

class Tfimprcausacred : public Tfimpresion {
    Q_OBJECT
  public:
    Tfimprcausacred(Tfdm& dm, qint64 id, QWidget* parent = nullptr);
};

class Tfimpregreso : public Tfimpresion {
    Q_OBJECT
  public:
    Tfimpregreso(Tfdm& dm, qint64 id, QWidget* parent = nullptr);
};

// The print window of a document type (51, 52, 53, 55, 57, 62) for a stored
// document; nullptr for any other type. Not shown yet.
Tfimpresion* ventana_impresion(Tfdm& dm, int tipo, qint64 id, QWidget* parent = nullptr);

// Opens the print window of a stored document as a modal window through
// dm.dialogs() under its class name (tests answer it with expectModal) and
// waits until it closes. Answers 0 for a type without print window.
int imprima_documento(Tfdm& dm, int tipo, qint64 id, QWidget* parent = nullptr);

}  // namespace ledgrix
