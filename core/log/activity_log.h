#pragma once

#include <QString>
#include <functional>

#include "core/services/clock.h"

namespace ledgrix {

// The two text logs kept in the installation directory: every error the
// program reports ("ERRORES.TXT") and the performance trace ("RENDIMIENTO.TXT").
//
// Lines are "yyyy/MM/dd,HH:mm:ss,..." in UTF-8 and end with "\n": the files are
// read on the workstation with ordinary tools, and every editor in use reads
// "\n" endings. A message's own line breaks become spaces so that one record
// stays one line and the files can be filtered line by line.
//
// Writing a log is never allowed to disturb the work it records: a file that
// cannot be opened or written makes the call return false and nothing else.
class ActivityLog {
  public:
    using UserSource = std::function<QString()>;

    // `user` is asked at each error, so that a log built before login records
    // the user known at the moment of the error.
    ActivityLog(QString installationDir, const Clock& clock, UserSource user);

    // "date,time,user,message" appended to ERRORES.TXT.
    bool error(const QString& message) const;
    // "date,time,text" appended to RENDIMIENTO.TXT.
    bool MensajeRend(const QString& text) const;

    QString errorFile() const;
    QString performanceFile() const;

  private:
    bool append(const QString& path, const QString& fields) const;
    QString stamp() const;

    QString dir_;
    const Clock& clock_;
    UserSource user_;
};

}  // namespace ledgrix
