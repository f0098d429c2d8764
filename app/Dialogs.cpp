#include "app/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>

namespace plotvane::app {
namespace {

// Room in the title bar beside the title: the window menu, the close button
// and the frame, as common window managers draw them.
constexpr int kTitleBarControls = 120;

}  // namespace

void FitMessageBoxToTitle(QMessageBox& box) {
  // Title bars commonly set the title in bold.
  QFont font = box.font();
  font.setBold(true);
  const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarControls;
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  // QMessageBox sizes itself from its layout, ignoring a minimum width set
  // on the box; a spacer across the bottom row widens the layout instead.
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
}

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) {
  return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString QtDialogs::saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                            QString* selectedFilter) {
  return QFileDialog::getSaveFileName(parent, title, start, filter, selectedFilter);
}

void QtDialogs::message(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  FitMessageBoxToTitle(box);
  box.exec();
}

bool QtDialogs::ask(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  FitMessageBoxToTitle(box);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void QtDialogs::runModal(QDialog& dialog) { dialog.exec(); }

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace plotvane::app
