#include "platform/graphics/TBitmap.h"

#include "platform/Exception.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct TFileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

struct TPngError {
    char Text[200];
};

[[noreturn]] void PngError(png_structp png, png_const_charp message)
{
    // libpng expects no return from its error handler; the message is kept
    // for the caller and control goes back to the setjmp in WritePng.
    auto* error = static_cast<TPngError*>(png_get_error_ptr(png));
    std::snprintf(error->Text, sizeof error->Text, "%s", message);
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// The libpng calls, apart from every C++ object, so that its longjmp skips
// no destructor.
bool WritePng(std::FILE* file, png_uint_32 width, png_uint_32 height, png_bytepp rows, TPngError* error)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, error, PngError, PngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void TBitmap::SaveToPng(const std::string& path) const
{
    if (Width() < 1 || Height() < 1)
        throw Exception("Cannot write an empty bitmap to " + path);
    std::unique_ptr<std::FILE, TFileClose> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw Exception("Cannot write " + path + ": " + std::strerror(errno));

    const std::vector<TColor>& pixels = FCanvas.Pixels();
    std::vector<png_byte> rgb(static_cast<std::size_t>(Width()) * Height() * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        rgb[i * 3] = GetRValue(pixels[i]);
        rgb[i * 3 + 1] = GetGValue(pixels[i]);
        rgb[i * 3 + 2] = GetBValue(pixels[i]);
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(Height()));
    for (int y = 0; y < Height(); ++y)
        rows[y] = rgb.data() + static_cast<std::size_t>(y) * Width() * 3;

    TPngError error{"out of memory"};
    if (!WritePng(file.get(), static_cast<png_uint_32>(Width()), static_cast<png_uint_32>(Height()), rows.data(),
                  &error))
        throw Exception("Cannot write " + path + ": " + error.Text);
    // A full disk shows only when the buffered data is written out.
    if (std::fclose(file.release()) != 0)
        throw Exception("Cannot write " + path + ": " + std::strerror(errno));
}
