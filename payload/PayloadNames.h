#pragma once
// The payload table: which file each payload resource becomes. Platform-free.

#include <string>

namespace payload {

// The name under which the payload resource id is written into the working
// folder; empty for every id outside the table, which is then not extracted.
std::string PayloadFileName(unsigned id);

// The product's own setup wizard, as the launcher names it. It is the file of
// resource 139 in other letter case, which the target file system ignores.
std::string SetupProgramName();

} // namespace payload
