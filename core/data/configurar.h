#pragma once

#include <functional>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"

class QObject;

namespace ledgrix {

// The shared behaviour every window and data module gives its data objects:
// error translation, the fetching message and the packet size.
struct DataHandlers {
    Provider::UpdateErrorHandler updateError;
    ClientDataset::ErrorHandler clientError;  // edit, post and delete errors
    ClientDataset::Handler beforeFetch;
    ClientDataset::Handler afterFetch;
    int packetSize = 1000;
};

// Walks every object the owner holds, at any depth (a dataset inside a panel
// or frame is reached too), and wires providers and client datasets.
void configurarProviders(QObject* owner, const DataHandlers& handlers);

}  // namespace ledgrix
