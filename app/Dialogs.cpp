#include "app/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace plotvane::app {

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) {
  return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString QtDialogs::saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) {
  return QFileDialog::getSaveFileName(parent, title, start, filter);
}

void QtDialogs::message(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogs::runModal(QDialog& dialog) { dialog.exec(); }

bool QtDialogs::setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace plotvane::app
