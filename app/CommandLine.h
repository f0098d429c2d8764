#pragma once
// The command line and the names a loaded file goes by in the window.
//
// The program takes one optional path. Its text, exactly as received, is
// also where the file dialogs start; a path with blanks may arrive as one
// argument (quoted by the shell) or as several, which are joined with single
// blanks, as one command-line text holds them.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace plotvane::app {

// The file the start-up opens: the command-line text with one leading and one
// trailing double quotation mark removed.
struct StartupFile {
  QString path;           // the stripped text, opened as it stands
  std::string localPath;  // the same in the file system's bytes
  QString fileName;       // the text after the last "/"
  std::string fileTitle;  // fileName without its extension
};

// From the command line's bytes; nullopt when the stripped text is empty.
std::optional<StartupFile> StartupFileOf(const std::string& commandLineBytes);

// The arguments after the program's name as the system gave them, joined
// with single blanks: a name that is not valid UTF-8 keeps its bytes.
std::string CommandLineBytes(int argc, const char* const* argv);

// The caption after a start-up load: "Plotvane - " + the file's name.
QString StartupCaption(const QString& fileName);
// The caption after a load from the File menu: "Plotvane  " (two blanks) +
// the file's name as the dialog reported it.
QString MenuLoadCaption(const QString& fileName);

// The program's caption while no file has been named.
inline constexpr char kProgramTitle[] = "Plotvane";

}  // namespace plotvane::app
