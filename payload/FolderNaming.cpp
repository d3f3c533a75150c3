#include "payload/FolderNaming.h"

namespace payload {

unsigned DrawFolderNumber(const std::function<int()>& random) {
    for (;;) {
        unsigned number = static_cast<unsigned>(random()) & 0x7FFFu;
        if (number != 0)
            return number;
    }
}

} // namespace payload
