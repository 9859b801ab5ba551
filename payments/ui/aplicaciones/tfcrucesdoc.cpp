#include "payments/ui/aplicaciones/tfcrucesdoc.h"

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfcrucesdoc::Tfcrucesdoc(Tfdm& dm, QWidget* parent)
    : Tflista(dm, S("Tfcrucesdoc"), S("Cruces de documentos"), parent), logica_(dm, this) {
    setAttribute(Qt::WA_DeleteOnClose);
    const DocumentoSeleccionado documento = dm.documento_consultado;
    if (!documento.prefijo.isEmpty())
        setWindowTitle(windowTitle() + S(" - ") + documento.prefijo + documento.numero);
    logica_.cargue(documento.tipo, documento.id);
    ClientDataset& filas = logica_.filas();
    const char* const titulos[][2] = {{"FECHA", "Fecha"},
                                      {"TIPODOC", "Tipo"},
                                      {"IDDOC", "Id"},
                                      {"NOMBRE", "Documento"},
                                      {"PREFIJO", "Prefijo"},
                                      {"NUMERO", "Número"},
                                      {"ORIGEN", "Origen"},
                                      {"ITEM", "Item"},
                                      {"VALOR", "Valor"},
                                      {"ABONO", "Abono"},
                                      {"RETENCIONES", "Retenciones"},
                                      {"DTOF", "Descuento"}};
    for (const auto& t : titulos)
        if (Field* f = filas.findField(QLatin1String(t[0])))
            f->setDisplayLabel(S(t[1]));
    agregue_tecla(Qt::Key_F4, S("F4:consultar"), [this] { SBConsultarClick(); });
    muestre(filas, [this] { SBConsultarClick(); });
}

void Tfcrucesdoc::SBConsultarClick() {
    const QString clase = logica_.consulta();
    if (!clase.isEmpty())
        abra_externa(dm(), clase, this);
}

}  // namespace ledgrix
