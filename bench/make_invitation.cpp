// Writes a generated invitation for the whole-process comparison:
//   kelvor_make_invitation EVENTS DESCRIPTION_BYTES FILE
#include <cstdio>
#include <cstdlib>
#include <string>

#include "invitation_generator.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: kelvor_make_invitation EVENTS DESCRIPTION_BYTES FILE\n", stderr);
        return 2;
    }
    const std::string text = kelvor::bench::GenerateInvitation(
        std::atoi(argv[1]), static_cast<std::size_t>(std::strtoull(argv[2], nullptr, 10)));
    std::FILE* out = std::fopen(argv[3], "wb");
    if (out == nullptr) {
        std::perror(argv[3]);
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
