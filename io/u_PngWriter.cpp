#include "io/u_PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace {

// Everything that may jump back from libpng lives outside the function that calls setjmp.
bool WriteImage(FILE* file, const TIndexImage& image, const TImageColors& colors)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(image.Width), png_uint_32(image.Height), 8,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_color table[kImageColors];
    for (int i = 0; i < kImageColors; ++i)
        table[i] = {png_byte(colors[i] & 0xFF), png_byte(colors[i] >> 8 & 0xFF),
                    png_byte(colors[i] >> 16 & 0xFF)};
    png_set_PLTE(png, info, table, kImageColors);
    png_write_info(png, info);
    for (int32_t row = 0; row < image.Height; ++row)
        png_write_row(png, image.Pixels.data() + size_t(row) * size_t(image.Width));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WritePng(const std::string& path, const TIndexImage& image, const TImageColors& colors,
              std::string& error)
{
    const std::string temp = path + ".tmp";
    FILE* file = image.Width > 0 && image.Height > 0 ? std::fopen(temp.c_str(), "wb") : nullptr;
    bool written = file && WriteImage(file, image, colors);
    if (file) written = std::fclose(file) == 0 && written;
    if (written && std::rename(temp.c_str(), path.c_str()) == 0) return true;
    if (file) std::remove(temp.c_str());
    error = "The picture " + path + " could not be written.";
    return false;
}
