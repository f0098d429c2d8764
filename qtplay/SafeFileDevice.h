#pragma once
// A write-only QIODevice over a SafeFileWriter, so that Qt's encoders (image
// writers, the PDF writer) stream into the one safe writer instead of a
// QFile: every write goes through the writer's checks, and the first failure
// makes this and every later write return -1, which stops the encoder. The
// device never commits; its owner does, and a failure recorded in the writer
// keeps the target as it was. Sequential: nothing seeks back.

#include <QIODevice>

#include "common/SafeFile.h"

namespace plotvane::qtplay {

class SafeFileDevice final : public QIODevice {
 public:
  explicit SafeFileDevice(SafeFileWriter& file);

  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 size) override;

 private:
  SafeFileWriter& m_file;
};

}  // namespace plotvane::qtplay
