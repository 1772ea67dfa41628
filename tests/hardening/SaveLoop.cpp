// Saves User.dat for ever through the support library, bound as the game binds it, the two
// records in turn. Says "saving" with one byte on standard output first; the test kills it.
#include "SaveRecords.h"

#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    using SetFunction = int (*)(const unsigned char*);
    const auto set =
        library ? reinterpret_cast<SetFunction>(dlsym(library, "SetUserData")) : nullptr;
    if (set == nullptr) {
        std::fprintf(stderr, "cannot bind SetUserData: %s\n", dlerror());
        return 1;
    }
    const UserDataRecord::Bytes records[] = {saveRecord(0), saveRecord(1)};
    if (write(STDOUT_FILENO, "s", 1) != 1)
        return 1;
    for (unsigned n = 0;; ++n) {
        if (set(records[n % 2].data()) != 0)
            return 1;
    }
}
