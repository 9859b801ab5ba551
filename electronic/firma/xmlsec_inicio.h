#pragma once

namespace ledgrix::electronico {

// libxml2, xmlsec and its OpenSSL engine are set up once per process and left
// up until it ends: the program signs from its only thread, and tearing them
// down between calls would cost more than it frees.
bool inicie_xmlsec();

}  // namespace ledgrix::electronico
