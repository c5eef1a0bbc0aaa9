// The start of the program that creates the toolkit's windows and the
// launcher's forms in-process: it tells the toolkit the program's title, as
// the launcher's own start does, then runs the tests.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  ui::application::SetTitle(qvn::kMainWindowTitle);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
