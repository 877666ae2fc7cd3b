#include <gtest/gtest.h>

#include "app/LibraryRemoval.h"

// Deleting and emptying are followed through the session, which never asks
// for a row it does not show.
TEST(LibraryRemoval, ARowWithoutAnEntryChangesNothing)
{
    Project project;
    EXPECT_FALSE(DeleteLibraryEntry(project, 0).changed);
}
