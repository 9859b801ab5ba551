#include "app/mensajes/mensaje_instantaneo.h"

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/clock.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

ClientDataset* conjunto(QObject* owner, const QString& tabla, const QString& conexion, const QString& sqlText,
                        Provider** provider) {
    auto* p = new Provider(owner, QStringLiteral("P") + tabla);
    p->setConnectionName(conexion);
    p->setQueryName(QStringLiteral("Q") + tabla);
    p->setCommandText(sqlText);
    auto* ds = new ClientDataset(owner, QStringLiteral("C") + tabla);
    ds->setProvider(p);
    *provider = p;
    return ds;
}

}  // namespace

MensajeInstantaneo::MensajeInstantaneo(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CHistoria = conjunto(this, QStringLiteral("Historia"), dm.Ledgrix(),
                         QStringLiteral("select * from historia_mensajes(") + sql::quoted(dm.ctx.usuario) +
                             QStringLiteral(") order by FECHA DESC, HORA DESC"),
                         &PHistoria);
    CUsuarios = conjunto(this, QStringLiteral("Usuario"), dm.ConGeneral(),
                         QStringLiteral("SELECT USUA_COD USUARIO, USUA_NOMBRE NOMBRE, FECCON FROM USUARIO "),
                         &PUsuarios);
    CMensajeria = conjunto(this, QStringLiteral("Mensajeria"), dm.Ledgrix(),
                           QStringLiteral("select * from mensajeria where mens_id = 0"), &PMensajeria);
    dm.ConfigurarProviders(this);

    CUsuarios->addCalculatedField(QStringLiteral("Conectado"), Field::Type::String, 1);
    CUsuarios->onCalcFields = [this](ClientDataset& d) {
        const bool hoy = d.fieldByName(QStringLiteral("FECCON")).asDate() == dm_.clock().today();
        d.fieldByName(QStringLiteral("Conectado")).setValue(hoy ? QStringLiteral("S") : QStringLiteral("N"));
    };
    CUsuarios->afterScroll = [this](ClientDataset&) { usuario_movido(); };

    CHistoria->open();
    CUsuarios->open();
    CMensajeria->open();
    // The server numbers, signs and stamps the row (see the insert trigger).
    for (const char* name : {"MENS_AUTOR", "MENS_FECHA", "MENS_HORA"})
        if (Field* f = CMensajeria->findField(QString::fromLatin1(name))) f->setRequired(false);
    if (CMensajeria->active() && CMensajeria->append()) {
        CMensajeria->fieldByName(QStringLiteral("MENS_ID")).setValue(0);
        CMensajeria->fieldByName(QStringLiteral("MENS_LEIDO")).setValue(QStringLiteral("N"));
        CMensajeria->fieldByName(QStringLiteral("MENS_RESPUESTA")).setValue(0);
        CMensajeria->fieldByName(QStringLiteral("MENS_NIVEL")).setValue(3);
    }

    // An answer: the inbox left the message and its author in the login
    // context. They are consumed here so that the next window opened from
    // the menu is a new conversation, not a second answer.
    if (!dm.ctx.mensaje_autor.isEmpty() && CMensajeria->state() == ClientDataset::State::Insert) {
        if (CUsuarios->active())
            CUsuarios->locate(QStringLiteral("USUARIO"), {dm.ctx.mensaje_autor});
        CMensajeria->fieldByName(QStringLiteral("MENS_DESTINO")).setValue(dm.ctx.mensaje_autor);
        CMensajeria->fieldByName(QStringLiteral("MENS_RESPUESTA")).setValue(dm.ctx.mensaje_id.toLongLong());
    }
    dm.ctx.mensaje_autor.clear();
    dm.ctx.mensaje_id.clear();

    refresco_.setInterval(kRefresco);
    // Who is connected changes while the window stays open.
    connect(&refresco_, &QTimer::timeout, this, [this] {
        if (CUsuarios->active()) CUsuarios->refresh();
    });
    refresco_.start();
}

int MensajeInstantaneo::nivel_de_prioridad(int posicion) {
    switch (posicion) {
    case 1: return 2;
    case 2: return 1;
    default: return 3;
    }
}

int MensajeInstantaneo::prioridad_de_nivel(int nivel) {
    switch (nivel) {
    case 1: return 2;
    case 2: return 1;
    default: return 0;
    }
}

bool MensajeInstantaneo::edite() {
    if (!CMensajeria->active()) return false;
    return CMensajeria->edit();
}

void MensajeInstantaneo::set_prioridad(int posicion) {
    if (edite()) CMensajeria->fieldByName(QStringLiteral("MENS_NIVEL")).setValue(nivel_de_prioridad(posicion));
}

void MensajeInstantaneo::set_texto(const QString& texto) {
    if (edite()) CMensajeria->fieldByName(QStringLiteral("MENS_MENSAJE")).setValue(texto);
}

QString MensajeInstantaneo::usuario_actual() const {
    if (!CUsuarios->active() || CUsuarios->isEmpty()) return {};
    return CUsuarios->fieldByName(QStringLiteral("USUARIO")).asString();
}

QString MensajeInstantaneo::mensaje_actual() const {
    if (!CHistoria->active() || CHistoria->isEmpty()) return {};
    return CHistoria->fieldByName(QStringLiteral("MENSAJE")).asString();
}

void MensajeInstantaneo::usuario_movido() {
    if (!CHistoria->active()) return;
    CHistoria->setFilterText(QStringLiteral("REMITE = ") + sql::quoted(usuario_actual()));
}

bool MensajeInstantaneo::envie() {
    const QString destino = usuario_actual();
    if (destino.isEmpty()) return false;
    return envie_a(destino);
}

bool MensajeInstantaneo::envie_a_todos() { return envie_a(kTodos); }

bool MensajeInstantaneo::envie_a(const QString& destino) {
    if (!edite()) return false;
    CMensajeria->fieldByName(QStringLiteral("MENS_DESTINO")).setValue(destino);
    if (!CMensajeria->post()) return false;
    return CMensajeria->applyUpdates(0) == 0;
}

void MensajeInstantaneo::descarte() {
    if (!CMensajeria->active()) return;
    CMensajeria->cancel();
    CMensajeria->cancelUpdates();
}

}  // namespace ledgrix
