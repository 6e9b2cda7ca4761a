// SPDX-License-Identifier: MIT
// Start-up with no usable database. A missing file is offered once, filled
// with the published history as `zelpo-cli init` makes it; a file that is
// there but cannot serve the windows is never replaced, only reported.
#pragma once

#include <QString>

class QWidget;

namespace zelpo::app {

enum class StartupDatabase {
    Usable,     // the file was there and fit for use
    Created,    // it was missing; the user said Yes and it was made
    Declined,   // it was missing; the user said No
    NotCreated, // it was missing; the user said Yes but it could not be made
    Unusable,   // it is there but cannot be used; left as it is
};

// Checks `database`, asks or reports through the message seam, and returns
// what happened. The program goes on in every case.
StartupDatabase prepareDatabase(QWidget* owner, const QString& database);

} // namespace zelpo::app
