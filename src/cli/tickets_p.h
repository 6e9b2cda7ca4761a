// SPDX-License-Identifier: MIT
// The parts of zelpo-cli tickets, each given the arguments after its name.
#pragma once

#include "cli/context.h"

namespace zelpo::cli::tickets {

// The words the parts write their results and refusals with.
void printRefusal(Context& context, const QString& reason);

int runAdd(Context& context, QStringList args);
int runList(Context& context, QStringList args);
int runRemove(Context& context, QStringList args);
int runExport(Context& context, QStringList args);
int runImport(Context& context, QStringList args);

} // namespace zelpo::cli::tickets
