#include "output/qr/qr.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <algorithm>
#include <exception>

namespace ledgrix {

QImage qr(const QString& texto, int modulos_min) {
    if (texto.isEmpty())
        return {};
    try {
        ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
        writer.setEncoding(ZXing::CharacterSet::UTF8).setMargin(std::max(0, modulos_min));
        // Size 0: the smallest matrix, one pixel per module.
        const ZXing::BitMatrix m = writer.encode(texto.toStdString(), 0, 0);
        QImage img(m.width(), m.height(), QImage::Format_Grayscale8);
        for (int y = 0; y < m.height(); ++y) {
            uchar* fila = img.scanLine(y);
            for (int x = 0; x < m.width(); ++x)
                fila[x] = m.get(x, y) ? 0 : 255;
        }
        return img;
    } catch (const std::exception&) {
        return {};  // text too long for a QR code
    }
}

}  // namespace ledgrix
