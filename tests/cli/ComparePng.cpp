// compare-png EXPECTED.png ACTUAL.png
// Compares two PNG pictures by their decoded pixels (8-bit RGBA), so that two files
// encoded differently (compression level, filters, chunks) but showing the same picture
// count as equal. Exit status 0 when equal, 1 when they differ (what differs is printed),
// 2 when a file cannot be read as a PNG.
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Picture {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    std::vector<png_byte> rgba;
};

bool ReadPicture(const char* path, Picture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) {
        std::fprintf(stderr, "compare-png: %s: %s\n", path, image.message);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
        std::fprintf(stderr, "compare-png: %s: %s\n", path, image.message);
        png_image_free(&image);
        return false;
    }
    return true;
}

unsigned long PixelAt(const Picture& picture, std::size_t index) {
    const png_byte* p = &picture.rgba[4 * index];
    return (static_cast<unsigned long>(p[0]) << 24) | (static_cast<unsigned long>(p[1]) << 16) |
           (static_cast<unsigned long>(p[2]) << 8) | p[3];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: compare-png EXPECTED.png ACTUAL.png\n");
        return 2;
    }
    Picture expected;
    Picture actual;
    if (!ReadPicture(argv[1], expected) || !ReadPicture(argv[2], actual))
        return 2;
    if (expected.width != actual.width || expected.height != actual.height) {
        std::printf("size %ux%u, expected %ux%u\n", actual.width, actual.height, expected.width,
                    expected.height);
        return 1;
    }
    const std::size_t pixels = static_cast<std::size_t>(expected.width) * expected.height;
    std::size_t differing = 0;
    std::size_t first = 0;
    for (std::size_t i = 0; i < pixels; ++i) {
        if (PixelAt(expected, i) != PixelAt(actual, i) && differing++ == 0)
            first = i;
    }
    if (differing == 0)
        return 0;
    std::printf("%zu of %zu pixels differ; the first at x %zu, y %zu: RGBA %08lx, expected %08lx\n",
                differing, pixels, first % expected.width, first / expected.width,
                PixelAt(actual, first), PixelAt(expected, first));
    return 1;
}
