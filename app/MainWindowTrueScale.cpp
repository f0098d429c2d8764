// "縮尺印刷...": the page printed with its map at a true scale
// (render/TrueScalePage.h) on the paper the user names.
//
// Unlike "印刷" this composes a page of its own: a true scale needs one
// metre as long across as up, so the page is drawn with the window widened
// to equal spans (settings/EqualAspect.h) while the screen keeps the window
// the settings give. The printer starts on the chosen paper and turn, and
// the sheet is printed from the paper's corner, not the printable area's,
// so the map keeps its place and size; what the printer cannot reach of the
// margin is simply not printed.

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "app/MainWindow.h"
#include "app/TrueScaleDialog.h"
#include "qtplay/PageWriters.h"
#include "render/RenderSettings.h"
#include "render/TrueScalePage.h"
#include "settings/EqualAspect.h"

namespace plotvane::app {
namespace {

const QString kTrueScaleTitle = QStringLiteral("縮尺印刷");
const QString kDoesNotFit = QStringLiteral("この縮尺では用紙に収まりません。収まる最大の縮尺は 1:%1 です。");

}  // namespace

void MainWindow::printTrueScale() {
  if (m_guard.busy() || !m_doc.drawable()) return;
  TrueScaleDialog ask(this);
  m_dialogs.runModal(ask);
  if (!ask.choice()) return;
  const TrueScale scale = *ask.choice();

  const DrawSettings shown = m_doc.settings;
  ApplyEqualAspect(m_doc.settings, m_doc.range);
  const MapWindow window = ParametersForDrawing(m_doc.settings, m_doc.range).window;
  const auto layout = LayOutTrueScale(window.x2 - window.x1, scale);
  gdi::EnhMetaFile page;
  if (std::holds_alternative<TrueScaleLayout>(layout)) {
    CommandGuard::Scope busy(m_guard);
    page = m_composer(m_doc, m_progress);
  }
  m_doc.settings = shown;
  if (const auto* largest = std::get_if<std::int64_t>(&layout)) {
    m_dialogs.message(this, kTrueScaleTitle, kDoesNotFit.arg(*largest));
    return;
  }
  if (page.isNull()) return;
  const gdi::EnhMetaFile sheet =
      ComposeTrueScaleSheet(page, std::get<TrueScaleLayout>(layout), ScaleNote(scale.denominator));

  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(scale.paper.name == "A3" ? QPageSize::A3 : QPageSize::A4));
  printer.setPageOrientation(scale.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setFullPage(true);
  if (!m_dialogs.setUpPrinter(this, printer, kTrueScaleTitle)) return;
  WriteOutcome failure;
  {
    CommandGuard::Scope busy(m_guard);
    failure = qtplay::printPage(sheet, printer);
  }
  closeIfPending();
  reportSaveFailure(failure);
}

}  // namespace plotvane::app
