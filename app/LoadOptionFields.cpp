#include "app/LoadOptionFields.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

namespace plotvane::app {
namespace {

constexpr int kRowHeight = 24;

}  // namespace

LoadOptionFields AddLoadOptionFields(QDialog& dialog) {
  const int top = dialog.height();
  auto* label = new QLabel(QStringLiteral("列 (X,Y,Z)"), &dialog);
  label->setObjectName(QStringLiteral("ColumnsLabel"));
  label->setGeometry(8, top, 72, 18);
  auto* columns = new QLineEdit(QStringLiteral("1,2,3"), &dialog);
  columns->setObjectName(QStringLiteral("ColumnsText"));
  columns->setGeometry(80, top, 72, 18);
  auto* xNorth = new QCheckBox(QStringLiteral("X を北とする"), &dialog);
  xNorth->setObjectName(QStringLiteral("XNorthCheck"));
  xNorth->setGeometry(168, top, 129, 18);
  auto* duplicatesFirst = new QCheckBox(QStringLiteral("重複点は最初の点を使う"), &dialog);
  duplicatesFirst->setObjectName(QStringLiteral("DuplicatesFirstCheck"));
  duplicatesFirst->setGeometry(8, top + kRowHeight, 289, 18);
  dialog.resize(dialog.width(), top + 2 * kRowHeight);
  return {columns, xNorth, duplicatesFirst};
}

}  // namespace plotvane::app
