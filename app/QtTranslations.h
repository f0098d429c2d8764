#pragma once
// Qt's own texts in Japanese.
//
// The program's menus, captions and messages are Japanese in the source, for
// every user; Qt's own texts follow them: the buttons Qt names (OK, Cancel,
// Yes, ...), the file and print dialogs, the context menus of text boxes. The
// catalogue is Qt's qtbase_ja from Qt's translations folder (Debian's
// qt6-translations-l10n), chosen by name, never by the user's locale. It only
// holds Qt's own classes' texts, so the program's texts are left as they are.
//
// A desktop's own file and print dialogs (GTK's on GNOME, through Qt's
// platform theme) would speak the user's locale instead, so once the catalogue
// is in place the program asks for Qt's own dialogs (AA_DontUseNativeDialogs).
//
// Without the catalogue Qt's texts stay English, the desktop's dialogs stay,
// and the program works the same, so a missing catalogue is no error at start.

class QCoreApplication;
class QString;

namespace plotvane::app {

// Loads qtbase_ja from folder and installs it on application, which owns it,
// and turns native dialogs off. False, with nothing installed or changed, when
// the catalogue is missing or unreadable.
bool InstallQtTranslations(QCoreApplication& application, const QString& folder);

// The same from Qt's own translations folder.
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace plotvane::app
