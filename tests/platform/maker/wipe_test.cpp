// The one wipe of secrets: the characters are overwritten where they lie, the text left empty.
#include <gtest/gtest.h>
#include <afx.h>
#include "MpWipe.h"
#include "heap_probe.h"

namespace {

TEST(WipeTest, StringsAreOverwrittenInTheirBlocksAndLeftEmpty) {
  const char secret[] = "A secret long enough to be kept in a block: Juniper-Tallow-4412";
  const char* const tail = secret + 40;
  std::string text = secret, scoped = secret;
  CString cstring = secret;
  try {
    const MpWipeOnExit wipe(scoped);
    throw 1;  // the scope is left by an exception
  } catch (int) {
  }
  ASSERT_TRUE(wdtest::InHeaps(tail));
  MpWipe(text);
  MpWipe(cstring);
  // Nothing is allocated in between: a new block could overwrite a freed one that still held it.
  EXPECT_FALSE(wdtest::InHeaps(tail));
  EXPECT_TRUE(text.empty());
  EXPECT_TRUE(cstring.IsEmpty());
  EXPECT_TRUE(scoped.empty());
}

}  // namespace
