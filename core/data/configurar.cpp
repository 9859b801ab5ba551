#include "core/data/configurar.h"

#include <QObject>

namespace ledgrix {

void configurarProviders(QObject* owner, const DataHandlers& h) {
    if (!owner) return;
    for (QObject* child : owner->children()) {
        if (auto* provider = qobject_cast<Provider*>(child)) {
            provider->onUpdateError = h.updateError;
        } else if (auto* ds = qobject_cast<ClientDataset*>(child)) {
            ds->setPacketSize(h.packetSize);
            ds->beforeFetch = h.beforeFetch;
            ds->afterFetch = h.afterFetch;
            ds->onEditError = h.clientError;
            ds->onPostError = h.clientError;
            ds->onDeleteError = h.clientError;
        }
        configurarProviders(child, h);
    }
}

}  // namespace ledgrix
