#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// The pictures of one window, grabbed one after another, and the moment they settled: from which
// grab on the picture stayed the same for a whole settling period, but for a blinking caret and
// for areas the caller masks. It grabs nothing itself; the caller hands it each grab and its time.
class PictureSettling final {
  public:
    struct Rect {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Rect&) const = default;
    };

    // Pixels as the X server sends them: rows of `stride` bytes, `bytesPerPixel` bytes a pixel.
    struct Picture {
        int width = 0;
        int height = 0;
        int bytesPerPixel = 4;
        std::size_t stride = 0;
        std::vector<std::uint8_t> bytes;
    };

    struct Options {
        std::int64_t settleNanoseconds = 1'500'000'000;
        // A change no wider and no taller than this that comes and goes is taken for a caret;
        // a width of 0 takes no change for one.
        int caretMaxWidth = 4;
        int caretMaxHeight = 48;
        std::vector<Rect> masks;  // never compared
        std::size_t maxPictures = 64;
    };

    explicit PictureSettling(Options options);

    // One grab taken at `nanoseconds`, later than every grab before.
    void Add(std::int64_t nanoseconds, Picture picture);

    bool Settled() const;
    // The time of the first grab that already showed the picture as it then stayed.
    std::int64_t SettledSince() const;
    // The area where a caret was seen blinking in the settled picture, if any.
    std::optional<Rect> Caret() const { return caret_; }
    // How many different pictures followed one another, counting the first.
    std::size_t Pictures() const { return pictures_; }
    // Whether pictures of the settled run had to be dropped to bound the memory held, which makes
    // SettledSince too late.
    bool LostHistory() const { return lostHistory_; }
    const Picture& Last() const { return entries_.back().picture; }

  private:
    struct Entry {
        Picture picture;
        std::int64_t firstSeen = 0;
        std::int64_t lastSeen = 0;
    };

    void FindSettledRun();
    // The bounding box of the unmasked pixels in which two pictures differ, none when they do
    // not; pictures of different sizes differ everywhere.
    std::optional<Rect> Difference(const Picture& a, const Picture& b) const;
    bool Masked(int x, int y) const;
    bool CaretSized(const Rect& area) const;

    Options options_;
    std::deque<Entry> entries_;  // each differs from the one before
    std::size_t runBegin_ = 0;   // the first entry of the settled run
    std::optional<Rect> caret_;
    std::size_t pictures_ = 0;
    bool lostHistory_ = false;
};
