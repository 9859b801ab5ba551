#pragma once

#include <QByteArray>
#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ledgrix {

// A report project as a technician writes it (JSON text, ".lrep"): the
// reports of one window, each with its page and bands. Every measure is in
// millimetres; docs/reportes.md describes the format key by key.

struct FuenteTexto {
    QString familia = QStringLiteral("DejaVu Sans");
    double tamano = 8;  // points
    bool negrita = false;
    bool cursiva = false;
};

enum class TipoElemento { Texto, Campo, Suma, Cuenta, Linea };
enum class FormatoValor { Texto, Monto, Entero, Fecha };
enum class Alineacion { Izquierda, Centro, Derecha };
// Where a sum or count runs: since its group started, since the page started
// or since the report started.
enum class Ambito { Grupo, Pagina, Reporte };

struct Elemento {
    TipoElemento tipo = TipoElemento::Texto;
    QString nombre;   // lets the window replace a texto's text
    QRectF caja;      // relative to the band's top left corner
    QString texto;    // texto: literal with {parametro}/{pagina}/{paginas}/{COLUMNA}
    QString columna;  // campo, suma
    FormatoValor formato = FormatoValor::Texto;
    int decimales = 2;
    bool ocultar_ceros = false;
    Alineacion alineacion = Alineacion::Izquierda;
    Ambito ambito = Ambito::Reporte;
    FuenteTexto fuente;
    double grosor = 0.2;  // linea, mm
};

enum class TipoBanda {
    EncabezadoReporte,
    EncabezadoPagina,
    EncabezadoGrupo,
    Detalle,
    PieGrupo,
    PiePagina,
    Resumen
};

struct Banda {
    QString nombre;
    TipoBanda tipo = TipoBanda::Detalle;
    double alto = 5;
    QStringList campos;  // encabezado_grupo: the columns whose change starts a group
    QString grupo;       // pie_grupo: the encabezado_grupo band it closes
    // encabezado_grupo: every group after the first starts on a new page.
    bool pagina_nueva = false;
    std::vector<Elemento> elementos;
};

struct DefinicionReporte {
    QString nombre;
    QString pagina = QStringLiteral("Page1");
    QSizeF papel{215.9, 279.4};  // portrait, mm
    bool horizontal = false;
    double margen_izquierdo = 10, margen_superior = 10, margen_derecho = 10, margen_inferior = 10;
    std::vector<Banda> bandas;
    // The parameters the project declares, with the text they print when
    // the window does not set them.
    QHash<QString, QString> parametros;
    QString archivo;  // for messages

    QSizeF papel_orientado() const { return horizontal ? papel.transposed() : papel; }
};

class ProyectoReporte {
  public:
    // Reads the file; nullopt with a Spanish message naming the file and
    // what is wrong in it.
    static std::optional<ProyectoReporte> lea(const QString& ruta, QString* error);
    static std::optional<ProyectoReporte> de_texto(const QByteArray& json,
                                                   const QString& nombre_archivo, QString* error);

    QStringList reportes() const;
    const DefinicionReporte* reporte(const QString& nombre) const;
    const QString& archivo() const { return archivo_; }

  private:
    QString archivo_;
    std::vector<DefinicionReporte> reportes_;
};

}  // namespace ledgrix
