#include <cstdio>

int main() {
    std::fputs("verbundo-cli: noch nicht fertig\n", stderr);
    return 2;
}
