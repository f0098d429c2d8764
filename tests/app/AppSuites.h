#pragma once
// The Qt Test suites of the desktop program share one test program: each
// suite registers itself by name, and the program runs the suite named by
// its first argument (every suite when there is none), so that CTest still
// runs them as separate tests, two at a time.

#include <QObject>
#include <functional>
#include <memory>

namespace plotvane::test {

using SuiteFactory = std::function<std::unique_ptr<QObject>()>;

// Adds a suite; returns a value only so that registration can initialise a
// namespace-scope constant.
bool RegisterSuite(const char* name, SuiteFactory factory);

}  // namespace plotvane::test

#define PLOTVANE_APP_SUITE(Class)                                                                                    \
  namespace {                                                                                                        \
  const bool kRegistered##Class = ::plotvane::test::RegisterSuite(#Class, [] { return std::make_unique<Class>(); }); \
  }
