// Composing the page. See PageComposition.h.

#include "render/PageComposition.h"

#include "render/ColourScale.h"
#include "render/ContourMap.h"
#include "render/ExplicitLevels.h"
#include "render/LevelStyles.h"
#include "render/RenderSettings.h"
#include "render/Title.h"
#include "render/gdi/DeviceContext.h"

namespace plotvane {

gdi::EnhMetaFile ComposePage(Document& doc, ProgressSink& progress, const MapOverlay& overlay) {
  if (!doc.errMsg.empty()) return {};
  const DrawSettings settings = SettingsForDrawing(doc.settings, doc.range);
  DrawParameters parameters = ReadDrawParameters(settings);
  UseExplicitLevels(parameters, doc.explicitLevels);
  // Built by the first scale for the map, rebuilt identically by the second.
  LevelStyles styles;
  styles.useRamp(doc.ramp);

  gdi::DeviceContext page = gdi::CreateEnhMetaFileA(kPageFrame);
  page.SetMapMode(gdi::MapMode::MM_HIMETRIC);
  DrawScale(page, parameters, styles);

  gdi::DeviceContext mapContext = gdi::CreateEnhMetaFileA(kMapFrame);
  mapContext.SetMapMode(gdi::MapMode::MM_HIMETRIC);
  DrawContourMap(mapContext, doc, parameters, styles, progress);
  if (overlay) overlay(mapContext, parameters);
  gdi::EnhMetaFile map = gdi::CloseEnhMetaFile(mapContext);

  gdi::DeviceContext titleContext = gdi::CreateEnhMetaFileA(kTitleFrame);
  titleContext.SetMapMode(gdi::MapMode::MM_TEXT);
  DrawTitle(titleContext, doc.points, settings, parameters);
  gdi::EnhMetaFile title = gdi::CloseEnhMetaFile(titleContext);

  // Playback does not clip: the map's background and margins, one map width
  // beyond the square, paint the page white around it.
  page.PlayEnhMetaFile(map, kMapOnPage);
  gdi::DeleteEnhMetaFile(map);
  page.PlayEnhMetaFile(title, kTitleOnPage);
  gdi::DeleteEnhMetaFile(title);

  DrawScale(page, parameters, styles);
  return gdi::CloseEnhMetaFile(page);
}

}  // namespace plotvane
