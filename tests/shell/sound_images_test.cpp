// The two sound effects are shipped as fixed WAV images. These tests pin their
// byte layout, loudness and character, and check that the generator in
// resources/sounds still reproduces the committed files exactly.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kRate = 11025;
constexpr int kMidpoint = 128;

struct SoundImage {
    const char* path;
    std::size_t fileSize;
    std::uint32_t riffSize;
    std::uint32_t fmtSize;
    std::size_t dataTagOffset;
    std::uint32_t dataSize;
    int peak;
    double bandLowHz;
    double bandHighHz;
};

const SoundImage kReaction{VEXALON_REACTION_WAV, 16752, 16742, 18, 38, 16704, 29, 2000.0, 4000.0};
const SoundImage kEraser{VEXALON_ERASER_WAV, 2204, 2194, 16, 36, 2157, 25, 1300.0, 2600.0};

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

std::string tagAt(const Bytes& b, std::size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

// Loads an image and stops the calling test if it is missing or truncated, so
// the field checks below never read past the end.
Bytes loadImage(const SoundImage& img) {
    Bytes b = readFile(img.path);
    EXPECT_EQ(b.size(), img.fileSize) << img.path;
    return b.size() == img.fileSize ? b : Bytes{};
}

std::vector<int> samplesOf(const Bytes& b, const SoundImage& img) {
    const auto first = b.begin() + static_cast<std::ptrdiff_t>(img.dataTagOffset + 8);
    std::vector<int> s;
    s.reserve(img.dataSize);
    std::transform(first, first + img.dataSize, std::back_inserter(s),
                   [](std::uint8_t v) { return int{v} - kMidpoint; });
    return s;
}

int peakOf(const std::vector<int>& s) {
    int peak = 0;
    for (int v : s) peak = std::max(peak, std::abs(v));
    return peak;
}

// Start of the loudest window of `window` samples.
std::size_t loudestWindow(const std::vector<int>& s, std::size_t window) {
    long energy = 0;
    for (std::size_t i = 0; i < window; ++i) energy += s[i] * s[i];
    long best = energy;
    std::size_t bestStart = 0;
    for (std::size_t i = window; i < s.size(); ++i) {
        energy += s[i] * s[i] - s[i - window] * s[i - window];
        if (energy > best) {
            best = energy;
            bestStart = i - window + 1;
        }
    }
    return bestStart;
}

// Fraction of the signal's energy between lowHz and highHz, from Hann-windowed
// 256-point DFTs over consecutive blocks (~23 ms each, 43 Hz per bin).
double bandEnergyFraction(const std::vector<int>& s, double lowHz, double highHz) {
    constexpr std::size_t kBlock = 256;
    std::vector<double> cosT(kBlock), sinT(kBlock), hann(kBlock);
    for (std::size_t i = 0; i < kBlock; ++i) {
        const double a = 2.0 * std::numbers::pi * static_cast<double>(i) / kBlock;
        cosT[i] = std::cos(a);
        sinT[i] = std::sin(a);
        hann[i] = 0.5 - 0.5 * std::cos(a);
    }
    double inBand = 0.0;
    double total = 0.0;
    std::vector<double> x(kBlock);
    for (std::size_t start = 0; start + kBlock <= s.size(); start += kBlock / 2) {
        for (std::size_t i = 0; i < kBlock; ++i) x[i] = s[start + i] * hann[i];
        for (std::size_t k = 1; k < kBlock / 2; ++k) {
            double re = 0.0;
            double im = 0.0;
            for (std::size_t i = 0; i < kBlock; ++i) {
                re += x[i] * cosT[(k * i) % kBlock];
                im -= x[i] * sinT[(k * i) % kBlock];
            }
            const double e = re * re + im * im;
            const double hz = static_cast<double>(k) * kRate / kBlock;
            total += e;
            if (hz >= lowHz && hz <= highHz) inBand += e;
        }
    }
    return total > 0.0 ? inBand / total : 0.0;
}

void expectHeader(const Bytes& b, const SoundImage& img) {
    SCOPED_TRACE(img.path);
    EXPECT_EQ(tagAt(b, 0), "RIFF");
    EXPECT_EQ(le32(b, 4), img.riffSize);
    EXPECT_EQ(tagAt(b, 8), "WAVE");
    EXPECT_EQ(tagAt(b, 12), "fmt ");
    EXPECT_EQ(le32(b, 16), img.fmtSize);
    EXPECT_EQ(le16(b, 20), 1u) << "format tag: PCM";
    EXPECT_EQ(le16(b, 22), 1u) << "channels";
    EXPECT_EQ(le32(b, 24), kRate) << "sample rate";
    EXPECT_EQ(le32(b, 28), kRate) << "byte rate";
    EXPECT_EQ(le16(b, 32), 1u) << "block align";
    EXPECT_EQ(le16(b, 34), 8u) << "bits per sample";
    if (img.fmtSize == 18) {
        EXPECT_EQ(le16(b, 36), 0u) << "extra format bytes";
    }
    EXPECT_EQ(img.dataTagOffset, 20 + img.fmtSize);
    EXPECT_EQ(tagAt(b, img.dataTagOffset), "data");
    EXPECT_EQ(le32(b, img.dataTagOffset + 4), img.dataSize);

    // Everything after the samples is zero: the odd-size pad byte (inside the
    // RIFF size) and the two bytes that round the file up to four (outside).
    const std::size_t dataEnd = img.dataTagOffset + 8 + img.dataSize;
    const std::size_t riffEnd = 8 + std::size_t{img.riffSize};
    EXPECT_EQ(riffEnd, dataEnd + img.dataSize % 2);
    EXPECT_EQ(b.size() - riffEnd, 2u);
    for (std::size_t i = dataEnd; i < b.size(); ++i) EXPECT_EQ(b[i], 0) << "offset " << i;
}

TEST(SoundImages, HeadersMatchTheFixedLayout) {
    for (const SoundImage* img : {&kReaction, &kEraser}) {
        const Bytes b = loadImage(*img);
        if (b.empty()) continue;
        expectHeader(b, *img);
    }
}

TEST(SoundImages, PeaksLandExactlyOnTheirLevel) {
    for (const SoundImage* img : {&kReaction, &kEraser}) {
        const Bytes b = loadImage(*img);
        if (b.empty()) continue;
        EXPECT_EQ(peakOf(samplesOf(b, *img)), img->peak) << img->path;
    }
}

TEST(SoundImages, EnergyStaysMostlyInsideEachSoundsBand) {
    for (const SoundImage* img : {&kReaction, &kEraser}) {
        const Bytes b = loadImage(*img);
        if (b.empty()) continue;
        EXPECT_GT(bandEnergyFraction(samplesOf(b, *img), img->bandLowHz, img->bandHighHz), 0.7)
            << img->path;
    }
}

TEST(SoundImages, ReactionSwellsThenFadesToExactSilence) {
    const Bytes b = loadImage(kReaction);
    ASSERT_FALSE(b.empty());
    const std::vector<int> s = samplesOf(b, kReaction);

    const std::size_t silentFrom = (kRate * 115 + 99) / 100;  // first sample at or after 1.15 s
    for (std::size_t i = silentFrom; i < s.size(); ++i) {
        ASSERT_EQ(s[i], 0) << "sample " << i;
    }
    EXPECT_EQ(s.front(), 0) << "starts from silence, no click";

    const std::size_t loudest = loudestWindow(s, kRate / 20);
    EXPECT_GE(loudest, kRate / 10) << "reaches full level only after swelling";
    EXPECT_LE(loudest, kRate * 4 / 10) << "loudest soon after the swell, then fading";
}

TEST(SoundImages, EraserGrowsLouderUntilItsEnd) {
    const Bytes b = loadImage(kEraser);
    ASSERT_FALSE(b.empty());
    const std::vector<int> s = samplesOf(b, kEraser);

    const std::size_t loudest = loudestWindow(s, kRate / 100);
    EXPECT_GE(loudest, s.size() * 8 / 10) << "loudest 10 ms falls in the final fifth";

    std::size_t peakAt = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (std::abs(s[i]) > std::abs(s[peakAt])) peakAt = i;
    }
    EXPECT_GE(peakAt, s.size() * 3 / 4);

    // A short fade, not a cut: the last 2 ms are well below the peak and the
    // final sample returns to the midpoint.
    const std::vector<int> tail(s.end() - static_cast<std::ptrdiff_t>(kRate / 500), s.end());
    EXPECT_LE(peakOf(tail), kEraser.peak / 2);
    EXPECT_EQ(s.back(), 0);
}

struct TempDir {
    TempDir() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (int attempt = 0;; ++attempt) {
            path = fs::temp_directory_path() /
                   ("sound_images_test_" + std::to_string(stamp) + "_" + std::to_string(attempt));
            if (fs::create_directory(path)) break;
        }
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path path;
};

TEST(SoundImages, GeneratorReproducesTheCommittedFiles) {
    const TempDir dir;
    const std::string command =
        std::string("\"") + VEXALON_MAKE_SOUNDS + "\" \"" + dir.path.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (const SoundImage* img : {&kReaction, &kEraser}) {
        const fs::path committed = img->path;
        const Bytes expected = readFile(committed);
        const Bytes regenerated = readFile(dir.path / committed.filename());
        EXPECT_EQ(regenerated.size(), expected.size()) << committed;
        const auto mismatch = std::mismatch(expected.begin(), expected.end(), regenerated.begin(),
                                            regenerated.end());
        EXPECT_TRUE(mismatch.first == expected.end() && mismatch.second == regenerated.end())
            << committed << " differs from the regenerated file at offset "
            << (mismatch.first - expected.begin());
    }
}

}  // namespace
