// Speed of HsvToRgb, the conversion run once per pixel of the colour fields:
// nanoseconds per call, and the ratio to a floor measured in the same run
// (the same loop calling a function that only stores its inputs).
#include "model/ColorConversions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Hsv {
    float h, s, v;
};

const int kCalls = 20'000'000;
const int kRounds = 5;

// Out of line like the conversion, so that the floor pays the same call.
__attribute__((noinline)) void StoreOnly(float h, float s, float v, int& r, int& g, int& b)
{
    r = static_cast<int>(h);
    g = static_cast<int>(s);
    b = static_cast<int>(v);
}

std::vector<Hsv> Inputs()
{
    // A saturation/brightness field's worth of values over all six sectors.
    std::vector<Hsv> inputs;
    for (int i = 0; i < 4096; ++i)
        inputs.push_back({static_cast<float>((i * 37) % 360) / 360.0f,
                          static_cast<float>(i % 64) / 63.0f, static_cast<float>(i % 101) / 100.0f});
    return inputs;
}

template <class Convert>
double NanosecondsPerCall(const std::vector<Hsv>& inputs, Convert convert)
{
    double best = 1e300;
    volatile int sink = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        int sum = 0;
        for (int i = 0; i < kCalls; ++i) {
            const Hsv& in = inputs[static_cast<std::size_t>(i) & (inputs.size() - 1)];
            int r = 0, g = 0, b = 0;
            convert(in.h, in.s, in.v, r, g, b);
            sum += r + g + b;
        }
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        sink = sink + sum;
        best = std::min(best, elapsed.count() / kCalls);
    }
    return best;
}

} // namespace

int main()
{
    const std::vector<Hsv> inputs = Inputs();
    const double floor = NanosecondsPerCall(inputs, StoreOnly);
    const double convert = NanosecondsPerCall(inputs, HsvToRgb);
    std::printf("HsvToRgb: %.2f ns per call; floor (call and loop) %.2f ns; ratio %.2f\n", convert,
                floor, convert / floor);
    return 0;
}
