// The credential cipher: round trip, keyed, printable, never the plain text.
#include <gtest/gtest.h>
#include "MpCipher.h"
#include "heap_probe.h"
#include <cstring>

namespace {

TEST(CipherTest, HashMatchesPublishedValues) {
  EXPECT_EQ("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", MpSha256Hex("abc"));
  EXPECT_EQ("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1",
            MpSha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"));
}

TEST(CipherTest, RoundTripHidesTheText) {
  const std::string key = "DWB_FO_LANTERNFISH";
  for (const std::string& plain : {std::string(""), std::string(100, 'q') + "tail", std::string("\0\x01\xff mixed", 10)}) {
    std::string text = plain;
    MpEncrypt(key, text);
    for (char c : text) EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) << text;
    EXPECT_EQ(2 * (plain.size() + 16), text.size());
    MpDecrypt(key, text);
    EXPECT_EQ(plain, text);
  }

  const std::string plain = "Password:Quillbox-Rosewater";  // letters a hexadecimal text cannot hold
  std::string once = plain, twice = plain;
  MpEncrypt(key, once);
  MpEncrypt(key, twice);
  EXPECT_EQ(std::string::npos, once.find(plain));
  EXPECT_NE(once, twice) << "a fresh nonce each time";
  // Nor is the text there in its bytes: the hexadecimal is not merely an encoding of it.
  std::string bytes;
  for (size_t i = 0; i + 1 < once.size(); i += 2) bytes += static_cast<char>(std::stoi(once.substr(i, 2), nullptr, 16));
  EXPECT_EQ(std::string::npos, bytes.find("Rosewater"));
  EXPECT_EQ(std::string::npos, bytes.find("Password"));
}

TEST(CipherTest, WrongKeyOrChangedTextGivesNothing) {
  std::string stored = "hunter2";
  MpEncrypt("right", stored);
  std::string flipped = stored;
  flipped[20] = flipped[20] == '0' ? '1' : '0';
  std::string upper = stored;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  const std::pair<const char*, std::string> cases[] = {
      {"wrong", stored}, {"Right", stored}, {"right", flipped}, {"right", stored.substr(0, stored.size() - 2)},
      {"right", ""},     {"right", "---"},  {"right", "hunter2"}};
  for (auto c : cases) {
    MpDecrypt(c.first, c.second);
    EXPECT_EQ("", c.second) << c.first;
  }
  MpDecrypt("right", upper);
  EXPECT_EQ("hunter2", upper) << "hexadecimal digits in either case";

  // A value stored by an earlier build still deciphers.
  std::string earlier =
      "24660dea50853a812b3d59a7a75abf369fbeb2ae3c84910955265adf02e0515ec62e5e56a4894a041f6445aef34927e6b68231dd9b33"
      "7b99f375e75fc2c67a20859d5f0aa70b4829144591bd6c258596a68b2fcc60";
  MpDecrypt("DWB_FO_LANTERNFISH", earlier);
  EXPECT_EQ("Password:Quillbox-Rosewater, a text longer than one 32-byte key block", earlier);
}

TEST(CipherTest, PlainTextIsNotLeftInMemoryGivenBack) {
  // The probe sees what a freed block held.
  char* freed = static_cast<char*>(::HeapAlloc(::GetProcessHeap(), 0, 96));
  std::strcpy(freed, "A block that is freed as it is, with its text: probe-sees-freed-blocks");
  ::HeapFree(::GetProcessHeap(), 0, freed);
  EXPECT_TRUE(wdtest::InHeaps("probe-sees-freed-blocks"));

  const char plain[] = "A plain text long enough to be kept in a block: Velvet-Marigold-7731";
  const char* const tail = plain + 40;
  std::string text = plain;
  MpEncrypt("key", text);
  EXPECT_FALSE(wdtest::InHeaps(tail)) << "the plain text handed in";
  MpDecrypt("key", text);
  ASSERT_EQ(plain, text);
  ::SecureZeroMemory(&text[0], text.size());
  EXPECT_FALSE(wdtest::InHeaps(tail)) << "a copy made while deciphering";
}

}  // namespace
