#pragma once
// The load options' controls, added below the skip dialog's own: a label
// "列 (X,Y,Z)" with the box ColumnsText ("1,2,3") and the check box
// XNorthCheck "X を北とする", and beneath them the check box
// DuplicatesFirstCheck "重複点は最初の点を使う". The dialog grows by their
// height; its own controls keep their places.

class QCheckBox;
class QDialog;
class QLineEdit;

namespace plotvane::app {

struct LoadOptionFields {
  QLineEdit* columns;
  QCheckBox* xNorth;
  QCheckBox* duplicatesFirst;
};

// Adds the fields to dialog (laid out, not yet of fixed size) and makes it
// taller to hold them.
LoadOptionFields AddLoadOptionFields(QDialog& dialog);

}  // namespace plotvane::app
