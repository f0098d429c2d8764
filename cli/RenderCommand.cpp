#include "cli/RenderCommand.h"

#include <QGuiApplication>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>

#include "cli/CliCommands.h"
#include "cli/CliLoad.h"
#include "cli/OutputTarget.h"
#include "common/Capacity.h"
#include "qtplay/PageWriters.h"
#include "qtplay/QtFonts.h"
#include "render/LabelledPage.h"
#include "render/PageComposition.h"
#include "render/emf/EmfWriter.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/TextMeasurer.h"

namespace plotvane::cli {
namespace {

constexpr const char* kUsage =
    "render FILE -o OUT [--view VIEW.ctv] [--sq LIMIT] [--dpi N] [--labels [--label-every M]]\n"
    "       render FILE -o - --format png|bmp|svg|pdf|emf [...]";
constexpr double kScreenDpi = 96.0;
constexpr double kMaxDpi = 1200.0;

enum class OutputKind { Png, Bmp, Svg, Pdf, Emf };

// The kind named by the output's ending ("x.svg"), or by --format for
// standard output ("svg").
std::optional<OutputKind> KindOf(std::string_view path, bool format) {
  struct Ending {
    std::string_view suffix;
    OutputKind kind;
  };
  constexpr std::array<Ending, 5> kEndings{{{".png", OutputKind::Png},
                                            {".bmp", OutputKind::Bmp},
                                            {".svg", OutputKind::Svg},
                                            {".pdf", OutputKind::Pdf},
                                            {".emf", OutputKind::Emf}}};
  for (const Ending& e : kEndings) {
    if (format ? path == e.suffix.substr(1) : path.size() > e.suffix.size() && path.ends_with(e.suffix)) return e.kind;
  }
  return std::nullopt;
}

// The QGuiApplication for one command, when the caller has none.
class OffscreenGui {
 public:
  OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) return;
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

void Write(const gdi::EnhMetaFile& page, SafeFileWriter& file, OutputKind kind, double dpi) {
  switch (kind) {
    case OutputKind::Png: qtplay::writeImage(page, file, "PNG", dpi); return;
    case OutputKind::Bmp: qtplay::writeImage(page, file, "BMP", dpi); return;
    case OutputKind::Svg: qtplay::writeSvg(page, file); return;
    case OutputKind::Pdf: qtplay::writePdf(page, file); return;
    case OutputKind::Emf: emf::WriteEnhMetaFile(page, file); return;
  }
}

// The output's kind and resolution; nullopt (with a message) on a usage error.
std::optional<std::pair<OutputKind, double>> OutputOptions(const Arguments& args, std::ostream& err) {
  const auto output = args.option("-o");
  if (args.positional.size() != 1 || !output) {
    err << "usage: plotvane-cli " << kUsage << '\n';
    return std::nullopt;
  }
  const auto format = args.option("--format");
  if (format.has_value() != (*output == kStandardOutput)) {
    err << "plotvane-cli: --format is needed with -o - (standard output), and only there\n";
    return std::nullopt;
  }
  const auto kind = format ? KindOf(*format, true) : KindOf(*output, false);
  if (!kind) {
    err << "plotvane-cli: " << (format ? *format : *output)
        << ": the output name must end in .png, .bmp, .svg, .pdf or .emf (--format: png, bmp, svg, pdf, emf)\n";
    return std::nullopt;
  }
  double dpi = kScreenDpi;
  if (const auto text = args.option("--dpi")) {
    const auto value = NumberArgument(*text, "--dpi", err);
    if (!value) return std::nullopt;
    if (!(*value >= 1.0 && *value <= kMaxDpi)) {
      err << "plotvane-cli: --dpi must lie in 1..1200\n";
      return std::nullopt;
    }
    if (*kind != OutputKind::Png && *kind != OutputKind::Bmp) {
      err << "plotvane-cli: --dpi applies to .png and .bmp output only\n";
      return std::nullopt;
    }
    dpi = *value;
  }
  return std::pair{*kind, dpi};
}

// --labels and --label-every M (a whole number from 1); nullopt (with a
// message) on a usage error.
std::optional<LabelOptions> LabelOptionsOf(const Arguments& args, std::ostream& err) {
  LabelOptions labels;
  labels.show = args.option("--labels").has_value();
  if (const auto every = args.option("--label-every")) {
    const auto value = NumberArgument(*every, "--label-every", err);
    if (!value) return std::nullopt;
    if (!labels.show || !(*value >= 1 && *value <= capacity::kMaxLevels) || *value != std::floor(*value)) {
      err << "plotvane-cli: --label-every needs --labels and a whole number from 1 to " << capacity::kMaxLevels << '\n';
      return std::nullopt;
    }
    labels.every = static_cast<std::int32_t>(*value);
  }
  return labels;
}

}  // namespace

int RunRender(const Arguments& args, std::ostream& out, std::ostream& err) {
  const auto options = OutputOptions(args, err);
  if (!options) return kExitUsage;
  const std::string output = *args.option("-o");

  const auto labels = LabelOptionsOf(args, err);
  if (!labels) return kExitUsage;

  // The load keeps one core busy for most of the command; the graphics
  // system and its fonts start on the other meanwhile. Only the loader
  // writes to err until it is joined.
  Document doc;
  std::optional<int> stop;
  std::thread loader([&] { stop = LoadMeshed(args, doc, err); });
  const OffscreenGui gui;
  loader.join();
  if (stop) return *stop;
  doc.labels = *labels;

  const auto file = OpenOutput(output);
  if (!file->failed()) Write(ComposeLabelledPage(doc, NullProgress()), *file, options->first, options->second);
  const int written = FinishOutput(*file, err);
  if (written == kExitOk && output != kStandardOutput) out << output << '\n';
  return written;
}

}  // namespace plotvane::cli
