#include "EndNow.h"

#include <windows.h>

#include <cstdlib>

namespace tessaly {

void endNow(int status)
{
    // ExitProcess would first tell every library, under the loader lock; TerminateProcess does not.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    std::_Exit(status);
}

} // namespace tessaly
