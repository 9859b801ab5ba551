#pragma once

#include <QProcess>
#include <QString>

namespace ledgrix::bench {

// A Firebird server on 127.0.0.1:3050 for the benchmarks that measure
// through the network too: started with the project's script when none is
// listening, and stopped again by whoever started it.
class ServidorLocal {
  public:
    // True when a server listens (one already running or the one started here).
    bool asegure() {
        if (escuchando())
            return true;
        propio_ = corra("iniciar");
        return propio_;
    }
    // Stops the server started here; call it while the application lives.
    void libere() {
        if (propio_)
            corra("detener");
        propio_ = false;
    }

  private:
    static bool escuchando() {
        return QProcess::execute(
                   QStringLiteral("bash"),
                   {QStringLiteral("-c"),
                    QStringLiteral("(exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null")}) == 0;
    }
    static bool corra(const char* accion) {
        return QProcess::execute(QStringLiteral("bash"),
                                 {QStringLiteral(LEDGRIX_DB_DIR "/../scripts/firebird-servidor.sh"),
                                  QString::fromLatin1(accion)}) == 0;
    }
    bool propio_ = false;
};

}  // namespace ledgrix::bench
