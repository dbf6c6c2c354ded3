// Enciphering of stored credentials.
//
// MpEncrypt turns the text into printable hexadecimal (digits and a to f) of
//     nonce (8 bytes) | cipher text (as long as the text) | tag (8 bytes)
// where the nonce is random for every call, the cipher text is the text combined (XOR) with a key
// stream whose blocks are SHA-256(key | nonce | block counter as 4 bytes, big-endian), and the tag
// is the first 8 bytes of HMAC-SHA-256 under the key over nonce | cipher text. Enciphering the
// same text twice gives different results.
//
// MpDecrypt reverses it when the tag matches under the given key. A text enciphered under another
// key, a changed text, or one that is not of this form (the empty string included) becomes "".
// The hashes and the nonce come from the system's cryptography; should it fail, both give "",
// never the plain text.
#pragma once
#include "MpMakerApi.h"
#include <string>

MPMAKER_API void MpEncrypt(const std::string& key, std::string& text);
MPMAKER_API void MpDecrypt(const std::string& key, std::string& text);

// SHA-256 of the bytes, as 64 lower-case hexadecimal digits.
MPMAKER_API std::string MpSha256Hex(const std::string& bytes);
