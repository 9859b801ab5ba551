#include "output/mantenimiento/mover_formato.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

const QList<MoverFormato::Accion>& MoverFormato::acciones() {
    static const QList<Accion> lista{
        {QStringLiteral("Mover a la derecha"), u'R'},
        {QStringLiteral("Mover a la izquierda"), u'L'},
        {QStringLiteral("Mover hacia arriba"), u'U'},
        {QStringLiteral("Mover hacia abajo"), u'D'},
        {QStringLiteral("Reducir verticalmente a la mitad"), u'M'},
        {QStringLiteral("Reducir horizontalmente a la mitad"), u'Y'},
        {QStringLiteral("Expandir verticalmente al doble"), u'C'},
        {QStringLiteral("Expandir horizontalmente al doble"), u'X'},
    };
    return lista;
}

bool MoverFormato::usa_numeros(QChar accion) {
    return accion == u'R' || accion == u'L' || accion == u'U' || accion == u'D';
}

MoverFormato::MoverFormato(Tfdm& dm, int tipo, const QString& prefijo)
    : dm_(dm), tipo_(tipo), prefijo_(prefijo) {}

bool MoverFormato::numero(const QString& texto, int defecto, const QString& campo,
                          int& valor) const {
    const QString t = texto.trimmed();
    if (t.isEmpty()) {
        valor = defecto;
        return true;
    }
    bool ok = false;
    valor = t.toInt(&ok);
    if (!ok || valor < 0) {
        dm_.dialogs().error(QStringLiteral("Digite un número entero positivo en ") + campo);
        return false;
    }
    return true;
}

bool MoverFormato::ejecute(QChar accion, const QString& posiciones, const QString& desde,
                           const QString& hasta) {
    bool conocida = false;
    for (const Accion& a : acciones())
        conocida = conocida || a.letra == accion;
    if (!conocida) {
        dm_.dialogs().error(QStringLiteral("Escoja la acción a realizar."));
        return false;
    }
    int n = 0, inicio = 0, fin = 2000;
    if (usa_numeros(accion) &&
        (!numero(posiciones, 0, QStringLiteral("Numero de posiciones:"), n) ||
         !numero(desde, 0, QStringLiteral("Empezando en:"), inicio) ||
         !numero(hasta, 2000, QStringLiteral("Terminando en:"), fin)))
        return false;
    return dm_.sql().execute(
        QStringLiteral("EXECUTE PROCEDURE MOVER_FORMATO(") + sql::number(tipo_) +
        QStringLiteral(", ") + sql::quoted(prefijo_) + QStringLiteral(", ") + sql::number(n) +
        QStringLiteral(", ") + sql::number(inicio) + QStringLiteral(", ") + sql::number(fin) +
        QStringLiteral(", ") + sql::quoted(QString(accion)) + QStringLiteral(")"));
}

}  // namespace ledgrix
