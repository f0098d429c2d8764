#pragma once
// The temporary page file.
//
// From start-up to shutdown one file "temp" + four digits + ".emf" holds the
// page last shown, so that saving, printing and copying read the same page as
// the screen. Start-up creates it empty; every page composition replaces it;
// shutdown deletes it.
//
// The name is the first of temp0000.emf .. temp9999.emf that does not exist
// in the folder. It is created with O_EXCL and mode 0600: two programs
// starting at once never end up with the same file, and a page file in a
// shared temporary folder is readable by its user only. When all 10000 names
// exist, one of them is picked at random (seeded from the clock) and reused,
// but only when it is a regular file of this user (never through a symbolic
// link): it is emptied and kept at mode 0600.

#include <QStringList>
#include <string>

namespace plotvane::app {

// The path of the created file, or empty when none can be created in folder
// (a read-only or missing folder, or a reused name that is not ours).
std::string CreateTempPageFile(const std::string& folder);

// The first folder of the list in which CreateTempPageFile succeeds; empty
// when none does.
std::string CreateTempPageFileIn(const QStringList& folders);

// Where the program puts its page file: the program's own folder, and when
// that is not writable the user's temporary folder ($TMPDIR, else /tmp).
QStringList PageFileFolders();

// Removes the file; a file that is already gone, or an empty path, is no
// error (shutdown ignores every failure).
void DeleteTempPageFile(const std::string& path);

}  // namespace plotvane::app
