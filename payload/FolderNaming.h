#pragma once
// How the working folder's name is drawn. Platform-free.

#include <functional>

namespace payload {

// Attempts at creating a fresh working folder before giving up.
constexpr int kMaxFolderAttempts = 1000;

// Draws the number of a folder name from random (a generator of 0..32767, such
// as rand). Zero is never returned: the naming service would choose a number
// itself and create a file of that name.
unsigned DrawFolderNumber(const std::function<int()>& random);

} // namespace payload
