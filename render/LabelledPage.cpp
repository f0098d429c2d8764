// The page with its contour labels and data posts. See LabelledPage.h.

#include "render/LabelledPage.h"

#include "render/ContourLabels.h"
#include "render/DataPosts.h"
#include "render/PageComposition.h"

namespace plotvane {

gdi::EnhMetaFile ComposeLabelledPage(Document& doc, ProgressSink& progress) {
  if ((!doc.labels.show && !doc.posts.show) || !doc.drawable()) return ComposePage(doc, progress);
  const LabelOptions labels = doc.labels;
  const PostOptions posts = doc.posts;
  return ComposePage(doc, progress, [&doc, labels, posts](gdi::DeviceContext& map, const DrawParameters& parameters) {
    std::vector<PostBox> contourLabels;
    if (labels.show) {
      for (const gdi::RECT& r : DrawContourLabels(map, doc, parameters, labels))
        contourLabels.push_back(PostBox{r.left, r.bottom, r.right, r.top});
    }
    // Over the contour labels: a post marks a measurement, which no label
    // may hide; its own label keeps clear of theirs.
    if (posts.show) DrawDataPosts(map, doc, parameters, posts, contourLabels);
  });
}

}  // namespace plotvane
