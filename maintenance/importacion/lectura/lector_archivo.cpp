#include "maintenance/importacion/lectura/lector_archivo.h"

namespace ledgrix::importacion {

struct LectorArchivo::LineaCruda {
    QByteArray bytes;
    qint64 numero = 0;
    bool demasiado_larga = false;
};

LectorArchivo::LectorArchivo(FormatoArchivo formato, QList<ColumnaDato> columnas)
    : formato_(std::move(formato)), columnas_(std::move(columnas)) {}

LectorArchivo::~LectorArchivo() = default;

bool LectorArchivo::abra(const QString& ruta) {
    archivo_ = std::make_unique<QFile>(ruta);
    if (!archivo_->open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral(
            "Error al abrir el archivo, asegúrece que el nombre sea correcto y "
            "que no esté abierto en otra aplicación en este momento.");
        archivo_.reset();
        return false;
    }
    return abra(archivo_.get());
}

bool LectorArchivo::abra(QIODevice* dispositivo) {
    dispositivo_ = dispositivo;
    tamano_ = dispositivo->size();
    return true;
}

std::optional<std::variant<Linea, Rechazo>> LectorArchivo::siguiente() {
    return std::nullopt;
}

int LectorArchivo::porcentaje() const {
    return 0;
}

bool LectorArchivo::lea_cruda(LineaCruda&) {
    return false;
}

std::variant<Linea, Rechazo> LectorArchivo::corte(const LineaCruda&) const {
    return Linea{};
}

QList<Linea> LectorArchivo::vista_previa(const QString&, const FormatoArchivo&,
                                         const QList<ColumnaDato>&, int) {
    return {};
}

}  // namespace ledgrix::importacion
