#include "core/sql/transaccion.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

namespace ledgrix {

namespace {

struct Abierta {
    int nivel = 0;
    bool fallida = false;
    std::vector<std::function<void()>> acciones;
};

// All database work happens on the user-interface thread.
QHash<QString, Abierta>& abiertas() {
    static QHash<QString, Abierta> mapa;
    return mapa;
}

}  // namespace

Transaccion::Transaccion(const QString& conexion) : conexion_(conexion) {
    auto& mapa = abiertas();
    auto it = mapa.find(conexion_);
    if (it != mapa.end()) {
        ++it->nivel;
        activa_ = true;
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    if (!db.isOpen() || !db.transaction())
        return;
    mapa.insert(conexion_, Abierta{1, false, {}});
    activa_ = true;
    propia_ = true;
}

Transaccion::~Transaccion() {
    if (activa_ && !terminada_)
        termine(false);
}

bool Transaccion::bloquee(const QStringList& sentencias, int intentos) {
    if (!activa_ || terminada_)
        return false;
    QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    for (int intento = 0;; ++intento) {
        bool libre = true;
        for (const QString& sql : sentencias) {
            QSqlQuery q(db);
            if (q.exec(sql))
                continue;
            // Within a unit joined from outside the turn cannot be retried.
            if (!propia_) {
                falle(conexion_);
                return false;
            }
            libre = false;
            break;
        }
        if (libre)
            return true;
        if (intento + 1 >= intentos) {
            termine(false);
            return false;
        }
        // The other station has committed by now (we waited on its lock);
        // a fresh transaction sees its row and takes the turn.
        db.rollback();
        QThread::msleep(QRandomGenerator::global()->bounded(1, 8));
        if (!db.transaction()) {
            abiertas().remove(conexion_);
            terminada_ = true;
            activa_ = false;
            return false;
        }
    }
}

bool Transaccion::confirme() {
    if (!activa_ || terminada_)
        return false;
    return termine(true);
}

void Transaccion::deshaga() {
    if (activa_ && !terminada_)
        termine(false);
}

bool Transaccion::termine(bool confirmar) {
    terminada_ = true;
    auto& mapa = abiertas();
    if (!propia_) {
        // An inner unit that gives up takes the whole unit with it.
        auto& a = mapa[conexion_];
        --a.nivel;
        if (!confirmar)
            a.fallida = true;
        return confirmar && !a.fallida;
    }
    Abierta a = mapa.take(conexion_);
    QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    if (confirmar && !a.fallida && db.commit()) {
        for (auto& accion : a.acciones)
            accion();
        return true;
    }
    db.rollback();
    return false;
}

void Transaccion::falle(const QString& conexion) {
    auto it = abiertas().find(conexion);
    if (it != abiertas().end())
        it->fallida = true;
}

bool Transaccion::abierta(const QString& conexion) {
    return abiertas().contains(conexion);
}

void Transaccion::al_confirmar(const QString& conexion, std::function<void()> accion) {
    auto it = abiertas().find(conexion);
    if (it == abiertas().end()) {
        accion();
        return;
    }
    it->acciones.push_back(std::move(accion));
}

}  // namespace ledgrix
