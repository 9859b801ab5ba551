#pragma once

#include <QString>

namespace ledgrix {

// An error raised by the data layer: a client dataset refusing an edit, post
// or delete, a provider failing to write, or a connection failing. `message`
// is what the error translator reads; its leading words are the contract with
// it ("Field '...' must have a value", "Key violation.", the provider prefix).
struct DataError {
    QString message;
    // The driver's own text when the error came from the database.
    QString databaseText;
};

enum class UpdateKind { Insert, Modify, Delete };

// What an update-error handler tells the provider to do with a failed row.
// Only Abort is honoured: an apply is all-or-nothing.
enum class ErrorResponse { Skip, Abort, Merge, Correct, Cancel, Refresh };

// What a client-dataset error handler decides: Fail reports the error to the
// caller, Abort cancels the failing operation silently (the row keeps its
// values and its edit state), Retry tries once more.
enum class ErrorAction { Fail, Abort, Retry };

}  // namespace ledgrix
