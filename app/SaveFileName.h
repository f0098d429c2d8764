#pragma once
// The name a save command writes: the one the user chose in the save dialog,
// completed with the selected filter's extension when it has none.
//
// The dialogs propose the loaded file's title without its extension, so
// pressing Enter gives a name that nothing reads back (a contour file that
// "データ読込" neither lists nor loads, a picture of no kind). A name has an
// extension when it ends in the extension of one of the dialog's filters (in
// any case), or when it is not the proposed name and holds a dot in its last
// part: then it is kept exactly as typed. The proposed name never counts as
// having one, however many dots it holds ("site.north" of "site.north.txt").
//
// When completing the name makes it the name of an existing file, the user is
// asked before it is replaced, as the dialog asks for the name it saw.
//
// Every save command (data, picture, view file, grid, and later exports) goes
// through ChooseSaveFile.

#include <QString>

#include "app/Dialogs.h"

namespace plotvane::app {

// ".ctr" of a Qt filter entry "ｺﾝﾀﾌｧｲﾙ (*.ctr)": its last
// parenthesised group's first pattern "*.ext"; empty when there is none.
QString FilterExtension(const QString& filterEntry);

// path with the extension of selectedFilter (an entry of filters, the Qt
// filter list; its first entry when empty) added unless it has one by the
// rule above. proposedName is the file name the dialog proposed.
QString CompleteSaveName(const QString& path, const QString& filters, const QString& selectedFilter,
                         const QString& proposedName);

// Shows the save dialog (start: the proposed path) and returns the completed
// name, or an empty text when the user cancels the dialog or declines to
// replace a file that only the completed name hits.
QString ChooseSaveFile(Dialogs& dialogs, QWidget* parent, const QString& title, const QString& filters,
                       const QString& start);

}  // namespace plotvane::app
