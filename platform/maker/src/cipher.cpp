// Enciphering of stored credentials: SHA-256 key stream, HMAC-SHA-256 tag, hexadecimal text.
// The hashes and the nonce come from the system's cryptography (CNG).
#include "MpCipher.h"
#include <windows.h>
#include <bcrypt.h>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace {

typedef std::array<uint8_t, 32> Digest;

// A byte range to hash.
struct Bytes {
  const void* data;
  size_t size;
  Bytes(const std::string& s) : data(s.data()), size(s.size()) {}
  Bytes(const void* d, size_t n) : data(d), size(n) {}
};

// SHA-256 over the parts in turn; with a key, HMAC-SHA-256 under it. False when the system
// refuses.
bool hashParts(const std::string* key, std::initializer_list<Bytes> parts, Digest& digest) {
  BCRYPT_ALG_HANDLE alg = nullptr;
  if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&alg, BCRYPT_SHA256_ALGORITHM, nullptr,
                                                  key ? BCRYPT_ALG_HANDLE_HMAC_FLAG : 0)))
    return false;
  BCRYPT_HASH_HANDLE hash = nullptr;
  UCHAR* secret = key ? reinterpret_cast<UCHAR*>(const_cast<char*>(key->data())) : nullptr;
  bool ok = BCRYPT_SUCCESS(BCryptCreateHash(alg, &hash, nullptr, 0, secret, key ? (ULONG)key->size() : 0, 0));
  for (const Bytes& part : parts)
    ok = ok && BCRYPT_SUCCESS(BCryptHashData(hash, static_cast<UCHAR*>(const_cast<void*>(part.data)), (ULONG)part.size, 0));
  ok = ok && BCRYPT_SUCCESS(BCryptFinishHash(hash, digest.data(), (ULONG)digest.size(), 0));
  if (hash) BCryptDestroyHash(hash);
  BCryptCloseAlgorithmProvider(alg, 0);
  return ok;
}

const size_t NonceSize = 8;
const size_t TagSize = 8;

// text XOR SHA-256(key | nonce | counter) blocks; the same call deciphers.
bool applyKeyStream(const std::string& key, const std::string& nonce, std::string& text) {
  Digest block{};
  for (size_t i = 0; i < text.size(); ++i) {
    if (i % block.size() == 0) {
      const uint32_t counter = static_cast<uint32_t>(i / block.size());
      const uint8_t c[4] = {uint8_t(counter >> 24), uint8_t(counter >> 16), uint8_t(counter >> 8), uint8_t(counter)};
      if (!hashParts(nullptr, {key, nonce, Bytes(c, 4)}, block)) return false;
    }
    text[i] = static_cast<char>(static_cast<uint8_t>(text[i]) ^ block[i % block.size()]);
  }
  return true;
}

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

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

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

}  // namespace

void MpEncrypt(const std::string& key, std::string& text) {
  std::string nonce(NonceSize, '\0');
  std::string cipher = text;
  Digest tag{};
  const bool ok = BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<UCHAR*>(&nonce[0]), (ULONG)nonce.size(),
                                                 BCRYPT_USE_SYSTEM_PREFERRED_RNG)) &&
                  applyKeyStream(key, nonce, cipher) && hashParts(&key, {nonce, cipher}, tag);
  // Without the system's cryptography nothing is stored rather than the plain text.
  text = ok ? toHex(nonce.data(), nonce.size()) + toHex(cipher.data(), cipher.size()) + toHex(tag.data(), TagSize)
            : std::string();
}

void MpDecrypt(const std::string& key, std::string& text) {
  std::string bytes;
  Digest expected{};
  if (!fromHex(text, bytes) || bytes.size() < NonceSize + TagSize) {
    text.clear();
    return;
  }
  const std::string nonce = bytes.substr(0, NonceSize);
  std::string cipher = bytes.substr(NonceSize, bytes.size() - NonceSize - TagSize);
  const std::string tag = bytes.substr(bytes.size() - TagSize);
  if (!hashParts(&key, {nonce, cipher}, expected)) {
    text.clear();
    return;
  }
  // Compare every byte, so the time taken does not tell where a forged tag goes wrong.
  uint8_t difference = 0;
  for (size_t i = 0; i < TagSize; ++i) difference |= static_cast<uint8_t>(tag[i]) ^ expected[i];
  if (difference || !applyKeyStream(key, nonce, cipher)) {
    text.clear();
    return;
  }
  text = cipher;
}

std::string MpSha256Hex(const std::string& bytes) {
  Digest d{};
  return hashParts(nullptr, {bytes}, d) ? toHex(d.data(), d.size()) : std::string();
}
