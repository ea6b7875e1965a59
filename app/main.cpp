// Maltwright entry point (grows with the start-up sequence).
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::puts("Maltwright");
    return 0;
}
