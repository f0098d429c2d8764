#pragma once
// Data posts: a small marker on every data point of the map, optionally
// labelled with the point's Z or its name. A choice for one run or one
// command, never stored in a view or contour file.

namespace plotvane {

enum class PostLabel {
  None,
  Z,     // the value as the colour scale writes values (7 significant digits)
  Name,  // the point's name where the file gives names, its Z otherwise
};

struct PostOptions {
  bool show = false;
  PostLabel label = PostLabel::None;
  bool operator==(const PostOptions&) const = default;
};

}  // namespace plotvane
