// segyinfo: prints the facts and headers of a SEG-Y file (see segyinforun.h).

#include "segyinfo/segyinforun.h"

#include <cstdio>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
    const int rc = segyinfo::Run(args, out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return rc;
}
