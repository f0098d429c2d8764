#include "app/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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

}  // namespace plotvane::app
