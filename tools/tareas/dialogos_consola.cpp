#include "tools/tareas/dialogos_consola.h"

namespace ledgrix::tareas {

void DialogosConsola::diga(const QString& clase, const QString& texto) {
    // One line per message, so that a log reader can grep it.
    QString t = texto.trimmed();
    t.replace(u'\n', u' ');
    errores_ << clase << ": " << t << Qt::endl;
}

void DialogosConsola::error(const QString& text) {
    errores_dichos_ << text.trimmed();
    diga(QStringLiteral("Error"), text);
}

void DialogosConsola::information(const QString& text) {
    diga(QStringLiteral("Aviso"), text);
}

void DialogosConsola::warning(const QString& text) {
    diga(QStringLiteral("Advertencia"), text);
}

bool DialogosConsola::question(const QString& text) {
    diga(QStringLiteral("Pregunta (respondida No)"), text);
    return false;
}

Dialogs::Answer DialogosConsola::abortRetry(const QString& text) {
    diga(QStringLiteral("Pregunta (respondida Cancelar)"), text);
    return Answer::Abort;
}

int DialogosConsola::modal(const QString& name, const std::function<int()>&) {
    diga(QStringLiteral("Ventana no abierta (no hay quien la atienda)"), name);
    return 0;
}

}  // namespace ledgrix::tareas
