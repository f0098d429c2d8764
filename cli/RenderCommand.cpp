#include "cli/RenderCommand.h"

#include <QFile>
#include <QGuiApplication>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/CliCommands.h"
#include "cli/CliLoad.h"
#include "common/Capacity.h"
#include "contours/ContourLabels.h"
#include "qtplay/PageWriters.h"
#include "qtplay/QtFonts.h"
#include "render/PageComposition.h"
#include "render/emf/EmfWriter.h"
#include "render/gdi/TextMeasurer.h"

namespace plotvane::cli {
namespace {

constexpr const char* kUsage =
    "render FILE -o OUT [--view VIEW.ctv] [--sq LIMIT] [--dpi N] [--labels [--label-every M]]";
constexpr double kScreenDpi = 96.0;
constexpr double kMaxDpi = 1200.0;

enum class OutputKind { Png, Bmp, Svg, Pdf, Emf };

std::optional<OutputKind> KindOf(std::string_view path) {
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
    if (path.size() > e.suffix.size() && path.ends_with(e.suffix)) return e.kind;
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

QString Write(const gdi::EnhMetaFile& page, const std::string& path, OutputKind kind, double dpi) {
  const QString name = QFile::decodeName(QByteArray::fromStdString(path));
  switch (kind) {
    case OutputKind::Png: return qtplay::writeImage(page, name, "PNG", dpi);
    case OutputKind::Bmp: return qtplay::writeImage(page, name, "BMP", dpi);
    case OutputKind::Svg: return qtplay::writeSvg(page, name);
    case OutputKind::Pdf: return qtplay::writePdf(page, name);
    case OutputKind::Emf: return QString::fromStdString(gdi::CopyEnhMetaFileA(page, path));
  }
  return {};
}

// The output's kind and resolution; nullopt (with a message) on a usage error.
std::optional<std::pair<OutputKind, double>> OutputOptions(const Arguments& args, std::ostream& err) {
  const auto output = args.option("-o");
  if (args.positional.size() != 1 || !output) {
    err << "usage: plotvane-cli " << kUsage << '\n';
    return std::nullopt;
  }
  const auto kind = KindOf(*output);
  if (!kind) {
    err << "plotvane-cli: " << *output << ": the output name must end in .png, .bmp, .svg, .pdf or .emf\n";
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

  Document doc;
  if (const auto stop = LoadMeshed(args, doc, err)) return *stop;
  const auto labels = LabelOptionsOf(args, err);
  if (!labels) return kExitUsage;
  doc.labels = *labels;

  const OffscreenGui gui;
  const gdi::EnhMetaFile page = ComposeLabelledPage(doc, NullProgress());
  const QString error = Write(page, output, options->first, options->second);
  if (!error.isEmpty()) {
    err << "plotvane-cli: " << error.toStdString() << '\n';
    return kExitLoadFailed;
  }
  out << output << '\n';
  return kExitOk;
}

}  // namespace plotvane::cli
