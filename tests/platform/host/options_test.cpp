// The named-value bag: its kinds of value, the reading of booleans and numbers, object keys,
// and its life as a COM object.
#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include "MpHostOptions.h"
#include "MpSmartPointers.h"
#include "host_fixture.h"

namespace {

typedef HostTest OptionsTest;

TEST_F(OptionsTest, ACountedObjectWhoseKeyHoldsAStringAListAndAnObjectKeySideBySide) {
  const long live = MpHostLiveObjects();
  IMpOptionsPtr bag(CLSID_MpOptions, nullptr);
  ASSERT_TRUE(bag.isValid());
  EXPECT_EQ(live + 1, MpHostLiveObjects());
  EXPECT_EQ(1, MpHostRefCount(bag.get()));
  void* other = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, bag->QueryInterface(IID_IMpZulNode, &other));
  EXPECT_EQ(nullptr, other);
  EXPECT_EQ(1, MpHostRefCount(bag.get())) << "a refused query adds no reference";
  EXPECT_NE(bag.get(), IMpOptionsPtr(CLSID_MpOptions, nullptr).get()) << "every creation makes a new bag";
  EXPECT_FALSE(bag->commit()) << "a fresh bag is no settings group";

  EXPECT_EQ("", bag->getString("Name"));
  EXPECT_EQ(0xFFFFFFFFu, bag->getObjectKey("Name").objectId);
  ASSERT_TRUE(bag->setString("Name", "'Max Depth'"));
  EXPECT_TRUE(bag->getStringList("Name").empty()) << "a key holding only a string has no list";
  ASSERT_TRUE(bag->setStringList("Name", {"SafetyGap", "'Max Depth'", ""}));
  EXPECT_EQ("'Max Depth'", bag->getString("Name")) << "the list leaves the string alone";
  EXPECT_EQ((std::vector<std::string>{"SafetyGap", "'Max Depth'", ""}), bag->getStringList("Name"));
  ASSERT_TRUE(bag->setStringList("Type", {"integer", "double"}));
  EXPECT_EQ("", bag->getString("Type")) << "a key holding only a list has no string";

  ASSERT_TRUE(bag->setObjectKey("Name", ZulObjectKey(17, 4, 2, 9)));
  const ZulObjectKey key = bag->getObjectKey("Name");
  EXPECT_EQ(17u, key.objectId);
  EXPECT_EQ(9u, key.revision) << "the whole key is kept";
  EXPECT_EQ("'Max Depth'", bag->getString("Name"));
  ASSERT_TRUE(bag->setObjectKey("Target", ZulObjectKey()));
  EXPECT_TRUE(bag->getObjectKey("Target").isNone());

  ASSERT_TRUE(bag->setString("Empty", "Quote \"q\" \\ and\nbreak"));
  EXPECT_FALSE(bag->setString("", "x"));
  EXPECT_FALSE(bag->setStringList("", {"x"}));
  EXPECT_EQ("Empty = \"Quote \\\"q\\\" \\\\ and\\nbreak\"\n"
            "Name = \"'Max Depth'\"\n"
            "Name[] = \"SafetyGap\", \"'Max Depth'\", \"\"\n"
            "Name# = 17\n"
            "Target# = none\n"
            "Type[] = \"integer\", \"double\"\n",
            MpHostOptionsText(bag.get()));
}

TEST_F(OptionsTest, BooleansAreOnAndOffAndNumbersDecimalText) {
  IMpOptionsPtr bag(CLSID_MpOptions, nullptr);
  ASSERT_TRUE(bag.isValid());
  EXPECT_FALSE(bag->getBool("unset"));
  ASSERT_TRUE(bag->setBool("a", true));
  ASSERT_TRUE(bag->setBool("b", false));
  EXPECT_EQ("on|off", bag->getString("a") + "|" + bag->getString("b"));

  for (const char* yes : {"on", "true", "1", "ON", " on ", "\ttrue"}) {
    bag->setString("k", yes);
    EXPECT_TRUE(bag->getBool("k")) << yes;
  }
  for (const char* no : {"false", "0", "", "yes", "onn", "o n"}) {
    bag->setString("k", no);
    EXPECT_FALSE(bag->getBool("k")) << '"' << no << '"';
  }

  EXPECT_EQ(0, bag->getInt("unset"));
  EXPECT_EQ(0.0, bag->getDouble("unset"));

  ASSERT_TRUE(bag->setInt("i", -12));
  EXPECT_EQ("-12", bag->getString("i"));
  EXPECT_EQ(-12, bag->getInt("i"));
  EXPECT_EQ(-12.0, bag->getDouble("i"));
  ASSERT_TRUE(bag->setDouble("d", 0.1));
  EXPECT_EQ("0.1", bag->getString("d")) << "the shortest text that reads back the same";
  ASSERT_TRUE(bag->setDouble("d", 1.0 / 3.0));
  EXPECT_EQ(1.0 / 3.0, bag->getDouble("d"));
  EXPECT_FALSE(bag->setDouble("d", std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(bag->setDouble("d", std::numeric_limits<double>::infinity()));
  EXPECT_EQ(1.0 / 3.0, bag->getDouble("d")) << "a refused value leaves the old one";

  struct {
    const char* text;
    int asInt;
    double asDouble;
  } const cases[] = {
      {" 42\t", 42, 42.0}, {"+7", 7, 7.0},        {"12x", 0, 0.0},       {"-.5", 0, -0.5},  {"1.", 0, 1.0},
      {"2E+3", 0, 2000.0}, {".", 0, 0.0},        {"", 0, 0.0},          {"1,5", 0, 0.0},   {"inf", 0, 0.0},
      {"0x10", 0, 0.0},    {"1e999", 0, 0.0},    {"2147483648", 0, 2147483648.0},        {"1e", 0, 0.0},
  };
  for (const auto& c : cases) {
    bag->setString("n", c.text);
    EXPECT_EQ(c.asInt, bag->getInt("n")) << '"' << c.text << '"';
    EXPECT_EQ(c.asDouble, bag->getDouble("n")) << '"' << c.text << '"';
  }
}

TEST_F(OptionsTest, NumbersDoNotFollowTheCLocale) {
  IMpOptionsPtr bag(CLSID_MpOptions, nullptr);
  ASSERT_TRUE(bag.isValid());
  const std::string before = std::setlocale(LC_ALL, nullptr);
  // A locale whose decimal separator is a comma.
  const char* german = std::setlocale(LC_ALL, "German_Germany.1252");
  if (!german) german = std::setlocale(LC_ALL, "de-DE");
  if (!german) GTEST_SKIP() << "no locale with a decimal comma in this prefix";
  char probe[16];
  std::snprintf(probe, sizeof(probe), "%.1f", 2.5);
  const bool comma = std::string(probe) == "2,5";
  bag->setDouble("d", 2.5);
  const std::string written = bag->getString("d");
  bag->setString("t", "1.25");
  const double read = bag->getDouble("t");
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_TRUE(comma) << "the locale was not in force: " << probe;
  EXPECT_EQ("2.5", written);
  EXPECT_EQ(1.25, read);
}

}  // namespace
