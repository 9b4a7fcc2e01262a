// Finding a row of the folder shown after a re-read, and marking it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/list_row_state.h"
#include "core/folder/folder_model.h"

namespace olb {

// The lowest row whose caption equals `name` exactly (with case).
std::optional<int32_t> FindRowByName(FolderModel& model, std::string_view name);

// The lowest row whose caption C gives `fileName` as C, C + ".lnk" or
// C + ".url" (with case): the item New Shortcut copied in.
std::optional<int32_t> FindCopiedRow(FolderModel& model, std::string_view fileName);

// The lowest row whose full path equals `path` without case (file names
// compare so on the platform). Asks the shell for each row's path.
std::optional<int32_t> FindRowByPath(FolderModel& model, std::string_view path);

// The row of the item at `path` (compared without case), looked for among
// the rows captioned `caption` only: a folder and a shortcut may share a
// caption ("Tools" for the folder Tools and for Tools.lnk), a path is one
// item's alone.
std::optional<int32_t> FindRowOfItem(FolderModel& model, std::string_view caption,
                                     std::string_view path);

// The full path (parse name) of a record of the folder shown; empty when the
// shell gives none. Raises ComError when the list cannot be built.
std::string FullPathOf(FolderModel& model, const ShellItem& item);

// Selected, focused and scrolled fully into view.
void MarkFoundRow(ListRowState& rows, int32_t row);
// Focused and scrolled fully into view; the selection stays as it is.
void FocusFoundRow(ListRowState& rows, int32_t row);

}  // namespace olb
