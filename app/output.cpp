#include "app/output.h"

#include <cstdio>

void Output::Flush() {
    if (!failed_ && !buffer_.empty()) {
        failed_ = std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size();
    }
    buffer_.clear();
}

bool Output::Finish() {
    Flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        failed_ = true;
    }
    if (failed_) {
        std::fprintf(stderr, "affine-table: could not write the output\n");
    }
    return !failed_;
}
