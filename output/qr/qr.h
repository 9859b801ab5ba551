#pragma once

#include <QImage>
#include <QString>

namespace ledgrix {

// QR code of a text (UTF-8, automatic mode, default error correction): one
// pixel per module, black on white, with a quiet zone of at least
// `modulos_min` modules on every side. The printed size is the caller's
// choice; scale without smoothing. An empty or too long text gives a null image.
QImage qr(const QString& texto, int modulos_min = 4);

}  // namespace ledgrix
