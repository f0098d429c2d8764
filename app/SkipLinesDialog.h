#pragma once
// SkipLinesDialog, the skip settings "読み飛ばし設定" of the load with line skipping.
//
// Created on first use and afterwards only hidden, so its two boxes keep the
// values last entered: Text1, the number of lines at the start of the file
// to skip ("3" at first), and Text2, the blank-separated prefixes of lines to
// skip ("# * !" at first, passed on unchanged).
//
// Text1 must hold a whole number from -32768 to 32767 (an optional sign and
// digits, blanks around them allowed). OK with any other text does not close
// the dialog: it beeps and selects the text of Text1 for correction, so a
// load never runs with a count the user did not give. Cancel, Escape and
// the frame's close button all cancel.
//
// Below these, the load options of the data file (data/DataFileReader.h
// LoadOptions): ColumnsText, the fields that are X, Y and Z ("1,2,3" at first,
// data/ColumnChoice.h), and XNorthCheck, "X を北とする" (unchecked at first).
// OK with a column text that is not three different field numbers 1..100
// beeps and selects it, as for Text1.
//
// At the bottom, PreviewList shows the first lines of the chosen file as the
// load will read them with the counts in the boxes: skipped lines grey, the
// header line (the column names) bold and marked "見出し", data lines as
// they are. It follows every edit of Text1 and Text2.

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>

#include "data/DataFileReader.h"
#include "ui_SkipLinesDialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace plotvane::app {

// The skip count Text1 stands for, or nullopt when it is not a whole number
// within -32768..32767.
std::optional<std::int16_t> SkipLinesFromText(const QString& text);

class SkipLinesDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit SkipLinesDialog(QWidget* parent);

  // True after OK; false after Cancel and while the dialog is shown.
  bool ok() const { return m_ok; }
  // The values OK accepted; meaningful when ok().
  std::int16_t skipLines() const { return m_skipLines; }
  std::string skipPrefixes() const { return m_ui.Text2->text().toStdString(); }
  LoadOptions loadOptions() const { return m_loadOptions; }

  const Ui::SkipLinesDialog& controls() const { return m_ui; }
  QListWidget* preview() const { return m_preview; }

  // The file whose first lines the preview shows (its first 64 KiB are read).
  void setPreviewFile(const std::string& localPath);

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void acceptValues();
  void updatePreview();

  Ui::SkipLinesDialog m_ui;
  bool m_ok = false;
  std::int16_t m_skipLines = 0;
  QLineEdit* m_columns;
  QCheckBox* m_xNorth;
  QCheckBox* m_duplicatesFirst;
  LoadOptions m_loadOptions;
  QListWidget* m_preview;
  std::string m_previewText;  // the file's first bytes, decoded
};

}  // namespace plotvane::app
