// Fuzz target: the stored form of enciphered credentials, as read back from the registry.
// Input: the key up to the first NUL byte, then the stored text. The stored text is opened;
// then it is taken as plain text, sealed and opened again, which must give it back.
#include <cstdlib>
#include <cstring>
#include <string>

#include "cipher_text.h"
#include "sha256.h"

using namespace MpCipherText;

// The harness's hash against the standard vector: a wrong hash would fuzz nothing real.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Digest d{};
  fuzzsha::hashParts(nullptr, {std::string("abc")}, d);
  if (toHex(d.data(), d.size()) != "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad") std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  const void* nul = std::memchr(data, 0, size);
  const size_t keyLength = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - data) : 0;
  const std::string key(text, keyLength);
  const std::string stored(text + (nul ? keyLength + 1 : 0), text + size);

  const std::string plain = open(fuzzsha::hashParts, key, stored);
  // An opened text is as long as the stored one says: 16 bytes of nonce and tag, 2 digits a byte.
  if (!plain.empty() && plain.size() * 2 + 2 * (NonceSize + TagSize) != stored.size()) std::abort();

  const std::string nonce = stored.size() >= NonceSize ? stored.substr(0, NonceSize) : std::string(NonceSize, 'n');
  const std::string sealed = seal(fuzzsha::hashParts, key, nonce, stored);
  if (open(fuzzsha::hashParts, key, sealed) != stored) std::abort();
  std::string bytes;
  if (!fromHex(sealed, bytes) || toHex(bytes.data(), bytes.size()) != sealed) std::abort();
  return 0;
}
