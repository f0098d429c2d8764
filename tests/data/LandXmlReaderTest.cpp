// Reading LandXML: the surface chosen, its faces, the survey points without
// a surface, the coordinate system, and the files refused with their line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Messages.h"
#include "data/LandXmlReader.h"
#include "data/ReaderTestSupport.h"

namespace plotvane {
namespace {

using test::ReadBytesAsFile;
using test::ReadOutcome;

std::string LandXml(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\">\n" +
         body + "</LandXML>\n";
}

std::string Surface(const std::string& name, const std::string& points, const std::string& faces) {
  return "<Surface name=\"" + name + "\"><Definition surfType=\"TIN\">\n<Pnts>\n" + points + "</Pnts>\n<Faces>\n" +
         faces + "</Faces>\n</Definition></Surface>\n";
}

ReadOutcome ReadXml(const std::string& bytes, const std::string& surface = {}) {
  const test::TempDir dir;
  ReadOutcome out{ReadStatus::Ok, Document{}};
  LoadOptions options;
  options.surface = surface;
  out.status = ReadDataFile(dir.write("design.xml", bytes), out.doc, {}, options);
  return out;
}

const std::string kPoints =
    "<P id=\"10\">100.0 200.0 5.0</P>\n<P id=\"11\">100.0 210.0 6.0</P>\n"
    "<P id=\"12\">130.0 210.0 7.0</P>\n<P id=\"13\">130.0 200.0 8.0</P>\n<P id=\"99\">0 0 0</P>\n";

TEST(ReadLandXml, ChosenSurfaceWithItsFacesTurnedClockwise) {
  const std::string file = LandXml(
      "<CoordinateSystem name=\"JGD2011 9\" horizontalDatum=\"JGD2011\" verticalDatum=\"TP\"/>\n<Surfaces>\n" +
      Surface("Existing", kPoints, "<F>10 11 12</F>\n") +
      Surface("Design", kPoints, "<F>10 11 12</F>\n<F>10 13 12</F>\n<F i=\"1\">11 12 13</F>\n") + "</Surfaces>\n");
  for (const std::string surface : {"", "Design"}) {
    // A named result, not a structured binding: the lambdas below read it.
    const auto read = ReadXml(file, surface);
    const Document& doc = read.doc;
    ASSERT_EQ(read.status, ReadStatus::Ok) << doc.errDetail;
    const bool design = surface == "Design";
    // Point 99 is in no face and is left out; east is the map's X.
    ASSERT_EQ(doc.points.nn, design ? 4 : 3);
    EXPECT_EQ(doc.points.dataX[2], 210.0);
    EXPECT_EQ(doc.points.dataY[2], 100.0);
    EXPECT_EQ(doc.points.labelX, "Y(東)");
    const std::vector<std::int32_t> faces =
        design ? std::vector<std::int32_t>{1, 2, 3, 1, 3, 4} : std::vector<std::int32_t>{1, 2, 3};
    ASSERT_EQ(doc.survey.faces.size(), faces.size());
    for (std::size_t k = 0; k < faces.size(); k += 3) {
      // The same corners, in clockwise order (east right, north up).
      const auto area = [&](std::size_t at) {
        const auto x = [&](std::size_t i) {
          return doc.points.dataX[static_cast<std::size_t>(doc.survey.faces[at + i])];
        };
        const auto y = [&](std::size_t i) {
          return doc.points.dataY[static_cast<std::size_t>(doc.survey.faces[at + i])];
        };
        return (x(1) - x(0)) * (y(2) - y(0)) - (x(2) - x(0)) * (y(1) - y(0));
      };
      EXPECT_LT(area(k), 0) << k;
      std::vector<std::int32_t> got(doc.survey.faces.begin() + static_cast<std::ptrdiff_t>(k),
                                    doc.survey.faces.begin() + static_cast<std::ptrdiff_t>(k + 3));
      std::vector<std::int32_t> want(faces.begin() + static_cast<std::ptrdiff_t>(k),
                                     faces.begin() + static_cast<std::ptrdiff_t>(k + 3));
      std::sort(got.begin(), got.end());
      std::sort(want.begin(), want.end());
      EXPECT_EQ(got, want) << k;
    }
    ASSERT_EQ(doc.survey.coordinateSystem.size(), 3u);
    EXPECT_EQ(doc.survey.coordinateSystem[1], (std::pair<std::string, std::string>{"horizontalDatum", "JGD2011"}));
    EXPECT_NE(doc.survey.loadNote.find(design ? "面「Design」" : "面「Existing」"), std::string::npos);
  }
  // The desktop program asks which of these to load; a Surface outside
  // Surfaces is none of them, and a fault ends the list where it stands.
  std::string stray = file;
  stray.insert(stray.rfind("</LandXML>"), "<Other><Surface name=\"Stray\"/></Other>");
  MemorySource source(stray);
  EXPECT_EQ(LandXmlSurfaceNames(source), (std::vector<std::string>{"Existing", "Design"}));
  const std::string cut = file.substr(0, file.find("<Surface name=\"Design\"")) + "<Surface name=\"X\"><";
  MemorySource broken(cut);
  EXPECT_EQ(LandXmlSurfaceNames(broken), (std::vector<std::string>{"Existing", "X"}));
}

TEST(ReadLandXml, SurveyPointsWithoutASurfaceAreMeshedAsUsual) {
  const auto [status, doc] =
      ReadXml(LandXml("<CgPoints>\n<CgPoint name=\"a\">1 2 3</CgPoint>\n<CgPoint name=\"b\">4 5</CgPoint>\n"
                      "<CgPoint name=\"c\">7 8 9</CgPoint>\n</CgPoints>\n"));
  ASSERT_EQ(status, ReadStatus::Ok) << doc.errDetail;
  EXPECT_EQ(doc.points.nn, 2);
  EXPECT_EQ(doc.points.dataX[2], 8.0);
  EXPECT_TRUE(doc.survey.faces.empty());
  EXPECT_NE(doc.survey.loadNote.find("Z のない点 1 個は除きました"), std::string::npos) << doc.survey.loadNote;
}

TEST(ReadLandXml, FaultsAreNamedWithTheirLine) {
  struct Row {
    std::string bytes;
    std::string detail;
    std::string surface{};
  };
  const auto one = [](const std::string& points, const std::string& faces) {
    return LandXml("<Surfaces>\n" + Surface("S", points, faces) + "</Surfaces>\n");
  };
  const std::vector<Row> rows{
      {one(kPoints, "<F>10 11 14</F>\n"), "13 行目の三角形が番号「14」の点を指していますが、その点がありません。"},
      {one(kPoints + "<P id=\"11\">1 2 3</P>\n", "<F>10 11 12</F>\n"),
       "11 行目の点の id「11」はすでに使われています。"},
      {one("<P id=\"1\">1 x 3</P>\n", "<F>1 1 1</F>\n"), "6 行目の E 「x」を数値として読めません。"},
      {one("<P id=\"1\">1 2</P>\n", ""), "6 行目の点「1」の座標が三つ (N E Z) ではありません。"},
      {one("<P>1 2 3</P>\n", ""), "6 行目の点 (P) に id がありません。"},
      {one(kPoints, "<F>10 11</F>\n"), "13 行目の三角形 (F) が三つの点を指していません。"},
      {one(kPoints, "<F>10 11 12</F>\n"), "面「Other」がありません。ある面: 「S」。", "Other"},
      {LandXml("<Surfaces><Surface name=\"S\">\n</Surfaces>\n"), "4 行目を XML として読めません (mismatched tag)。"},
  };
  for (const Row& row : rows) {
    const auto [status, doc] = ReadXml(row.bytes, row.surface);
    EXPECT_EQ(status, ReadStatus::InvalidData) << row.detail;
    EXPECT_EQ(doc.errMsg, messages::kInvalidData) << row.detail;
    EXPECT_EQ(doc.errDetail, row.detail);
    EXPECT_EQ(doc.points.nn, 0) << row.detail;
    EXPECT_TRUE(doc.survey.faces.empty()) << row.detail;
  }
}

}  // namespace
}  // namespace plotvane
