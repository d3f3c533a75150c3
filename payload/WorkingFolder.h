#pragma once
// The run's private working folder under the user's temporary directory.

#include <functional>
#include <string>

class SessionLog;

// Creates a folder named <first three characters of prefix><hex number>.tmp in
// the temporary directory and returns its path with one trailing backslash.
// The folder returned is always one this call created: a name that already
// exists is never reused, and another is drawn instead. Each failed attempt is
// logged; when every attempt fails the last path is returned all the same.
std::string CreateWorkingFolder(std::string prefix, SessionLog* log);
// The same, drawing the numbers from random (values 0..32767) instead of the C
// library's generator seeded with the tick count, so a test can aim at a name.
std::string CreateWorkingFolder(std::string prefix, SessionLog* log,
                                const std::function<int()>& random);

// Deletes the folder (path with or without a trailing backslash) with all its
// content, silently and permanently, and logs the outcome.
void DeleteWorkingFolder(std::string path, SessionLog* log);
