// SPDX-License-Identifier: MIT
#pragma once

#include "db/schema.h"

#include <QStringList>

#include <optional>

namespace zelpo::cli {

// Removes "--name VALUE" (or "--name=VALUE") from `args` and returns VALUE.
// `missingValue` is set when the option is given without a value.
std::optional<QString> takeOption(QStringList& args, const QString& name, bool* missingValue = nullptr);

// Removes a bare flag such as "--box"; true when it was there.
bool takeFlag(QStringList& args, const QString& name);

// "numbers3", "numbers4" or "miniloto".
std::optional<db::Game> parseGame(const QString& text);

} // namespace zelpo::cli
