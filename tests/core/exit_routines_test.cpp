#include <gtest/gtest.h>

#include <string>

#include "app/process.h"
#include "core/exit_routines.h"

namespace lf {
namespace {

std::string calls;
void First() { calls += "1"; }
void Second() { calls += "2"; }
void AddsAnother() {
  calls += "A";
  AddExitRoutine(First);  // listed already: not added again
  AddExitRoutine(Second);
}

TEST(ExitRoutines, RunOnceEachInTheOrderAddedAndNeverTwice) {
  calls.clear();
  AddExitRoutine(First);
  AddExitRoutine(AddsAnother);
  AddExitRoutine(First);
  AddExitRoutine(nullptr);
  RunExitRoutines();
  EXPECT_EQ(calls, "1A2");
  RunExitRoutines();  // the list was emptied
  EXPECT_EQ(calls, "1A2");
}

}  // namespace
}  // namespace lf
