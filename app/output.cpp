#include "app/output.h"

#include <cstdio>

void Output::Write(std::string_view text) {
    if (!failed_ && !text.empty()) {
        failed_ = std::fwrite(text.data(), 1, text.size(), stdout) != text.size();
    }
}

void Output::Flush() {
    Write(buffer_);
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
