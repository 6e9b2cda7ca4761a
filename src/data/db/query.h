// SPDX-License-Identifier: MIT
// The one way the program touches its database file.
//
// Every query function of every window goes through read() or write(): the
// statement is the function's fixed SQL text with the caller's WHERE clause
// appended when it is not empty; the file is opened for the call (read-only
// for readers, read-write but never created for writers), the rows are walked,
// and the file is closed again before the call returns. The wait cursor is
// shown for the whole call when a GUI has installed it.
//
// Its parts: failure.h (what went wrong), connection.h (the file, its
// creation and the wait), read.h and writer.h. A game's data access includes
// this header.
#pragma once

#include "data/db/failure.h"
#include "data/db/read.h"
#include "data/db/writer.h"
