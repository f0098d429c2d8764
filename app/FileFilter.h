#pragma once
// File-dialog filters.
//
// The program states its filters in the common-dialog form
// "description|patterns|description|patterns|...", patterns separated by ";",
// an optional trailing "|". Qt's file dialogs take "description (patterns)"
// entries joined by ";;", patterns separated by blanks, and read the patterns
// from the last parenthesised group of each entry. The description is kept
// exactly as written (its own "(*.txt)" and blanks included), so the dialog
// shows the same words; the patterns follow it in a group of their own.

#include <QString>

namespace plotvane::app {

// "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt" gives "ﾃｷｽﾄﾌｧｲﾙ(*.txt)". A description
// without patterns (a last field without a partner, or empty patterns) is
// dropped.
QString QtFileFilter(const QString& commonDialogFilter);

// Where a save dialog opens with a proposed file name: the name in the
// folder of start (a remembered path: a file, a folder, or empty for the
// working folder).
QString ProposedSavePath(const QString& start, const QString& fileName);

}  // namespace plotvane::app
