#include "reports/pivote/plantilla.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace ledgrix {

namespace {

template <class T>
QJsonArray nombres(const QList<T>& lista) {
    QJsonArray a;
    for (T x : lista)
        a.append(nombre(x));
    return a;
}

template <class T, class Busque>
bool lea_lista(const QJsonValue& v, QList<T>& out, Busque busque) {
    if (!v.isArray())
        return false;
    for (const QJsonValue& e : v.toArray()) {
        const std::optional<T> x = busque(e.toString());
        if (!x)
            return false;
        out << *x;
    }
    return true;
}

}  // namespace

QString carpeta_plantillas(const QString& directorio_instalacion) {
    return QDir(directorio_instalacion).filePath(QStringLiteral("cxpagar/reportes"));
}

QString ruta_plantilla(const QString& directorio_instalacion, const QString& nombre) {
    QString archivo = nombre.trimmed();
    if (!archivo.endsWith(QStringLiteral(".mds"), Qt::CaseInsensitive))
        archivo += QStringLiteral(".mds");
    return QDir(carpeta_plantillas(directorio_instalacion)).filePath(archivo);
}

QStringList plantillas(const QString& directorio_instalacion) {
    return QDir(carpeta_plantillas(directorio_instalacion))
        .entryList({QStringLiteral("*.mds")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QByteArray a_json(const Disposicion& d) {
    return QJsonDocument(QJsonObject{{QStringLiteral("filas"), nombres(d.filas)},
                                     {QStringLiteral("columnas"), nombres(d.columnas)},
                                     {QStringLiteral("medidas"), nombres(d.medidas)}})
        .toJson();
}

std::optional<Disposicion> de_json(const QByteArray& texto) {
    const QJsonDocument doc = QJsonDocument::fromJson(texto);
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    Disposicion d;
    if (!lea_lista(o.value(QStringLiteral("filas")), d.filas, dimension_llamada) ||
        !lea_lista(o.value(QStringLiteral("columnas")), d.columnas, dimension_llamada) ||
        !lea_lista(o.value(QStringLiteral("medidas")), d.medidas, medida_llamada) || !d.valida())
        return std::nullopt;
    return d;
}

Disposicion cargue_plantilla(const QString& directorio_instalacion, const QString& nombre) {
    QFile archivo(ruta_plantilla(
        directorio_instalacion,
        nombre.trimmed().isEmpty() ? QString::fromLatin1(kPlantillaPorDefecto) : nombre));
    if (!archivo.open(QIODevice::ReadOnly))
        return Disposicion::por_defecto();
    return de_json(archivo.readAll()).value_or(Disposicion::por_defecto());
}

bool grabe_plantilla(const QString& ruta, const Disposicion& d, QString* error) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QSaveFile archivo(ruta);
    if (archivo.open(QIODevice::WriteOnly) && archivo.write(a_json(d)) >= 0 && archivo.commit())
        return true;
    if (error)
        *error = QStringLiteral("No se pudo grabar la plantilla %1: %2")
                     .arg(QDir::toNativeSeparators(ruta), archivo.errorString());
    return false;
}

}  // namespace ledgrix
