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

    // A text as large as the buffer goes out on its own, so the buffer never grows beyond it.
    void Append(std::string_view text) {
        if (buffer_.size() + text.size() >= kFlushSize) {
            Flush();
        }
        if (text.size() >= kFlushSize) {
            Write(text);
        } else {
            buffer_ += text;
        }
    }
    void Append(char character) { Append(std::string_view(&character, 1)); }

    // Writes what is left; whether everything reached standard output.
    bool Finish();

  private:
    static constexpr std::size_t kFlushSize = 1 << 20;
    void Flush();
    void Write(std::string_view text);

    std::string buffer_;
    bool failed_ = false;
};
