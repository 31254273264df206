// SHA-256: a digest that no one can steer, for text that someone else may write.
#pragma once

#include <string>
#include <string_view>

namespace tarnix {

// The 32 bytes of the data's SHA-256 digest.
std::string Sha256(std::string_view data);

}  // namespace tarnix
