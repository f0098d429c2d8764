#pragma once
// The page composition of the program and of plotvane-cli render:
// ComposePage (PageComposition.h), with the contour labels (ContourLabels.h)
// drawn over the map when doc.labels.show is set and the data posts
// (DataPosts.h) over them when doc.posts.show is, the data set being
// drawable.

#include "common/Progress.h"
#include "data/Document.h"
#include "render/gdi/EnhMetaFile.h"

namespace plotvane {

gdi::EnhMetaFile ComposeLabelledPage(Document& doc, ProgressSink& progress);

}  // namespace plotvane
