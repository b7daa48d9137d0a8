#pragma once

#include <string>
#include <string_view>

// Standard output through one large buffer, so that a report of millions of lines costs few
// writes. Remembers the first failed write; nothing is written after it.
class Output final {
  public:
    Output() = default;
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void Append(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= kFlushSize) {
            Flush();
        }
    }
    void Append(char character) { Append(std::string_view(&character, 1)); }

    // Writes what is left; whether everything reached standard output.
    bool Finish();

  private:
    static constexpr std::size_t kFlushSize = 1 << 20;
    void Flush();

    std::string buffer_;
    bool failed_ = false;
};
