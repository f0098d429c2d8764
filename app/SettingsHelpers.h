#pragma once
// The survey helpers of the drawing-settings dialog, in a column beside its
// own controls, which keep their places:
// - "間隔..." (IntervalButton) asks for a contour interval D and base B
//   (IntervalDialog) and fills Z1, Z2 and n so that every level line falls
//   on B + kD over the data's Z range (settings/ContourInterval.h); an
//   interval that would need more than 512 bands is reported in a message
//   box and changes nothing. Its "計曲線" choice (every N-th level from B's
//   multiples heavier, and the only ones labelled) is this run's, like the
//   options below;
// - "縦横比を揃える" (EqualAspectButton) widens the narrower of the X and Y
//   windows the boxes show about its centre (settings/EqualAspect.h), after
//   checking them as OK does.
// - "等高線値..." (LevelsButton) asks for explicit levels (LevelsDialog),
//   which the page draws instead of n even steps (settings/LevelList.h); an
//   empty answer goes back to the even steps. Like the options below, the
//   answer is this run's choice and takes effect with OK or Test.
// The other helpers only fill the boxes: the user can still edit them, and
// OK or Test validate as before. Without data they do nothing.
//
// Below them a small group "オプション" (OptionsGroup) holds the check box
// "ラベル表示" (LabelsCheck): contour labels on the page (doc.labels.show),
// "データ点" (PostsCheck): a mark on every data point (doc.posts.show),
// "点ラベル" (PostLabelsCheck): each point's name (where the file gives
// names, otherwise its Z) beside its mark, "等方メッシュ" (IsotropicCheck):
// the session's mesh option (doc.meshOptions.isotropic) that the main window
// meshes the data again by when OK changed it, and the choice
// of the bands' colour ramp (RampCombo, render/ColourRamps.h, doc.ramp):
// choices for this run that no view or contour file keeps. Like the settings
// they show the values in force when the dialog opens, take effect with OK
// or Test, and Cancel puts back what they showed.

#include <QObject>

#include "app/Dialogs.h"
#include "data/Document.h"
#include "ui_SettingsDialog.h"

class QDialog;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace plotvane::app {

class SettingsHelpers final : public QObject {
  Q_OBJECT
 public:
  // Widens dialog (already laid out by ui) to hold the helper column.
  SettingsHelpers(QDialog& dialog, const Ui::SettingsDialog& ui, Document& doc, Dialogs& dialogs);

  // The column's left edge and width in pixels, for more controls below.
  static constexpr int kColumnLeft = 329;
  static constexpr int kColumnWidth = 105;

  void askInterval();
  void equaliseAspect();
  void askLevels();

  // The dialog's activation, OK or Test, and Cancel, for the options group.
  void showOptions();
  void applyOptions();
  void restoreOptions();

 private:
  QDialog& m_dialog;
  const Ui::SettingsDialog& m_ui;
  Document& m_doc;
  Dialogs& m_dialogs;
  QCheckBox* m_labels;
  QCheckBox* m_posts;
  QCheckBox* m_postLabels;
  QCheckBox* m_isotropic;
  QComboBox* m_ramp;
  LabelOptions m_labelsShown;
  // The index contours and the base "間隔..." answered, until OK, Test or Cancel.
  LabelOptions m_labelsAsked;
  PostOptions m_postsShown;
  bool m_isotropicShown = false;
  RampChoice m_rampShown;
  std::vector<double> m_levelsShown;
  std::vector<double> m_levels;  // the answer of "等高線値...", until OK, Test or Cancel
};

}  // namespace plotvane::app
