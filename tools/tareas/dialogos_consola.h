#pragma once

#include <QStringList>
#include <QTextStream>

#include "core/services/dialogs.h"

namespace ledgrix::tareas {

// Nobody sits at a cron job: every message goes to stderr, every question is
// answered "no" (or cancelled) and said so, and a window that would need a
// person is not opened. The logic then takes its careful path.
class DialogosConsola : public Dialogs {
  public:
    explicit DialogosConsola(QTextStream& errores) : errores_(errores) {}

    void error(const QString& text) override;
    void information(const QString& text) override;
    void warning(const QString& text) override;
    bool question(const QString& text) override;
    Answer abortRetry(const QString& text) override;
    void beep() override {}
    int modal(const QString& name, const std::function<int()>& run) override;

    // Errors told so far, for the failure's reason.
    const QStringList& errores() const { return errores_dichos_; }

  private:
    void diga(const QString& clase, const QString& texto);

    QTextStream& errores_;
    QStringList errores_dichos_;
};

}  // namespace ledgrix::tareas
