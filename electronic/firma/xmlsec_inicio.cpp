#include "electronic/firma/xmlsec_inicio.h"

#include <libxml/parser.h>
#include <xmlsec/crypto.h>
#include <xmlsec/xmlsec.h>

namespace ledgrix::electronico {

bool inicie_xmlsec() {
    static const bool listo = [] {
        xmlInitParser();
        return xmlSecInit() >= 0 && xmlSecCheckVersion() == 1 &&
               xmlSecCryptoAppInit(nullptr) >= 0 && xmlSecCryptoInit() >= 0;
    }();
    return listo;
}

}  // namespace ledgrix::electronico
