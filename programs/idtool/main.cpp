// The entry of idtool. On Windows the command line is read wide (wmain,
// linked with -municode) and handed on as UTF-8, so that file names and
// queries in any script survive.
#include "programs/idtool/command_line.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        const int length = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(length > 0 ? static_cast<std::size_t>(length) : 1, '\0');
        if (length > 0) WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, &argument[0], length, nullptr, nullptr);
        argument.resize(std::char_traits<char>::length(argument.c_str()));
        arguments.push_back(std::move(argument));
    }
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    pointers.push_back(nullptr);
    return runIdtool(argc, pointers.data());
}
#else
int main(int argc, char** argv) { return runIdtool(argc, argv); }
#endif
