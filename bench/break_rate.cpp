// How often breaking ranks the right key first, for short English texts: samples of 10, 20, 30
// and 50 letters, each cut at a random place from an English corpus and enciphered under a
// random key, ranked by letter frequencies (chi-squared) and by the letter-triple model. The
// samples come from a fixed seed, so every run draws the same ones.
//
// The corpus is not the model's own (the King James Bible): by default it is the fortune
// cookies of Debian's package fortunes, every file but the two of ASCII pictures (art,
// ascii-art); files named as arguments replace them. Their letters A to Z are taken as one
// stream, as the cipher takes them.
//
// usage: break_rate [SAMPLES [FILE...]]    (SAMPLES of each length, default 300)

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "logic/affine_key.h"
#include "logic/key_breaking.h"

namespace {

constexpr const char* kFortunes = "/usr/share/games/fortunes";

std::vector<std::string> FortuneFiles() {
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(kFortunes)) {
        return files;
    }
    for (const auto& entry : std::filesystem::directory_iterator(kFortunes)) {
        const std::string name = entry.path().filename().string();
        // The .dat files index the cookies; the .u8 ones are links to the same text.
        if (entry.is_regular_file() && !entry.path().has_extension() && name != "art" &&
            name != "ascii-art") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());  // the same stream whatever the directory's order
    return files;
}

std::string LettersOf(const std::vector<std::string>& files) {
    std::string letters;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>();
             ++it) {
            const char c = *it;
            if (c >= 'a' && c <= 'z') {
                letters += static_cast<char>(c - 'a' + 'A');
            } else if (c >= 'A' && c <= 'Z') {
                letters += c;
            }
        }
    }
    return letters;
}

}  // namespace

int main(int argc, char** argv) {
    const int samples = argc > 1 ? std::atoi(argv[1]) : 300;
    std::vector<std::string> files(argv + std::min(argc, 2), argv + argc);
    if (files.empty()) {
        files = FortuneFiles();
    }
    const std::string corpus = LettersOf(files);
    if (samples <= 0 || corpus.size() < 1000) {
        std::fprintf(stderr,
                     "break_rate: no corpus: install Debian's package fortunes, or name English "
                     "text files\nusage: break_rate [SAMPLES [FILE...]]\n");
        return 2;
    }
    std::printf("%d samples of each length from %zu letters in %zu files, seed 20261210\n", samples,
                corpus.size(), files.size());
    std::printf("letters\tchi-squared\ttriples\n");

    // The engine's output is fixed by the standard; the draws use it directly, since the
    // distributions of the library are not.
    std::mt19937_64 engine(20261210);
    for (const std::size_t length : {10u, 20u, 30u, 50u}) {
        int rightByFrequencies = 0;
        int rightByTriples = 0;
        for (int s = 0; s < samples; ++s) {
            const std::size_t start = engine() % (corpus.size() - length);
            const AffineKey key =
                AffineKey::ByIndex(static_cast<int>(engine() % AffineKey::kKeyCount));
            const std::string cipher = key.Encipher(std::string_view(corpus).substr(start, length));
            rightByFrequencies += RankKeysByEnglishFrequencies(cipher).front().key == key ? 1 : 0;
            rightByTriples += RankKeysByEnglishTrigrams(cipher).front().key == key ? 1 : 0;
        }
        std::printf("%zu\t%.1f %%\t%.1f %%\n", length, 100.0 * rightByFrequencies / samples,
                    100.0 * rightByTriples / samples);
    }
    return 0;
}
