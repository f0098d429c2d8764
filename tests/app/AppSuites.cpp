// The registry of the desktop program's suites and the test program's main.

#include "AppSuites.h"

#include <QApplication>
#include <QTest>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace plotvane::test {
namespace {

std::map<std::string, SuiteFactory>& Suites() {
  static std::map<std::string, SuiteFactory> suites;
  return suites;
}

}  // namespace

bool RegisterSuite(const char* name, SuiteFactory factory) {
  Suites().emplace(name, std::move(factory));
  return true;
}

}  // namespace plotvane::test

// app_test [SUITE [Qt Test options]]
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const auto& suites = plotvane::test::Suites();
  std::vector<char*> args{argv[0]};
  std::vector<std::string> chosen;
  if (argc > 1 && argv[1][0] != '-') {
    if (suites.count(argv[1]) == 0) {
      qWarning("app_test: no suite %s", argv[1]);
      return 2;
    }
    chosen.emplace_back(argv[1]);
    args.insert(args.end(), argv + 2, argv + argc);
  } else {
    for (const auto& [name, factory] : suites) chosen.push_back(name);
    args.insert(args.end(), argv + 1, argv + argc);
  }
  int failures = 0;
  for (const std::string& name : chosen) {
    const std::unique_ptr<QObject> suite = suites.at(name)();
    failures += QTest::qExec(suite.get(), static_cast<int>(args.size()), args.data());
  }
  return failures == 0 ? 0 : 1;
}
