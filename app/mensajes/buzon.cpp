#include "app/mensajes/buzon.h"

#include <QSqlQuery>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/usuario.h"

namespace ledgrix {

Buzon::Buzon(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    timer_.setInterval(kIntervalo);
    connect(&timer_, &QTimer::timeout, this, &Buzon::sondee);
}

void Buzon::start() {
    timer_.start();
    sondee();
}

void Buzon::sondee() {
    timer_.stop();
    indice_ = 0;
    // Without the company database there is nothing to poll; the timer stays
    // off rather than reporting the same connection error every few seconds.
    if (!dm_.ledgrix().isOpen()) return;
    alertas_.clear();
    auto q = dm_.sql().select(
        QStringLiteral("select mens_id, mens_autor, mens_mensaje, mens_nivel, mens_fecha, mens_hora "
                       "from mensajeria where mens_destino = ") +
        sql::quoted(dm_.ctx.usuario) + QStringLiteral(" and mens_leido = 'N'"));
    if (q) {
        while (q->next()) {
            AlertaMensaje a;
            a.id = QString::number(q->value(0).toLongLong());
            a.html = a.id + QStringLiteral("<br><b>") + q->value(2).toString() + QStringLiteral("<br>De : ") +
                     valide_usuario(dm_, q->value(1).toString()) + QStringLiteral("</b><br>") +
                     QStringLiteral("Fecha : ") + sql::dateText(q->value(4).toDate()) + QStringLiteral("-") +
                     q->value(5).toTime().toString(QStringLiteral("hh:mm:ss")) +
                     QStringLiteral("<br>Haga clic para marcar como leído");
            a.color = color_de_nivel(q->value(3).toInt());
            alertas_ << a;
        }
    }
    if (alertas_.isEmpty()) {
        timer_.start();
        return;
    }
    emit muestre();
}

void Buzon::cerrado() {
    alertas_.clear();
    indice_ = 0;
    timer_.start();
}

std::optional<ColorAlerta> Buzon::color_de_nivel(int nivel) {
    switch (nivel) {
    case 1: return ColorAlerta{255, 128, 255};
    case 2: return ColorAlerta{255, 255, 128};
    case 3: return ColorAlerta{128, 255, 255};
    default: return std::nullopt;
    }
}

QString Buzon::id_de(const QString& item) { return item.section(QStringLiteral("<br>"), 0, 0).trimmed(); }

const AlertaMensaje* Buzon::actual() const {
    if (indice_ < 0 || indice_ >= alertas_.size()) return nullptr;
    return &alertas_[indice_];
}

void Buzon::siguiente() {
    if (indice_ + 1 >= alertas_.size()) return;
    ++indice_;
    emit cambiado();
}

void Buzon::anterior() {
    if (indice_ <= 0) return;
    --indice_;
    emit cambiado();
}

bool Buzon::lea(const QString& id) {
    bool ok = false;
    const qint64 n = id.toLongLong(&ok);
    if (!ok) return false;
    dm_.sql().execute(QStringLiteral("update mensajeria set mens_leido = 'S' where mens_id = ") + sql::number(n));
    for (int i = 0; i < alertas_.size(); ++i) {
        if (alertas_[i].id != id) continue;
        alertas_.removeAt(i);
        if (i < indice_ || indice_ >= alertas_.size()) indice_ = std::max(0, indice_ - 1);
        break;
    }
    emit cambiado();
    return true;
}

void Buzon::marque_leido(const QString& item) { lea(id_de(item)); }

void Buzon::conteste(const QString& item) {
    const QString id = id_de(item);
    bool ok = false;
    const qint64 n = id.toLongLong(&ok);
    if (!ok) return;
    dm_.ctx.mensaje_id = id;
    dm_.ctx.mensaje_autor =
        dm_.sql().scalar(QStringLiteral("select mens_autor from mensajeria where mens_id = ") + sql::number(n)).toString();
    lea(id);
    emit abra_mensaje();
}

}  // namespace ledgrix
