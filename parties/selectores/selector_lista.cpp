#include "parties/selectores/selector_lista.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

SelectorLista::Ventana& ventana_instalada() {
    static SelectorLista::Ventana ventana;
    return ventana;
}

}  // namespace

SelectorLista::SelectorLista(Tfdm& dm, QString ventana, QString titulo, QStringList columnas)
    : dm_(dm),
      ventana_(std::move(ventana)),
      titulo_(std::move(titulo)),
      columnas_(std::move(columnas)) {}

void SelectorLista::instale_ventana(Ventana ventana) {
    ventana_instalada() = std::move(ventana);
}

void SelectorLista::busque(const QString& texto) {
    texto_ = texto.trimmed();
    lineas_.clear();
    if (auto q = dm_.sql().select(consulta(texto_))) {
        const int n = q->record().count();
        while (q->next()) {
            QStringList linea;
            for (int c = 0; c < n; ++c)
                linea << q->value(c).toString().trimmed();
            lineas_.push_back(std::move(linea));
        }
    }
    actual_ = lineas_.empty() ? -1 : 0;
}

void SelectorLista::elija(int linea) {
    if (linea >= 0 && linea < static_cast<int>(lineas_.size()))
        actual_ = linea;
}

std::optional<QString> SelectorLista::elegido(int resultado) const {
    if (resultado != 1 || actual_ < 0)
        return std::nullopt;
    return lineas_[static_cast<size_t>(actual_)].value(0);
}

QStringList SelectorLista::linea_elegida(int resultado) const {
    if (resultado != 1 || actual_ < 0)
        return {};
    return lineas_[static_cast<size_t>(actual_)];
}

QString SelectorLista::pregunte(const QString& texto) {
    busque(texto);
    resultado_ = dm_.dialogs().modal(ventana_, [this] {
        const Ventana& ventana = ventana_instalada();
        return ventana ? ventana(*this) : 0;
    });
    return elegido(resultado_).value_or(QString());
}

}  // namespace ledgrix
