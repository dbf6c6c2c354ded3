// Enciphering of stored credentials: SHA-256 key stream, HMAC-SHA-256 tag, hexadecimal text.
#include "MpCipher.h"
#include <array>
#include <cstdint>
#include <random>

namespace {

typedef std::array<uint8_t, 32> Digest;

const uint32_t RoundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

uint32_t rotr(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

class Sha256 {
 public:
  void add(const void* data, size_t size) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) {
      m_block[m_used++] = bytes[i];
      if (m_used == 64) {
        compress();
        m_used = 0;
      }
    }
    m_length += size;
  }
  void add(const std::string& s) { add(s.data(), s.size()); }

  Digest finish() {
    const uint64_t bits = m_length * 8;
    const uint8_t one = 0x80, zero = 0;
    add(&one, 1);
    while (m_used != 56) add(&zero, 1);
    uint8_t length[8];
    for (int i = 0; i < 8; ++i) length[i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
    add(length, 8);
    Digest digest;
    for (int i = 0; i < 8; ++i)
      for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<uint8_t>(m_state[i] >> (24 - 8 * j));
    return digest;
  }

 private:
  void compress() {
    uint32_t w[64];
    for (int i = 0; i < 16; ++i)
      w[i] = uint32_t(m_block[4 * i]) << 24 | uint32_t(m_block[4 * i + 1]) << 16 | uint32_t(m_block[4 * i + 2]) << 8 |
             uint32_t(m_block[4 * i + 3]);
    for (int i = 16; i < 64; ++i) {
      const uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
      const uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
      w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];
    uint32_t e = m_state[4], f = m_state[5], g = m_state[6], h = m_state[7];
    for (int i = 0; i < 64; ++i) {
      const uint32_t t1 = h + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + RoundConstants[i] + w[i];
      const uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
      h = g;
      g = f;
      f = e;
      e = d + t1;
      d = c;
      c = b;
      b = a;
      a = t1 + t2;
    }
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
    m_state[4] += e;
    m_state[5] += f;
    m_state[6] += g;
    m_state[7] += h;
  }

  uint32_t m_state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                         0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  uint8_t m_block[64] = {};
  size_t m_used = 0;
  uint64_t m_length = 0;
};

Digest hmac(const std::string& key, const std::string& message) {
  std::string k = key;
  if (k.size() > 64) {
    Sha256 h;
    h.add(k);
    const Digest d = h.finish();
    k.assign(d.begin(), d.end());
  }
  k.resize(64, '\0');
  std::string inner(64, '\0'), outer(64, '\0');
  for (int i = 0; i < 64; ++i) {
    inner[i] = static_cast<char>(k[i] ^ 0x36);
    outer[i] = static_cast<char>(k[i] ^ 0x5c);
  }
  Sha256 hi;
  hi.add(inner);
  hi.add(message);
  const Digest innerDigest = hi.finish();
  Sha256 ho;
  ho.add(outer);
  ho.add(innerDigest.data(), innerDigest.size());
  return ho.finish();
}

const size_t NonceSize = 8;
const size_t TagSize = 8;

// text XOR SHA-256(key | nonce | counter) blocks; the same call deciphers.
std::string applyKeyStream(const std::string& key, const std::string& nonce, const std::string& text) {
  std::string out(text);
  Digest block{};
  for (size_t i = 0; i < out.size(); ++i) {
    if (i % block.size() == 0) {
      const uint32_t counter = static_cast<uint32_t>(i / block.size());
      const uint8_t c[4] = {uint8_t(counter >> 24), uint8_t(counter >> 16), uint8_t(counter >> 8), uint8_t(counter)};
      Sha256 h;
      h.add(key);
      h.add(nonce);
      h.add(c, 4);
      block = h.finish();
    }
    out[i] = static_cast<char>(static_cast<uint8_t>(out[i]) ^ block[i % block.size()]);
  }
  return out;
}

std::string toHex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const uint8_t b = static_cast<uint8_t>(c);
    hex += digits[b >> 4];
    hex += digits[b & 15];
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

std::string freshNonce() {
  static std::random_device device;
  std::string nonce(NonceSize, '\0');
  for (size_t i = 0; i < NonceSize; i += 4) {
    const uint32_t r = device();
    for (size_t j = 0; j < 4 && i + j < NonceSize; ++j) nonce[i + j] = static_cast<char>(r >> (8 * j));
  }
  return nonce;
}

}  // namespace

void MpEncrypt(const std::string& key, std::string& text) {
  const std::string nonce = freshNonce();
  const std::string body = nonce + applyKeyStream(key, nonce, text);
  const Digest tag = hmac(key, body);
  text = toHex(body + std::string(tag.begin(), tag.begin() + TagSize));
}

void MpDecrypt(const std::string& key, std::string& text) {
  std::string bytes;
  if (!fromHex(text, bytes) || bytes.size() < NonceSize + TagSize) {
    text.clear();
    return;
  }
  const std::string body = bytes.substr(0, bytes.size() - TagSize);
  const std::string tag = bytes.substr(bytes.size() - TagSize);
  const Digest expected = hmac(key, body);
  // Compare every byte, so the time taken does not tell where a forged tag goes wrong.
  uint8_t difference = 0;
  for (size_t i = 0; i < TagSize; ++i) difference |= static_cast<uint8_t>(tag[i]) ^ expected[i];
  if (difference) {
    text.clear();
    return;
  }
  const std::string nonce = body.substr(0, NonceSize);
  text = applyKeyStream(key, nonce, body.substr(NonceSize));
}

std::string MpSha256Hex(const std::string& bytes) {
  Sha256 h;
  h.add(bytes);
  const Digest d = h.finish();
  return toHex(std::string(d.begin(), d.end()));
}
