#include "bench/picture_settling.h"

#include <algorithm>
#include <cstring>
#include <utility>

PictureSettling::PictureSettling(Options options) : options_(std::move(options)) {}

void PictureSettling::Add(std::int64_t nanoseconds, Picture picture) {
    if (!entries_.empty()) {
        Entry& last = entries_.back();
        if (last.picture.width == picture.width && last.picture.height == picture.height &&
            last.picture.bytes == picture.bytes) {
            last.lastSeen = nanoseconds;
            return;
        }
    }
    entries_.push_back({std::move(picture), nanoseconds, nanoseconds});
    ++pictures_;
    if (entries_.size() > std::max<std::size_t>(options_.maxPictures, 2)) {
        entries_.pop_front();
        if (runBegin_ == 0) {
            lostHistory_ = true;
        } else {
            --runBegin_;
        }
    }
    FindSettledRun();
}

bool PictureSettling::Settled() const {
    return !entries_.empty() &&
           entries_.back().lastSeen - entries_[runBegin_].firstSeen >= options_.settleNanoseconds;
}

std::int64_t PictureSettling::SettledSince() const {
    return entries_.empty() ? 0 : entries_[runBegin_].firstSeen;
}

// Walks back from the newest picture over every picture that equals it, or equals the one other
// picture that differs from it in a caret-sized area. That other picture only counts once the
// two have taken turns at least twice: a single small change is a late paint, not a blink.
void PictureSettling::FindSettledRun() {
    const Picture& newest = entries_.back().picture;
    const Picture* other = nullptr;
    std::optional<Rect> otherArea;
    std::vector<bool> isOther;  // newest first
    std::size_t begin = entries_.size() - 1;
    while (begin > 0) {
        const Picture& candidate = entries_[begin - 1].picture;
        const std::optional<Rect> difference = Difference(candidate, newest);
        bool matchesOther = false;
        if (difference) {
            if (other == nullptr && CaretSized(*difference)) {
                other = &candidate;
                otherArea = difference;
                matchesOther = true;
            } else if (other != nullptr && !Difference(candidate, *other)) {
                matchesOther = true;
            } else {
                break;
            }
        }
        isOther.push_back(matchesOther);
        --begin;
    }

    int turns = 0;
    for (std::size_t i = 1; i < isOther.size(); ++i) {
        turns += isOther[i] != isOther[i - 1] ? 1 : 0;
    }
    const bool blinking = other != nullptr && turns + (isOther.empty() ? 0 : isOther[0]) >= 2;
    if (blinking) {
        runBegin_ = begin;
        caret_ = otherArea;
        return;
    }
    // Only the newest picture's own run, back to the latest picture that differs from it.
    std::size_t own = entries_.size() - 1;
    for (std::size_t i = 0; i < isOther.size() && !isOther[i]; ++i) {
        --own;
    }
    runBegin_ = own;
    caret_.reset();
}

std::optional<PictureSettling::Rect> PictureSettling::Difference(const Picture& a,
                                                                 const Picture& b) const {
    if (a.width != b.width || a.height != b.height || a.stride != b.stride ||
        a.bytesPerPixel != b.bytesPerPixel) {
        return Rect{0, 0, std::max(a.width, b.width), std::max(a.height, b.height)};
    }
    const auto pixel = static_cast<std::size_t>(a.bytesPerPixel);
    int left = a.width;
    int right = -1;
    int top = a.height;
    int bottom = -1;
    for (int y = 0; y < a.height; ++y) {
        const std::uint8_t* rowA = a.bytes.data() + static_cast<std::size_t>(y) * a.stride;
        const std::uint8_t* rowB = b.bytes.data() + static_cast<std::size_t>(y) * b.stride;
        const std::size_t rowBytes = static_cast<std::size_t>(a.width) * pixel;
        if (std::memcmp(rowA, rowB, rowBytes) == 0) {
            continue;
        }
        for (int x = 0; x < a.width; ++x) {
            const std::size_t offset = static_cast<std::size_t>(x) * pixel;
            if (std::memcmp(rowA + offset, rowB + offset, pixel) != 0 && !Masked(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return std::nullopt;
    }
    return Rect{left, top, right - left + 1, bottom - top + 1};
}

bool PictureSettling::Masked(int x, int y) const {
    return std::any_of(options_.masks.begin(), options_.masks.end(), [x, y](const Rect& mask) {
        return x >= mask.x && x < mask.x + mask.width && y >= mask.y && y < mask.y + mask.height;
    });
}

bool PictureSettling::CaretSized(const Rect& area) const {
    return area.width <= options_.caretMaxWidth && area.height <= options_.caretMaxHeight;
}
