#pragma once
// CoordinateSystemDialog, "座標系": the coordinate system of the data's X and
// Y for the GIS files, asked after the file name of an export that can carry
// one (GeoJSON, GeoPackage, Shapefile, KML, ESRI ASCII grid, GeoTIFF).
//
// One list: "なし" (the files are written as without this question), Japan's
// nineteen plane rectangular zones of JGD2011 by number and region, and
// "EPSG コードを指定" with a box for any code PROJ knows. The program keeps
// the last choice for the run and opens the dialog on it. A KML file is
// always in WGS 84, so for it the list has no "なし". OK with a code PROJ
// does not know says so beneath the box and keeps the dialog open.

#include <QDialog>
#include <optional>

#include "app/Dialogs.h"
#include "contours/CoordinateSystem.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace plotvane::app {

class CoordinateSystemDialog final : public QDialog {
  Q_OBJECT
 public:
  // required: "なし" is not offered.
  CoordinateSystemDialog(CoordinateSystem preset, bool required, QWidget* parent);

  // The system chosen when the dialog was accepted.
  CoordinateSystem chosen() const { return m_chosen; }

  // The controls, for the tests.
  QComboBox* list() const { return m_list; }
  QLineEdit* codeBox() const { return m_code; }

  void accept() override;

 private:
  void showChoice();

  QComboBox* m_list;
  QLineEdit* m_code;
  QLabel* m_problem;
  CoordinateSystem m_chosen;
};

// Asks through dialogs; nullopt when the user cancels.
std::optional<CoordinateSystem> AskCoordinateSystem(Dialogs& dialogs, QWidget* parent, CoordinateSystem preset,
                                                    bool required);

}  // namespace plotvane::app
