#include "app/SystemInformation.h"

namespace SystemInformation {

// No system-information program is known on this system.
bool start()
{
    return false;
}

} // namespace SystemInformation
