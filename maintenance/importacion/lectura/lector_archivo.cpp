#include "maintenance/importacion/lectura/lector_archivo.h"

#include <QStringDecoder>
#include <algorithm>

namespace ledgrix::importacion {

namespace {

constexpr qint64 kBloque = 64 * 1024;

// Characters a line of text never holds: C0 and C1 controls and DEL. A tab
// is allowed only where it separates columns.
bool es_control(char16_t c, bool tab_permitido) {
    if (c == u'\t')
        return !tab_permitido;
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

QString nombre_caracter(char16_t c) {
    if (c == 0)
        return QStringLiteral("un carácter nulo");
    return QStringLiteral("un carácter de control (código %1)").arg(static_cast<int>(c));
}

}  // namespace

struct LectorArchivo::LineaCruda {
    QByteArray bytes;
    qint64 numero = 0;
    bool demasiado_larga = false;
};

LectorArchivo::LectorArchivo(FormatoArchivo formato, QList<ColumnaDato> columnas)
    : formato_(std::move(formato)), columnas_(std::move(columnas)) {
    std::stable_sort(
        columnas_.begin(), columnas_.end(),
        [](const ColumnaDato& a, const ColumnaDato& b) { return a.columna < b.columna; });
}

LectorArchivo::~LectorArchivo() = default;

bool LectorArchivo::abra(const QString& ruta) {
    auto archivo = std::make_unique<QFile>(ruta);
    if (ruta.isEmpty() || !archivo->open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral(
            "Error al abrir el archivo, asegúrece que el nombre sea correcto y "
            "que no esté abierto en otra aplicación en este momento.");
        return false;
    }
    archivo_ = std::move(archivo);
    return abra(archivo_.get());
}

bool LectorArchivo::abra(QIODevice* dispositivo) {
    error_.clear();
    decodificador_ = QStringDecoder(formato_.codificacion.toLatin1().constData(),
                                    QStringDecoder::Flag::Stateless);
    if (!decodificador_.isValid()) {
        error_ = QStringLiteral("La codificación «%1» no se reconoce.").arg(formato_.codificacion);
        return false;
    }
    utf8_ = decodificador_.name() == QLatin1String("UTF-8");
    if (formato_.tipo == TipoArchivo::AnchoFijo &&
        std::none_of(columnas_.begin(), columnas_.end(),
                     [](const ColumnaDato& c) { return c.ancho > 0; })) {
        error_ = QStringLiteral("Indique el ancho de cada columna: el archivo es de ancho fijo.");
        return false;
    }
    // Spreadsheets save "Unicode text" as UTF-16: every line would be refused
    // for its zero bytes; better to say what the file is once.
    const QByteArray inicio = dispositivo->peek(2);
    if (inicio == QByteArray("\xFF\xFE") || inicio == QByteArray("\xFE\xFF")) {
        error_ = QStringLiteral(
            "El archivo está escrito en UTF-16; guárdelo como UTF-8 o como "
            "ISO-8859-1 y vuelva a intentarlo.");
        return false;
    }
    dispositivo_ = dispositivo;
    tamano_ = dispositivo->isSequential() ? 0 : dispositivo->size();
    leidos_ = 0;
    numero_ = 0;
    omitidas_ = 0;
    bloque_.clear();
    pos_ = 0;
    cr_pendiente_ = false;
    fin_ = false;
    encabezado_pendiente_ = formato_.encabezado;
    return true;
}

bool LectorArchivo::llene_bloque() {
    if (pos_ < bloque_.size())
        return true;
    if (fin_ || !dispositivo_)
        return false;
    bloque_ = dispositivo_->read(kBloque);
    pos_ = 0;
    if (bloque_.isEmpty()) {
        fin_ = true;
        return false;
    }
    return true;
}

// A line ends at CR, at LF or at CRLF, which is one end. Bytes past the limit
// are counted but not kept, so a line without ends does not fill the memory.
bool LectorArchivo::lea_cruda(LineaCruda& cruda) {
    cruda = LineaCruda{};
    bool algo = false;
    while (llene_bloque()) {
        if (cr_pendiente_) {
            cr_pendiente_ = false;
            if (bloque_.at(pos_) == '\n') {
                ++pos_;
                ++leidos_;
                continue;
            }
        }
        const char* inicio = bloque_.constData() + pos_;
        const char* final = bloque_.constData() + bloque_.size();
        const char* fin_linea =
            std::find_if(inicio, final, [](char c) { return c == '\r' || c == '\n'; });
        const qint64 n = fin_linea - inicio;
        algo = algo || n > 0;
        if (!cruda.demasiado_larga) {
            const qint64 cabe = kLargoMaximo + 1 - cruda.bytes.size();
            cruda.bytes.append(inicio, static_cast<qsizetype>(std::min(n, cabe)));
            if (cruda.bytes.size() > kLargoMaximo) {
                cruda.demasiado_larga = true;
                cruda.bytes.clear();
            }
        }
        pos_ += n;
        leidos_ += n;
        if (fin_linea != final) {
            cr_pendiente_ = *fin_linea == '\r';
            ++pos_;
            ++leidos_;
            cruda.numero = ++numero_;
            return true;
        }
    }
    if (!algo)
        return false;
    cruda.numero = ++numero_;
    return true;
}

std::optional<std::variant<Linea, Rechazo>> LectorArchivo::siguiente() {
    LineaCruda cruda;
    while (lea_cruda(cruda)) {
        if (cruda.numero == 1 && utf8_ && cruda.bytes.startsWith("\xEF\xBB\xBF"))
            cruda.bytes.remove(0, 3);
        const bool vacia = !cruda.demasiado_larga && cruda.bytes.trimmed().isEmpty();
        if (vacia || encabezado_pendiente_) {
            // The header is the first line that holds anything.
            encabezado_pendiente_ = encabezado_pendiente_ && vacia;
            ++omitidas_;
            continue;
        }
        auto resultado = corte(cruda);
        if (const Linea* linea = std::get_if<Linea>(&resultado);
            linea && std::all_of(linea->columnas.begin(), linea->columnas.end(),
                                 [](const QString& c) { return c.trimmed().isEmpty(); })) {
            // Separators alone ("; ; ;"), as spreadsheets write empty rows.
            ++omitidas_;
            continue;
        }
        return resultado;
    }
    return std::nullopt;
}

std::variant<Linea, Rechazo> LectorArchivo::corte(const LineaCruda& cruda) {
    const auto rechazo = [&](const QString& motivo) { return Rechazo{cruda.numero, motivo}; };
    if (cruda.demasiado_larga)
        return rechazo(QStringLiteral("La línea es demasiado larga (más de %1 bytes); no parece "
                                      "un registro del archivo.")
                           .arg(kLargoMaximo));
    decodificador_.resetState();
    const QString texto = decodificador_.decode(cruda.bytes);
    if (decodificador_.hasError())
        return rechazo(QStringLiteral("La línea no está escrita en %1; revise la codificación "
                                      "elegida para el archivo.")
                           .arg(formato_.codificacion));
    const bool tab_separa =
        formato_.tipo == TipoArchivo::Delimitado && formato_.separador == QLatin1Char('\t');
    for (qsizetype i = 0; i < texto.size(); ++i)
        if (es_control(texto.at(i).unicode(), tab_separa))
            return rechazo(QStringLiteral("La línea contiene %1 en la posición %2.")
                               .arg(nombre_caracter(texto.at(i).unicode()))
                               .arg(i + 1));

    Linea linea{cruda.numero, {}};
    if (formato_.tipo == TipoArchivo::AnchoFijo) {
        qsizetype desde = 0;
        for (const ColumnaDato& c : columnas_) {
            if (c.columna < 1)
                continue;
            while (linea.columnas.size() < c.columna - 1)
                linea.columnas.append(QString());
            if (linea.columnas.size() == c.columna - 1) {
                linea.columnas.append(texto.mid(desde, c.ancho));
                desde += c.ancho;
            }
        }
        if (desde < texto.size() && !texto.mid(desde).trimmed().isEmpty())
            return rechazo(QStringLiteral("La línea es más larga que la suma de los anchos de sus "
                                          "columnas (%1 caracteres); revise los anchos.")
                               .arg(desde));
        return linea;
    }

    const QChar sep = formato_.separador;
    const QChar del = formato_.delimitador;
    QString valor;
    qsizetype i = 0;
    const qsizetype n = texto.size();
    for (;;) {
        if (linea.columnas.size() == kColumnasMaximas)
            return rechazo(
                QStringLiteral("La línea tiene más de %1 columnas.").arg(kColumnasMaximas));
        valor.clear();
        qsizetype j = i;
        while (j < n && texto.at(j) == QLatin1Char(' '))
            ++j;
        if (!del.isNull() && j < n && texto.at(j) == del) {
            // Quoted value: separators inside belong to it, and a doubled
            // delimiter stands for one delimiter character, the usual CSV rule.
            i = j + 1;
            bool cerrado = false;
            while (i < n) {
                const QChar c = texto.at(i++);
                if (c != del) {
                    valor.append(c);
                } else if (i < n && texto.at(i) == del) {
                    valor.append(del);
                    ++i;
                } else {
                    cerrado = true;
                    break;
                }
            }
            if (!cerrado)
                return rechazo(QStringLiteral("Falta cerrar el delimitador de texto %1 en la "
                                              "columna %2.")
                                   .arg(del)
                                   .arg(linea.columnas.size() + 1));
            while (i < n && texto.at(i) == QLatin1Char(' '))
                ++i;
            if (i < n && texto.at(i) != sep)
                return rechazo(QStringLiteral("En la columna %1 hay texto después del "
                                              "delimitador de cierre %2.")
                                   .arg(linea.columnas.size() + 1)
                                   .arg(del));
        } else {
            const qsizetype k = texto.indexOf(sep, i);
            const qsizetype hasta = k < 0 ? n : k;
            valor = texto.mid(i, hasta - i);
            i = hasta;
        }
        linea.columnas.append(valor);
        if (i >= n)
            break;
        ++i;  // the separator
        if (i == n) {
            linea.columnas.append(QString());
            break;
        }
    }
    if (linea.columnas.size() > kColumnasMaximas)
        return rechazo(QStringLiteral("La línea tiene más de %1 columnas.").arg(kColumnasMaximas));
    return linea;
}

int LectorArchivo::porcentaje() const {
    if (tamano_ <= 0)
        return fin_ ? 100 : 0;
    const qint64 leidos = std::min(leidos_, tamano_);
    if (tamano_ < 100)
        return static_cast<int>(leidos * 5 / tamano_) * 20;
    return static_cast<int>(leidos * 100 / tamano_);
}

QList<Linea> LectorArchivo::vista_previa(const QString& ruta, const FormatoArchivo& formato,
                                         const QList<ColumnaDato>& columnas, int lineas) {
    QList<Linea> vista;
    LectorArchivo lector(formato, columnas);
    if (!lector.abra(ruta))
        return vista;
    // A file that is not what the user described refuses every line: stop
    // looking well before its end.
    for (int leidas = 0; vista.size() < lineas && leidas < lineas * 10; ++leidas) {
        auto siguiente = lector.siguiente();
        if (!siguiente)
            break;
        if (auto* linea = std::get_if<Linea>(&*siguiente))
            vista.append(std::move(*linea));
    }
    return vista;
}

}  // namespace ledgrix::importacion
