// Stands in for the System Information tool in the registry tests: it leaves a file named
// "started" beside itself, so that a test can tell it was really started.
#include <windows.h>

#include <fstream>
#include <string>

int main()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of('\\') + 1);
    std::ofstream(folder + "started") << "started\n";
    return 0;
}
