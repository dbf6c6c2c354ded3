// Enciphering of stored credentials: SHA-256 key stream, HMAC-SHA-256 tag, hexadecimal text.
// The hashes and the nonce come from the system's cryptography (CNG); the stored form is
// cipher_text.cpp's.
#include "MpCipher.h"
#include "MpWipe.h"
#include "cipher_text.h"
#include <windows.h>
#include <bcrypt.h>
#include <utility>

using namespace MpCipherText;

namespace {

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

}  // namespace

void MpEncrypt(const std::string& key, std::string& text) {
  std::string nonce(NonceSize, '\0');
  // Without the system's cryptography nothing is stored rather than the plain text.
  std::string sealed = BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<UCHAR*>(&nonce[0]),
                                                      (ULONG)nonce.size(), BCRYPT_USE_SYSTEM_PREFERRED_RNG))
                           ? seal(hashParts, key, nonce, text)
                           : std::string();
  // The caller's block of plain text is given back by the assignment: cleared first.
  MpWipe(text);
  text = std::move(sealed);
}

void MpDecrypt(const std::string& key, std::string& text) { text = open(hashParts, key, text); }

std::string MpSha256Hex(const std::string& bytes) {
  Digest d{};
  return hashParts(nullptr, {bytes}, d) ? toHex(d.data(), d.size()) : std::string();
}
