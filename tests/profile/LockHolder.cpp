// A second game as far as the lock is concerned: takes the profile lock at argv[1], says
// "locked" and keeps it until its standard input closes (a normal end) or it is killed (a crash).
// Ends with 2 when the lock is held by someone else.

#include "profile/InstanceLock.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 1;
    InstanceLock lock;
    if (!lock.acquire(QString::fromLocal8Bit(argv[1])) || !lock.held())
        return 2;
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
