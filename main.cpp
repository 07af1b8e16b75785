// See LICENSE file for copyright and license details.
#include <array>
#include <cstdio>

int main()
{
    const std::array values{7, -5, 4, 3, -9, 2, -9};
    int negative_count = 0;
    for (const int value : values) {
        if (value < 0) {
            ++negative_count;
        }
    }

    // The message has no newline, so it leaves the buffer only when stdout is
    // closed; closing it here, not at exit, is what lets a failure be told.
    if (std::printf("Avem %d numere negative", negative_count) < 0 || std::fclose(stdout) == EOF) {
        std::perror("negative-count: write error");
        return 1;
    }
    return 0;
}
