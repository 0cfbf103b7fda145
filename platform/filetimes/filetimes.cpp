#include "filetimes/filetimes.h"

#include <fcntl.h>
#include <sys/stat.h>

TFileTimes F_GetFileTimes(const std::string& path) {
    TFileTimes t;
    struct statx sx {};
    if (statx(AT_FDCWD, path.c_str(), 0, STATX_MTIME | STATX_BTIME, &sx) != 0)
        return t;
    t.hasModified = (sx.stx_mask & STATX_MTIME) != 0;
    t.modified = sx.stx_mtime.tv_sec;
    t.hasCreated = (sx.stx_mask & STATX_BTIME) != 0;
    t.created = sx.stx_btime.tv_sec;
    return t;
}
