// Writes res/qorthmcust.ico: the module's icon, four colour swatches of a
// palette on a frame, at 16 x 16 and 32 x 32 pixels in 32-bit colour.
// Build and run natively: g++ -std=c++17 tools/make_icon.cpp -o make_icon && ./make_icon res/qorthmcust.ico
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Rgba {
    uint8_t r, g, b, a;
};

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, static_cast<uint16_t>(v));
    Put16(out, static_cast<uint16_t>(v >> 16));
}

// The picture at size n: a dark frame holding a 2 x 2 grid of swatches.
Rgba PixelAt(int x, int y, int n)
{
    const Rgba frame{60, 72, 84, 255};
    const Rgba swatches[4] = {{214, 82, 62, 255}, {240, 190, 70, 255},
                              {80, 160, 110, 255}, {70, 120, 200, 255}};
    const int border = n / 16;
    if (x < border || y < border || x >= n - border || y >= n - border)
        return frame;
    const int half = n / 2;
    const int gap = n / 16;
    if (x >= half - gap / 2 - (gap & 1) && x < half + gap / 2)
        return frame;
    if (y >= half - gap / 2 - (gap & 1) && y < half + gap / 2)
        return frame;
    return swatches[(y < half ? 0 : 2) + (x < half ? 0 : 1)];
}

std::vector<uint8_t> IconImage(int n)
{
    std::vector<uint8_t> image;
    Put32(image, 40);
    Put32(image, static_cast<uint32_t>(n));
    Put32(image, static_cast<uint32_t>(2 * n));  // colour rows and mask rows
    Put16(image, 1);
    Put16(image, 32);
    for (int i = 0; i < 6; ++i)
        Put32(image, 0);
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            const Rgba p = PixelAt(x, y, n);
            image.insert(image.end(), {p.b, p.g, p.r, p.a});
        }
    }
    const int maskStride = ((n + 31) / 32) * 4;
    image.insert(image.end(), static_cast<size_t>(maskStride * n), 0);  // all opaque
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output.ico\n", argv[0]);
        return 2;
    }
    const int sizes[] = {16, 32};
    std::vector<std::vector<uint8_t>> images;
    for (int n : sizes)
        images.push_back(IconImage(n));

    std::vector<uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<uint16_t>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<uint8_t>(sizes[i]));
        file.push_back(static_cast<uint8_t>(sizes[i]));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());

    FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size()) {
        std::perror(argv[1]);
        return 1;
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
