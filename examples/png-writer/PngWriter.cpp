#include "PngWriter.h"

#include <png.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// libpng reports errors by longjmp; its message is kept for error().
void failed(png_structp png, png_const_charp message)
{
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

} // namespace

bool PngWriter::write(const std::string& fileName, int width, int height, const std::vector<unsigned char>& pixels,
                      Layout layout, double pixelRatio)
{
    const std::size_t bytesPerPixel = layout == Layout_RGBA ? 4 : 3;
    if (width < 1 || height < 1 || pixels.size() < std::size_t(width) * std::size_t(height) * bytesPerPixel)
    {
        m_error = "the picture has no pixels to write";
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "wb"), &std::fclose);
    if (!file)
    {
        m_error = fileName + ": " + std::strerror(errno);
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &m_error, failed, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr)
    {
        png_destroy_write_struct(&png, nullptr);
        m_error = "libpng could not start a file";
        return false;
    }
    volatile bool written = false;
    if (setjmp(png_jmpbuf(png)) == 0)
    {
        png_init_io(png, file.get());
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        const unsigned density = pixelsPerMetre(pixelRatio);
        png_set_pHYs(png, info, density, density, PNG_RESOLUTION_METER);
        png_write_info(png, info);
        if (layout == Layout_RGBA)
            png_set_filler(png, 0, PNG_FILLER_AFTER);
        for (int row = 0; row < height; ++row)
            png_write_row(png, &pixels[std::size_t(row) * std::size_t(width) * bytesPerPixel]);
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    if (written && std::fflush(file.get()) != 0)
    {
        m_error = fileName + ": " + std::strerror(errno);
        written = false;
    }
    return written;
}

const std::string& PngWriter::error() const { return m_error; }

unsigned PngWriter::pixelsPerMetre(double pixelRatio) { return unsigned(std::lround(96.0 / 0.0254 * pixelRatio)); }
