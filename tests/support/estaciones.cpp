#include "tests/support/estaciones.h"

#include <QElapsedTimer>

namespace ledgrix::test {

Estacion::Estacion(const QString& programa, const QStringList& argumentos)
    : proceso_(std::make_unique<QProcess>()) {
    proceso_->setProgram(programa);
    proceso_->setArguments(argumentos);
    proceso_->start();
}

Estacion::~Estacion() {
    if (proceso_->state() != QProcess::NotRunning) {
        proceso_->kill();
        proceso_->waitForFinished(10000);
    }
}

// Only whole lines count: a line cut by a kill was never reported.
void Estacion::lea() {
    pendiente_ += proceso_->readAllStandardOutput();
    // Read as it comes, or a chatty process would block on a full pipe.
    informe_.errores += QString::fromUtf8(proceso_->readAllStandardError());
    qsizetype fin;
    while ((fin = pendiente_.indexOf('\n')) >= 0) {
        const QString linea = QString::fromUtf8(pendiente_.left(fin));
        pendiente_.remove(0, fin + 1);
        const QStringList c = linea.split(QLatin1Char('\t'));
        if (c[0] == QStringLiteral("LISTO")) {
            informe_.listo = true;
        } else if (c[0] == QStringLiteral("CARGO") && c.size() == 4) {
            informe_.cargos.push_back({c[1].toLongLong(), c[2], c[3]});
        } else if (c[0] == QStringLiteral("MENSAJE") && c.size() == 3) {
            informe_.mensajes << c[1] + QStringLiteral(": ") + c[2];
        } else if (c[0] == QStringLiteral("FALLO")) {
            informe_.fallos << c.mid(1).join(QLatin1Char(' '));
        } else if (c[0] == QStringLiteral("FIN") && c.size() == 3) {
            informe_.termino = true;
            informe_.reintentos = c[2].toInt();
        }
    }
}

bool Estacion::espere_listo(int ms) {
    QElapsedTimer t;
    t.start();
    while (!informe_.listo && t.elapsed() < ms) {
        if (proceso_->state() == QProcess::NotRunning) {
            lea();
            return informe_.listo;
        }
        proceso_->waitForReadyRead(100);
        lea();
    }
    return informe_.listo;
}

void Estacion::mate() {
    proceso_->kill();
}

InformeEstacion Estacion::espere(int ms) {
    QElapsedTimer t;
    t.start();
    while (proceso_->state() != QProcess::NotRunning && t.elapsed() < ms) {
        proceso_->waitForFinished(200);
        lea();
    }
    if (proceso_->state() != QProcess::NotRunning) {
        informe_.fallos << QStringLiteral("did not end in time");
        proceso_->kill();
        proceso_->waitForFinished(10000);
    }
    lea();
    informe_.codigo = proceso_->exitStatus() == QProcess::NormalExit ? proceso_->exitCode() : -1;
    return informe_;
}

}  // namespace ledgrix::test
