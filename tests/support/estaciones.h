#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace ledgrix::test {

// What a workstation program (bench/estacion) said about its run.
struct InformeEstacion {
    struct Cargo {
        qint64 id = 0;
        QString prefijo, numero;
    };
    bool listo = false;    // its charge window opened
    bool termino = false;  // it printed its last line
    int reintentos = 0;    // saves refused because another station took the number
    std::vector<Cargo> cargos;
    QStringList mensajes;  // "kind: text", every message the user would have seen
    QStringList fallos;
    int codigo = -1;  // exit code; -1 when killed
    QString errores;  // its standard error
};

// One workstation program running as a process of its own.
class Estacion {
  public:
    Estacion(const QString& programa, const QStringList& argumentos);
    ~Estacion();

    // Waits until the charge window opened (false: it ended or hung first).
    bool espere_listo(int ms = 120000);
    // Kills it without warning, as a power cut or the task manager would.
    void mate();
    // Waits for the end and reads everything it printed.
    InformeEstacion espere(int ms = 600000);

  private:
    void lea();
    std::unique_ptr<QProcess> proceso_;
    QByteArray pendiente_;
    InformeEstacion informe_;
};

}  // namespace ledgrix::test
