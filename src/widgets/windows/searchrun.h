// SPDX-License-Identifier: MIT
// How the search button of every game window runs a built clause.
#pragma once

#include "cores/sql/searchclause.h"

#include <QString>

#include <functional>

namespace zelpo::ui {

class TemplateDialog;

// The input of an edit as the clause builders take it.
std::string searchInput(const TemplateDialog& window, int editId);

// The kind the two check boxes select; the box wins should both be ticked.
db::SearchKind searchKind(const TemplateDialog& window, int straightId, int boxId);

// The straight and box switches exclude each other: ticking `clickedId`
// unticks `otherId`; unticking it changes nothing else.
void excludeOther(TemplateDialog& window, int clickedId, int otherId);

// A message stops the search with the list and the count as they were.
// Otherwise the list is emptied and filled through `search` (refused input
// queries nothing); its row count is shown in `countId`, and a count of 0 is
// followed by the no-hit message. A `search` that could not read the database
// (false) leaves the list empty and the count as it was, and says so.
void runSearch(TemplateDialog& window, const db::SearchClause& clause, int listId, int countId,
    const std::function<void()>& emptyList, const std::function<bool(const QString& where)>& search);

} // namespace zelpo::ui
