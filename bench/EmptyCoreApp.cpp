#include <QCoreApplication>
#include <cstdio>

// The floor of any Qt Core program: start, print one line, end.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::puts("ready");
    std::fflush(stdout);
    return 0;
}
