// The stored form of enciphered text and the steps that do not need the system's cryptography:
// hexadecimal text, the nonce | cipher text | tag layout, the key stream and the tag check.
// The hashes come in through a function, so that this part needs none of the system's
// cryptography and also builds natively (fuzzing). See MpCipher.h for the format.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace MpCipherText {

typedef std::array<uint8_t, 32> Digest;

// A byte range to hash.
struct Bytes {
  const void* data;
  size_t size;
  Bytes(const std::string& s) : data(s.data()), size(s.size()) {}
  Bytes(const void* d, size_t n) : data(d), size(n) {}
};

// SHA-256 over the parts in turn; with a key, HMAC-SHA-256 under it. False when it fails.
typedef bool (*HashFunction)(const std::string* key, std::initializer_list<Bytes> parts, Digest& digest);

const size_t NonceSize = 8;
const size_t TagSize = 8;

std::string toHex(const void* data, size_t size);
// False for an odd length or a character that is no hexadecimal digit.
bool fromHex(const std::string& hex, std::string& bytes);

// text XOR SHA-256(key | nonce | counter) blocks; the same call deciphers.
bool applyKeyStream(HashFunction hash, const std::string& key, const std::string& nonce, std::string& text);

// The stored text of text under key with the given nonce; "" when hashing fails.
std::string seal(HashFunction hash, const std::string& key, const std::string& nonce, const std::string& text);
// The plain text of a stored text, or "" when it is not of the stored form or its tag does not
// match under key.
std::string open(HashFunction hash, const std::string& key, const std::string& stored);

}  // namespace MpCipherText
