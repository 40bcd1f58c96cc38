// Writes the game's two sound effects, reaction.wav and eraser.wav, into the
// directory named by the first argument.
//
// The committed WAV files are this program's output and a test regenerates
// them and compares bytes, so the output must not depend on the compiler, the
// CPU or the maths library. Floating point is therefore confined to constant
// evaluation (filter design below, using only + - * /); everything that runs
// per sample is integer arithmetic.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int64_t kSampleRate = 11025;
constexpr int kMidpoint = 128;

// ---------------------------------------------------------------- filter design

constexpr double kPi = 3.14159265358979323846;

// Taylor series: std::sin/std::cos are not usable in constant expressions,
// and the arguments here never exceed pi, where 40 terms are far more than
// enough.
constexpr double taylorSin(double x) {
    double term = x;
    double sum = x;
    for (int k = 1; k < 40; ++k) {
        term *= -x * x / ((2.0 * k) * (2.0 * k + 1.0));
        sum += term;
    }
    return sum;
}

constexpr double taylorCos(double x) {
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k < 40; ++k) {
        term *= -x * x / ((2.0 * k - 1.0) * (2.0 * k));
        sum += term;
    }
    return sum;
}

constexpr int kCoefBits = 28;

constexpr std::int64_t toFixed(double v) {
    const double scaled = v * static_cast<double>(std::int64_t{1} << kCoefBits);
    return static_cast<std::int64_t>(scaled + (scaled >= 0.0 ? 0.5 : -0.5));
}

// Second-order section, already normalised so that a0 == 1.
struct Biquad {
    std::int64_t b0, b1, b2, a1, a2;
};

enum class Pass { Low, High };

constexpr Biquad designSection(Pass pass, double cutoffHz, double q) {
    const double w0 = 2.0 * kPi * cutoffHz / static_cast<double>(kSampleRate);
    const double c = taylorCos(w0);
    const double alpha = taylorSin(w0) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double bEdge = (pass == Pass::Low ? (1.0 - c) : (1.0 + c)) / 2.0;
    const double bMid = pass == Pass::Low ? (1.0 - c) : -(1.0 + c);
    return {toFixed(bEdge / a0), toFixed(bMid / a0), toFixed(bEdge / a0),
            toFixed(-2.0 * c / a0), toFixed((1.0 - alpha) / a0)};
}

// Fourth-order Butterworth high-pass at the lower edge followed by a
// fourth-order Butterworth low-pass at the upper edge: steep enough that
// white noise keeps most of its energy inside a one-octave band.
using BandPass = std::array<Biquad, 4>;

constexpr BandPass designBandPass(double lowHz, double highHz) {
    const double qFlat = 1.0 / (2.0 * taylorCos(kPi / 8.0));
    const double qPeaked = 1.0 / (2.0 * taylorCos(3.0 * kPi / 8.0));
    return {designSection(Pass::High, lowHz, qFlat), designSection(Pass::High, lowHz, qPeaked),
            designSection(Pass::Low, highHz, qFlat), designSection(Pass::Low, highHz, qPeaked)};
}

class BandPassFilter {
public:
    explicit BandPassFilter(const BandPass& sections) : sections_(sections) {}

    std::int64_t step(std::int64_t x) {
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            const Biquad& s = sections_[i];
            State& st = state_[i];
            const std::int64_t acc =
                s.b0 * x + s.b1 * st.x1 + s.b2 * st.x2 - s.a1 * st.y1 - s.a2 * st.y2;
            const std::int64_t y = (acc + (std::int64_t{1} << (kCoefBits - 1))) >> kCoefBits;
            st.x2 = st.x1;
            st.x1 = x;
            st.y2 = st.y1;
            st.y1 = y;
            x = y;
        }
        return x;
    }

private:
    struct State {
        std::int64_t x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    };
    BandPass sections_;
    std::array<State, 4> state_{};
};

// ---------------------------------------------------------------- noise source

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [-32768, 32767].
    std::int64_t nextSample() { return static_cast<std::int64_t>(next() >> 48) - 32768; }

private:
    std::uint64_t state_;
};

// Band-limited white noise. The filter runs for a while before the first
// kept sample so the sound does not start with the filter's own transient.
std::vector<std::int64_t> bandNoise(std::uint64_t seed, const BandPass& band, std::size_t count) {
    SplitMix64 rng(seed);
    BandPassFilter filter(band);
    for (int i = 0; i < 1024; ++i) filter.step(rng.nextSample());
    std::vector<std::int64_t> out(count);
    for (auto& v : out) v = filter.step(rng.nextSample());
    return out;
}

// ---------------------------------------------------------------- envelopes

constexpr std::int64_t kEnvOne = std::int64_t{1} << 16;

// 3u^2 - 2u^3 for u = pos / len, clamped to [0, 1], in 16-bit fixed point.
std::int64_t smoothstep(std::int64_t pos, std::int64_t len) {
    if (pos <= 0) return 0;
    if (pos >= len) return kEnvOne;
    const std::int64_t u = pos * kEnvOne / len;
    return (3 * u * u * kEnvOne - 2 * u * u * u) >> 32;
}

// Scales so that the largest excursion lands exactly on `peak` steps from the
// midpoint, rounding half away from zero, and offsets to unsigned 8-bit.
std::vector<std::uint8_t> quantise(const std::vector<std::int64_t>& signal, std::int64_t peak) {
    std::int64_t maxAbs = 1;
    for (std::int64_t v : signal) maxAbs = std::max(maxAbs, v < 0 ? -v : v);
    std::vector<std::uint8_t> out;
    out.reserve(signal.size());
    for (std::int64_t v : signal) {
        const std::int64_t mag = v < 0 ? -v : v;
        const std::int64_t steps = (2 * mag * peak + maxAbs) / (2 * maxAbs);
        out.push_back(static_cast<std::uint8_t>(kMidpoint + (v < 0 ? -steps : steps)));
    }
    return out;
}

// ---------------------------------------------------------------- the sounds

// The board clearing squares by itself: a soft hiss between 2 and 4 kHz that
// swells for 0.2 s and has died away by 1.14 s; the clip's fixed length leaves
// the rest as exact silence.
std::vector<std::uint8_t> reactionSamples() {
    constexpr std::size_t kCount = 16704;
    constexpr std::int64_t kSwellEnd = 2205;   // 0.2 s
    constexpr std::int64_t kFadeEnd = 12568;   // 1.14 s
    static constexpr BandPass kBand = designBandPass(2000.0, 4000.0);

    std::vector<std::int64_t> signal = bandNoise(0x7265616374696F6EULL, kBand, kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
        const auto n = static_cast<std::int64_t>(i);
        const std::int64_t env =
            smoothstep(n, kSwellEnd) * (kEnvOne - smoothstep(n - kSwellEnd, kFadeEnd - kSwellEnd));
        signal[i] *= env >> 16;
    }
    return quantise(signal, 29);
}

// The player's eraser: a short scrub between 1.3 and 2.6 kHz that keeps
// getting louder, so it feels like pressure building until the square goes.
// The last 4 ms are faded so the loud ending does not click.
std::vector<std::uint8_t> eraserSamples() {
    constexpr std::size_t kCount = 2157;
    constexpr std::int64_t kFade = 44;  // 4 ms
    constexpr std::int64_t kRiseEnd = static_cast<std::int64_t>(kCount) - kFade;
    static constexpr BandPass kBand = designBandPass(1300.0, 2600.0);

    std::vector<std::int64_t> signal = bandNoise(0x6572617365720001ULL, kBand, kCount);
    for (std::size_t i = 0; i < kCount; ++i) {
        const auto n = static_cast<std::int64_t>(i);
        const std::int64_t u = std::min(n, kRiseEnd) * kEnvOne / kRiseEnd;
        const std::int64_t rise = u * u >> 16;
        const std::int64_t fade = kEnvOne - smoothstep(n - kRiseEnd, kFade);
        signal[i] *= rise * fade >> 16;
    }
    return quantise(signal, 25);
}

// ---------------------------------------------------------------- WAV writing

class ByteWriter {
public:
    void tag(std::string_view fourcc) { bytes.insert(bytes.end(), fourcc.begin(), fourcc.end()); }
    void u16(std::uint32_t v) {
        for (int i = 0; i < 2; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> bytes;
};

// Mono 8-bit PCM. `extendedFormat` writes the 18-byte fmt chunk with a zero
// extra-size field. Odd data chunks get their RIFF pad byte; the file is then
// padded with zeros to a multiple of four outside the RIFF size.
std::vector<std::uint8_t> wavFile(const std::vector<std::uint8_t>& samples, bool extendedFormat) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t fmtSize = extendedFormat ? 18 : 16;
    const std::uint32_t riffSize = 4 + (8 + fmtSize) + (8 + dataSize + dataSize % 2);

    ByteWriter w;
    w.tag("RIFF");
    w.u32(riffSize);
    w.tag("WAVE");
    w.tag("fmt ");
    w.u32(fmtSize);
    w.u16(1);  // PCM
    w.u16(1);  // mono
    w.u32(static_cast<std::uint32_t>(kSampleRate));
    w.u32(static_cast<std::uint32_t>(kSampleRate));  // bytes per second
    w.u16(1);                                        // block align
    w.u16(8);                                        // bits per sample
    if (extendedFormat) w.u16(0);
    w.tag("data");
    w.u32(dataSize);
    w.bytes.insert(w.bytes.end(), samples.begin(), samples.end());
    if (dataSize % 2 != 0) w.bytes.push_back(0);
    while (w.bytes.size() % 4 != 0) w.bytes.push_back(0);
    return std::move(w.bytes);
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_sounds: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argc > 0 ? argv[0] : "make_sounds");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "make_sounds: cannot create %s: %s\n", dir.string().c_str(),
                     ec.message().c_str());
        return 1;
    }
    const bool ok = writeFile(dir / "reaction.wav", wavFile(reactionSamples(), true)) &&
                    writeFile(dir / "eraser.wav", wavFile(eraserSamples(), false));
    return ok ? 0 : 1;
}
