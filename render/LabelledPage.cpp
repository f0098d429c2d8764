// The page with its contour labels. See LabelledPage.h.

#include "render/LabelledPage.h"

#include "render/ContourLabels.h"
#include "render/PageComposition.h"

namespace plotvane {

gdi::EnhMetaFile ComposeLabelledPage(Document& doc, ProgressSink& progress) {
  if (!doc.labels.show || !doc.drawable()) return ComposePage(doc, progress);
  const LabelOptions options = doc.labels;
  return ComposePage(doc, progress, [&doc, options](gdi::DeviceContext& map, const DrawParameters& parameters) {
    DrawContourLabels(map, doc, parameters, options);
  });
}

}  // namespace plotvane
