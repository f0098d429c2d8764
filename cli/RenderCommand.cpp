#include "cli/RenderCommand.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <thread>
#include <variant>

#include "cli/CliLoad.h"
#include "cli/ExitStatus.h"
#include "cli/IndexContourOption.h"
#include "cli/OutputTarget.h"
#include "cli/RampOption.h"
#include "common/Capacity.h"
#include "qtplay/PictureFormats.h"
#include "qtplay/QtFonts.h"
#include "render/LabelledPage.h"
#include "render/RenderSettings.h"
#include "render/TrueScalePage.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/TextMeasurer.h"
#include "settings/LevelList.h"

namespace plotvane::cli {
namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kMaxDpi = 1200.0;

struct RenderOptions {
  LoadArguments load;
  ViewArguments view;
  std::string output;
  std::optional<std::string> format;
  std::optional<double> dpi;
  bool labels = false;
  std::optional<std::int32_t> labelEvery;
  std::optional<std::int32_t> indexEvery;
  std::optional<std::string> ramp;
  bool posts = false;
  std::optional<std::string> postLabels;
  std::optional<double> scale;
  std::optional<std::string> paper;
  bool landscape = false;
  bool boundaryLine = false;
  std::optional<std::string> levels;
};

// The QGuiApplication for one command, when the caller has none.
class OffscreenGui {
 public:
  OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) return;
    // Without a desktop session Qt warns on standard error that it picks a
    // runtime folder of its own; the same folder, named here, keeps a
    // command that succeeded silent.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
      const passwd* user = ::getpwuid(::getuid());
      const QString name = user != nullptr ? QString::fromLocal8Bit(user->pw_name) : QString::number(::getuid());
      qputenv("XDG_RUNTIME_DIR", (QDir::tempPath() + "/runtime-" + name).toLocal8Bit());
    }
    m_app = std::make_unique<QGuiApplication>(m_argc, m_argv.data());
    gdi::SetTextMeasurer(std::make_shared<qtplay::QtTextMeasurer>());
    // The font database is read on first use; one measurement in the page's
    // face reads it now, while the data loads beside it.
    gdi::LOGFONT page;
    page.height = 100;
    page.faceName = gdi::kPageFontFace;
    gdi::CurrentTextMeasurer().textWidth(page, u"0");
  }
  ~OffscreenGui() {
    if (m_app) gdi::SetTextMeasurer(nullptr);
  }
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  // The platform is given as an argument, which wins over QT_QPA_PLATFORM.
  int m_argc = 3;
  std::array<char*, 4> m_argv{const_cast<char*>("plotvane-cli"), const_cast<char*>("-platform"),
                              const_cast<char*>("offscreen"), nullptr};
  std::unique_ptr<QGuiApplication> m_app;
};

std::unique_ptr<CLI::App> RenderTable(RenderOptions& o) {
  auto table = NewOptionTable("render",
                              "Writes the page as a picture: .png, .bmp, .svg, .pdf or .emf, chosen by the output "
                              "name's last three characters, or by --format with \"-o -\" (standard output).");
  AddLoadOptions(*table, o.load);
  AddDifferenceOption(*table, o.load);
  table->add_option("-o,--output", o.output, "the output file, or - for standard output")->required()->type_name("OUT");
  table->add_option("--format", o.format, "the picture format for standard output: png, bmp, svg, pdf or emf");
  AddViewOptions(*table, o.view);
  AddNumber(*table, "--dpi", o.dpi, "resolution of .png and .bmp output, 1..1200 (default 96)");
  CLI::Option* labels = AddSwitch(*table, "--labels", o.labels, "write the level's value along the contour lines");
  AddWholeNumber(*table, "--label-every", o.labelEvery, 1, capacity::kMaxLevels,
                 "label every N-th level, counted from the base's multiples")
      ->needs(labels);
  AddIndexEveryOption(*table, o.indexEvery)->excludes("--label-every");
  AddRampOption(*table, o.ramp);
  table
      ->add_option("--levels", o.levels,
                   "draw the lines at exactly these Z values, bands between them (rising, comma-separated)")
      ->type_name("Z,Z,...")
      ->excludes("--interval");
  CLI::Option* posts = AddSwitch(*table, "--posts", o.posts, "mark every data point on the map");
  table
      ->add_option("--post-labels", o.postLabels,
                   "write each point's Z (z) or its name where the file gives names (name) beside its mark")
      ->type_name("z|name")
      ->check(CLI::IsMember({"z", "name"}))
      ->needs(posts);
  CLI::Option* scale =
      AddNumber(*table, "--scale", o.scale, "print the map at 1:N on the paper (.pdf; X and Y in metres)");
  CLI::Option* paper = table->add_option("--paper", o.paper, "the paper of --scale: A4 or A3")
                           ->type_name("A4|A3")
                           ->check(CLI::IsMember({"A4", "A3"}));
  scale->needs(paper);
  paper->needs(scale);
  AddSwitch(*table, "--landscape", o.landscape, "turn the paper of --scale sideways")->needs(scale);
  AddSwitch(*table, "--boundary-line", o.boundaryLine, "draw the site boundary as a thin line")->needs("--boundary");
  return table;
}

// The picture format of the output; a usage error (its exit status) when
// the options do not name one or do not fit it.
std::variant<qtplay::PictureFormat, int> FormatOf(const RenderOptions& o, std::ostream& err) {
  if (o.format.has_value() != (o.output == kStandardOutput)) {
    return UsageError(err, "--format is needed with -o - (standard output), and only there");
  }
  const auto format = o.format ? qtplay::PictureFormatNamed(*o.format) : qtplay::PictureFormatOfPath(o.output);
  if (!format) {
    return UsageError(err, (o.format ? *o.format : o.output) +
                               ": the output name must end in png, bmp, svg, pdf or emf (--format: png, bmp, svg, "
                               "pdf, emf)");
  }
  if (o.dpi && !(*o.dpi >= 1.0 && *o.dpi <= kMaxDpi)) return UsageError(err, "--dpi must lie in 1..1200");
  if (o.dpi && !qtplay::IsRaster(*format)) return UsageError(err, "--dpi applies to .png and .bmp output only");
  if (o.scale && !(*o.scale > 0.0 && std::isfinite(*o.scale))) return UsageError(err, "--scale must be above 0");
  if (o.scale && *format != qtplay::PictureFormat::Pdf) return UsageError(err, "--scale applies to .pdf output only");
  return *format;
}

}  // namespace

int RunRender(const Words& words, std::ostream& out, std::ostream& err) {
  RenderOptions o;
  const auto table = RenderTable(o);
  if (const auto stop = ParseOptionTable(*table, words, out, err)) return *stop;
  const auto format = FormatOf(o, err);
  if (const int* status = std::get_if<int>(&format)) return *status;
  std::vector<double> levels;
  if (o.levels) {
    auto parsed = ParseLevelList(*o.levels);
    if (const auto* problem = std::get_if<std::string>(&parsed)) return UsageError(err, "--levels: " + *problem);
    levels = std::move(std::get<std::vector<double>>(parsed));
  }
  // A true scale needs one metre to be as long across as up.
  if (o.scale) o.load.equalAspect = true;

  // The load keeps one core busy for most of the command; the graphics
  // system and its fonts start on the other meanwhile. Only the loader
  // writes to err until it is joined.
  Document doc;
  if (const auto refused = ResolveRamp(o.ramp, doc.ramp, err)) return *refused;
  std::optional<int> stop;
  std::thread loader([&] { stop = LoadMeshed(o.load, o.view, doc, err); });
  const OffscreenGui gui;
  loader.join();
  if (stop) return *stop;
  doc.labels = LabelOptions{o.labels, o.labelEvery.value_or(0), o.indexEvery.value_or(0), o.load.base.value_or(0.0)};
  doc.explicitLevels = std::move(levels);
  doc.boundaryLine = o.boundaryLine;
  const auto picture = std::get<qtplay::PictureFormat>(format);
  doc.exactPieces = picture == qtplay::PictureFormat::Png || picture == qtplay::PictureFormat::Bmp;
  doc.posts = PostOptions{o.posts, !o.postLabels          ? PostLabel::None
                                   : *o.postLabels == "z" ? PostLabel::Z
                                                          : PostLabel::Name};

  std::optional<TrueScaleLayout> sheet;
  if (o.scale) {
    const TrueScale scale{*o.scale, *PaperNamed(*o.paper), o.landscape};
    const MapWindow window = ParametersForDrawing(doc.settings, doc.range).window;
    auto layout = LayOutTrueScale(window.x2 - window.x1, scale);
    if (const auto* largest = std::get_if<std::int64_t>(&layout)) {
      return UsageError(err, ScaleNote(*o.scale) + " does not fit " + *o.paper +
                                 (o.landscape ? " landscape" : " portrait") +
                                 ": the largest scale that fits is 1:" + std::to_string(*largest));
    }
    sheet = std::get<TrueScaleLayout>(layout);
  }

  const auto file = OpenOutput(o.output);
  if (!file->failed()) {
    gdi::EnhMetaFile page = ComposeLabelledPage(doc, NullProgress());
    if (sheet) page = ComposeTrueScaleSheet(page, *sheet, ScaleNote(*o.scale));
    qtplay::WritePicture(page, *file, picture, o.dpi.value_or(kScreenDpi));
  }
  const int written = FinishOutput(*file, err);
  if (written == kExitOk && o.output != kStandardOutput) out << o.output << '\n';
  return written;
}

}  // namespace plotvane::cli
