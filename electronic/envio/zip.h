#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace ledgrix::electronico {

// A ZIP archive holding one file, deflated: what the authority's service
// takes as the content of a document it is sent.
QByteArray empaque_zip(const QString& nombre, const QByteArray& contenido, const QDateTime& fecha);

}  // namespace ledgrix::electronico
