// Random folders and lists, renamed: the check the benchmark also runs, with
// more cases.
#include <gtest/gtest.h>

#include "testkit/rename_property.h"

TEST(RenameProperty, NothingIsLostAndOnlyListedFilesMove) { testkit::CheckRenameProperty(); }
