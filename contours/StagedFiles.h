#pragma once
// Files that GDAL writes itself, replaced only when complete.
//
// GDAL opens its files by name, so the safe writer's stream cannot carry
// them. They are written instead into a staging folder that open() creates
// beside the target (".NAME.XXXXXX", for this user only), under the names
// they will have; a shapefile's .shp, .shx, .dbf, .prj and .cpg land there
// together. commit() first checks every target by the save policy of
// SaveTarget.h (links written through; folders, read-only and hard-linked
// files refused) before any is touched, then flushes each file to disk, gives
// it the mode, owner and group of the file it replaces and renames it over
// its target, and removes the folder. So a failure before the renames leaves
// every target as it was; a set of files is replaced file by file, each one
// whole. Destroying a StagedFiles without a commit removes the folder with
// what is in it. (A signal that ends the process while GDAL writes leaves the
// folder behind: its files get their names from GDAL, so the signal handler
// of the safe writer cannot know them in advance.)

#include <string>
#include <string_view>

#include "common/Failure.h"

namespace plotvane {

class StagedFiles {
 public:
  // target: the main file as the user named it; the files written with it
  // (a .prj, c_bands.shp) belong in the same folder.
  explicit StagedFiles(std::string target);
  ~StagedFiles();
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // Creates the staging folder; the failure when the main target is refused
  // or the folder cannot be made.
  WriteOutcome open();
  // Where GDAL writes the file that is to be called name (no folder) beside
  // the target.
  std::string path(std::string_view name) const;
  // The staging folder (a data set of GDAL's that is a folder of files).
  const std::string& folder() const { return m_staging; }
  // path() of the main target's own name.
  std::string mainPath() const;
  // The failure of a write that GDAL gave up on: the safe writer's message
  // for the main target, with GDAL's reason as the detail.
  Failure gdalFailure(const std::string& reason) const;
  // Moves every staged file over its target; the failure, none on success.
  WriteOutcome commit();

 private:
  void discard();

  std::string m_target;   // as given, for messages
  std::string m_folder;   // the target's folder as given, "" or ending in '/'
  std::string m_name;     // the target's own name
  std::string m_staging;  // the staging folder; empty when none
};

}  // namespace plotvane
