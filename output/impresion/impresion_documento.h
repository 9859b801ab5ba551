#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantHash>
#include <optional>
#include <utility>

#include "core/money/currency.h"
#include "output/formatos/formato.h"
#include "output/formatos/motor.h"
#include "output/impresion/familia.h"

class QPagedPaintDevice;

namespace ledgrix {

class Tfdm;

// A row of a print procedure: column name (upper case) -> value.
using FilaImpresion = QVariantHash;

// The logic of every voucher print window: reads the document's print data
// once (`cargue`), builds the header items and detail rows, chooses the
// format and lays the document out on a device or into a PDF file.
class ImpresionDocumento {
  public:
    ImpresionDocumento(Tfdm& dm, const MiembroImpresion& miembro, qint64 id);

    // Reads the print row, the detail sections, the void flag and the audit
    // record. A document that does not exist prints only its format's fixed
    // texts; answers whether the print row was found.
    bool cargue();

    const MiembroImpresion& miembro() const { return m_; }
    qint64 id() const { return id_; }
    bool anulado() const { return anulado_; }
    QString prefijo() const;
    QString numero() const;
    const FilaImpresion& fila() const { return fila_; }
    // Rows of the document's own procedure that carry a line.
    const QList<FilaImpresion>& lineas() const { return lineas_; }
    // Rows read for a detail section.
    const QList<FilaImpresion>& seccion(int i) const { return secciones_.at(i); }
    Currency monto(const QString& columna) const;

    QString titulo_reporte() const { return m_.titulo_reporte + prefijo() + numero(); }
    QString titulo_trabajo() const { return m_.titulo_trabajo + prefijo() + numero(); }
    // The PDF file in the installation folder; prefix and number as stored.
    QString ruta_pdf() const;

    // Text of the support document's QR code.
    QString texto_qr() const;
    DatosImpresos encabezado() const;
    QList<DatosImpresos> detalle() const;
    DocumentoImpreso documento() const;

    // Type and prefix of the format this document prints with: a payment
    // voucher paid from the bank may print on the bank document's format.
    std::pair<int, QString> formato_a_usar();
    // A payment voucher from the bank account configured for it prints a
    // second job with the cheque's format: its type and prefix.
    std::optional<std::pair<int, QString>> cheque_adicional();
    // The format, or nullopt after telling the user "No se encontró el formato de impresión.".
    std::optional<Formato> formato();
    // Whether the user chooses destination and copies before the job.
    bool con_opciones();

    // Writes the PDF (ruta_pdf()); empty when there is no format or the file could not be written.
    QString imprima_pdf();

    // The electronic support document (or its adjustment note) goes to the
    // tax authority when the window opens, unless already sent; the print
    // data are read again when a code came back.
    void envie_documento_electronico();

  private:
    ValorImpreso valor(const FilaImpresion& fila, const ItemImpreso& item) const;
    QList<FilaImpresion> filas(const QString& sql) const;

    Tfdm& dm_;
    const MiembroImpresion& m_;
    qint64 id_;
    FilaImpresion fila_;
    QList<FilaImpresion> lineas_;
    QList<QList<FilaImpresion>> secciones_;
    bool anulado_ = false;
    QString autorizacion_;
    QDate registro_fecha_;
    QString registro_hora_;
    QString registro_usuario_;
};

// The date in words for printed vouchers: "21 de septiembre de 2022".
QString fecha_en_letras(const QDate& fecha);

}  // namespace ledgrix
