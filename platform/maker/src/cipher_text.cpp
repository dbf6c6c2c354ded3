// The stored form of enciphered text (see cipher_text.h).
#include "cipher_text.h"
#include "MpWipe.h"

namespace MpCipherText {

std::string toHex(const void* data, size_t size) {
  static const char digits[] = "0123456789abcdef";
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  std::string hex;
  hex.reserve(size * 2);
  for (size_t i = 0; i < size; ++i) {
    hex += digits[bytes[i] >> 4];
    hex += digits[bytes[i] & 15];
  }
  return hex;
}

namespace {
int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

bool fromHex(const std::string& hex, std::string& bytes) {
  if (hex.size() % 2) return false;
  bytes.clear();
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int hi = hexValue(hex[i]), lo = hexValue(hex[i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes += static_cast<char>(hi * 16 + lo);
  }
  return true;
}

bool applyKeyStream(HashFunction hash, const std::string& key, const std::string& nonce, std::string& text) {
  Digest block{};
  for (size_t i = 0; i < text.size(); ++i) {
    if (i % block.size() == 0) {
      const uint32_t counter = static_cast<uint32_t>(i / block.size());
      const uint8_t c[4] = {uint8_t(counter >> 24), uint8_t(counter >> 16), uint8_t(counter >> 8), uint8_t(counter)};
      if (!hash(nullptr, {key, nonce, Bytes(c, 4)}, block)) return false;
    }
    text[i] = static_cast<char>(static_cast<uint8_t>(text[i]) ^ block[i % block.size()]);
  }
  return true;
}

std::string seal(HashFunction hash, const std::string& key, const std::string& nonce, const std::string& text) {
  std::string cipher = text;  // the plain text until the key stream has gone over all of it
  Digest tag{};
  if (!applyKeyStream(hash, key, nonce, cipher) || !hash(&key, {nonce, cipher}, tag)) {
    MpWipe(cipher);
    return std::string();
  }
  return toHex(nonce.data(), nonce.size()) + toHex(cipher.data(), cipher.size()) + toHex(tag.data(), TagSize);
}

std::string open(HashFunction hash, const std::string& key, const std::string& stored) {
  std::string bytes;
  Digest expected{};
  if (!fromHex(stored, bytes) || bytes.size() < NonceSize + TagSize) return std::string();
  const std::string nonce = bytes.substr(0, NonceSize);
  std::string cipher = bytes.substr(NonceSize, bytes.size() - NonceSize - TagSize);
  const std::string tag = bytes.substr(bytes.size() - TagSize);
  if (!hash(&key, {nonce, cipher}, expected)) return std::string();
  // Compare every byte, so the time taken does not tell where a forged tag goes wrong.
  uint8_t difference = 0;
  for (size_t i = 0; i < TagSize; ++i) difference |= static_cast<uint8_t>(tag[i]) ^ expected[i];
  if (difference) return std::string();
  if (!applyKeyStream(hash, key, nonce, cipher)) {
    MpWipe(cipher);  // partly deciphered
    return std::string();
  }
  return cipher;  // moved out: the plain text is not copied
}

}  // namespace MpCipherText
